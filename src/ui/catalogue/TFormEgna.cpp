#include "ui/catalogue/TFormEgna.h"

namespace vexamat {

TFormEgna::TFormEgna(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormEgna"));
    setWindowTitle(QStringLiteral("Egna livsmedel"));
    resize(600, 400);
}

} // namespace vexamat
