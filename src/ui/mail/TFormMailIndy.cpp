#include "ui/mail/TFormMailIndy.h"

namespace vexamat {

TFormMailIndy::TFormMailIndy(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormMailIndy"));
    setWindowTitle(QStringLiteral("Maila beräkning till Vexamat/Kostrådgivare"));
    resize(600, 400);
}

} // namespace vexamat
