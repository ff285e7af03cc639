#include "ui/diabetes/TFormDygn.h"

namespace vexamat {

TFormDygn::TFormDygn(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormDygn"));
    setWindowTitle(QStringLiteral("Dygnsfördelning"));
    resize(600, 400);
}

} // namespace vexamat
