#include "ui/mail/TFormMailAvancerat.h"

namespace vexamat {

TFormMailAvancerat::TFormMailAvancerat(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormMailAvancerat"));
    setWindowTitle(QStringLiteral("Avancerade inställningar"));
    resize(600, 400);
}

} // namespace vexamat
