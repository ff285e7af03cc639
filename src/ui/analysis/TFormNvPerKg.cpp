#include "ui/analysis/TFormNvPerKg.h"

namespace vexamat {

TFormNvPerKg::TFormNvPerKg(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormNvPerKg"));
    setWindowTitle(QStringLiteral("Näring per kg kroppsvikt"));
    resize(600, 400);
}

} // namespace vexamat
