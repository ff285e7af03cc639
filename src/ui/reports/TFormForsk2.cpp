#include "ui/reports/TFormForsk2.h"

namespace vexamat {

TFormForsk2::TFormForsk2(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormForsk2"));
    setWindowTitle(QStringLiteral("Kostundersökning per person och dag"));
    resize(600, 400);
}

} // namespace vexamat
