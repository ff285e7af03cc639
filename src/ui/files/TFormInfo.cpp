#include "ui/files/TFormInfo.h"

namespace vexamat {

TFormInfo::TFormInfo(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormInfo"));
    setWindowTitle(QStringLiteral("Info"));
    resize(600, 400);
}

} // namespace vexamat
