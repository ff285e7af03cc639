#include "ui/reports/TFormStatistik.h"

namespace vexamat {

TFormStatistik::TFormStatistik(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormStatistik"));
    setWindowTitle(QStringLiteral("Vilken typ av statistikfil vill du skapa?"));
    resize(600, 400);
}

} // namespace vexamat
