#pragma once

class QCoreApplication;

namespace vexamat {

// Qt's own texts (the file dialogs, the standard buttons, a text field's context menu) in
// Swedish. Debian ships no Swedish catalogue for Qt 6's dialogs, so the program carries its
// own for the texts it shows (qt_sv.ts, built into the program); Qt's catalogue is loaded
// too when one is installed, and ours comes first where both have a text.
class SwedishQtTranslation {
public:
    // Installs the translators on app, which owns them. False when the program's own
    // catalogue could not be loaded (Qt then shows its English texts).
    static bool install(QCoreApplication& app);
    // Where the program's catalogue is kept among the program's resources.
    static const char* const kResource;
};

} // namespace vexamat
