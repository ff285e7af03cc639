#include "ui/catalogue/TFormFabrikant.h"

namespace vexamat {

TFormFabrikant::TFormFabrikant(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormFabrikant"));
    setWindowTitle(QStringLiteral("Fabrikanternas tabell"));
    resize(600, 400);
}

} // namespace vexamat
