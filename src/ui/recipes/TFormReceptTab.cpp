#include "ui/recipes/TFormReceptTab.h"

namespace vexamat {

TFormReceptTab::TFormReceptTab(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormReceptTab"));
    setWindowTitle(QStringLiteral("Recept egna"));
    resize(600, 400);
}

} // namespace vexamat
