#pragma once

#include <QString>

namespace vexamat {

// Remembers between runs whether the main window shows the extended layout with the
// analysis controls: visning.txt in the data folder, one line "utökad" or "enkel".
class LayoutFile {
public:
    static inline const QString kFileName = QStringLiteral("visning.txt");

    // False (the simple layout) when the file is missing or says anything else.
    static bool readExtended(const QString& path);
    static bool writeExtended(const QString& path, bool extended, QString* error = nullptr);
};

} // namespace vexamat
