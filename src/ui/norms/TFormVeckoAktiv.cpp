#include "ui/norms/TFormVeckoAktiv.h"

namespace vexamat {

TFormVeckoAktiv::TFormVeckoAktiv(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormVeckoAktiv"));
    setWindowTitle(QStringLiteral("VeckoAktiviteter"));
    resize(600, 400);
}

} // namespace vexamat
