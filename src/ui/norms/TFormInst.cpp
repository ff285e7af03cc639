#include "ui/norms/TFormInst.h"

namespace vexamat {

TFormInst::TFormInst(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormInst"));
    setWindowTitle(QStringLiteral("Inställningar"));
    resize(600, 400);
}

} // namespace vexamat
