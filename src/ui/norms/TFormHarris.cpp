#include "ui/norms/TFormHarris.h"

namespace vexamat {

TFormHarris::TFormHarris(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormHarris"));
    setWindowTitle(QStringLiteral("Harris Benedict Equation for estimating energy requirements"));
    resize(600, 400);
}

} // namespace vexamat
