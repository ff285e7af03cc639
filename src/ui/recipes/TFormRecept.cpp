#include "ui/recipes/TFormRecept.h"

namespace vexamat {

TFormRecept::TFormRecept(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormRecept"));
    setWindowTitle(QStringLiteral("Recept"));
    resize(600, 400);
}

} // namespace vexamat
