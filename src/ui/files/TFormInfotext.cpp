#include "ui/files/TFormInfotext.h"

namespace vexamat {

TFormInfotext::TFormInfotext(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormInfotext"));
    setWindowTitle(QStringLiteral("Klicka på SPARA INFOTEXTER när du ändrat texterna!"));
    resize(600, 400);
}

} // namespace vexamat
