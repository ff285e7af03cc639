#include "ui/analysis/TFormsiffror.h"

namespace vexamat {

TFormsiffror::TFormsiffror(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormsiffror"));
    setWindowTitle(QStringLiteral("Näringen i siffror"));
    resize(600, 400);
}

} // namespace vexamat
