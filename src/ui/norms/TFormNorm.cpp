#include "ui/norms/TFormNorm.h"

namespace vexamat {

TFormNorm::TFormNorm(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormNorm"));
    setWindowTitle(QStringLiteral("Dagsbehovet av energi och näringsämnen"));
    resize(600, 400);
}

} // namespace vexamat
