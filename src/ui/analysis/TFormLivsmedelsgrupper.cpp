#include "ui/analysis/TFormLivsmedelsgrupper.h"

namespace vexamat {

TFormLivsmedelsgrupper::TFormLivsmedelsgrupper(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormLivsmedelsgrupper"));
    setWindowTitle(QStringLiteral("Livsmedelsgrupper"));
    resize(600, 400);
}

} // namespace vexamat
