#include "ui/analysis/TFormEnergiCirkel.h"

namespace vexamat {

TFormEnergiCirkel::TFormEnergiCirkel(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormEnergiCirkel"));
    setWindowTitle(QStringLiteral("Livsmedelscirkel"));
    resize(600, 400);
}

} // namespace vexamat
