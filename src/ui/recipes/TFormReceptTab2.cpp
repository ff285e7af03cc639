#include "ui/recipes/TFormReceptTab2.h"

namespace vexamat {

TFormReceptTab2::TFormReceptTab2(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormReceptTab2"));
    setWindowTitle(QStringLiteral("Recept allmänna"));
    resize(600, 400);
}

} // namespace vexamat
