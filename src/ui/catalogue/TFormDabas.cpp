#include "ui/catalogue/TFormDabas.h"

namespace vexamat {

TFormDabas::TFormDabas(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormDabas"));
    setWindowTitle(QStringLiteral("Dabas"));
    resize(600, 400);
}

} // namespace vexamat
