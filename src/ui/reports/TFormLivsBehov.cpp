#include "ui/reports/TFormLivsBehov.h"

namespace vexamat {

TFormLivsBehov::TFormLivsBehov(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormLivsBehov"));
    setWindowTitle(QStringLiteral("Livsmedelsbehov"));
    resize(600, 400);
}

} // namespace vexamat
