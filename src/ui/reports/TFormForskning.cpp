#include "ui/reports/TFormForskning.h"

namespace vexamat {

TFormForskning::TFormForskning(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormForskning"));
    setWindowTitle(QStringLiteral("Kostundersökningar"));
    resize(600, 400);
}

} // namespace vexamat
