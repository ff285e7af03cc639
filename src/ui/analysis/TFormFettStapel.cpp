#include "ui/analysis/TFormFettStapel.h"

namespace vexamat {

TFormFettStapel::TFormFettStapel(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormFettStapel"));
    setWindowTitle(QStringLiteral("Fettsammansättning"));
    resize(600, 400);
}

} // namespace vexamat
