#pragma once

#include "ui/FormBase.h"

class QPlainTextEdit;

namespace vexamat {

// "Så här gör man": the user instructions.
class TFormHelp : public FormBase {
    Q_OBJECT
public:
    TFormHelp(AppState& state, Windows& windows, Dialogs& dialogs);

    static QStringList instructionLines();

    QPlainTextEdit* Memo1 = nullptr;
};

} // namespace vexamat
