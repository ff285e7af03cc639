#include "ui/norms/TFormEgenNorm.h"

namespace vexamat {

TFormEgenNorm::TFormEgenNorm(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormEgenNorm"));
    setWindowTitle(QStringLiteral("Ange önskat energiintag per dag."));
    resize(600, 400);
}

} // namespace vexamat
