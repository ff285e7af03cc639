#include "ui/files/TFormTips.h"

namespace vexamat {

TFormTips::TFormTips(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormTips"));
    setWindowTitle(QStringLiteral("Goda råd"));
    resize(600, 400);
}

} // namespace vexamat
