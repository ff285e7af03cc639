#include "ui/reports/TFormUtskriftsval2.h"

namespace vexamat {

TFormUtskriftsval2::TFormUtskriftsval2(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormUtskriftsval2"));
    setWindowTitle(QStringLiteral("Utskrift"));
    resize(600, 400);
}

} // namespace vexamat
