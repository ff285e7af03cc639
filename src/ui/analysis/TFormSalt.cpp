#include "ui/analysis/TFormSalt.h"

namespace vexamat {

TFormSalt::TFormSalt(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormSalt"));
    setWindowTitle(QStringLiteral("Salt"));
    resize(600, 400);
}

} // namespace vexamat
