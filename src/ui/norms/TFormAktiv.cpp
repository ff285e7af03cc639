#include "ui/norms/TFormAktiv.h"

namespace vexamat {

TFormAktiv::TFormAktiv(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormAktiv"));
    setWindowTitle(QStringLiteral("Dina aktiviteter"));
    resize(600, 400);
}

} // namespace vexamat
