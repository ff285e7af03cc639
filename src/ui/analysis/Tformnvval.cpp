#include "ui/analysis/Tformnvval.h"

namespace vexamat {

Tformnvval::Tformnvval(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("Tformnvval"));
    setWindowTitle(QStringLiteral("Val av näringämnen"));
    resize(600, 400);
}

} // namespace vexamat
