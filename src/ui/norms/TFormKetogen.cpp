#include "ui/norms/TFormKetogen.h"

namespace vexamat {

TFormKetogen::TFormKetogen(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormKetogen"));
    setWindowTitle(QStringLiteral("Kalkylering Ketogen kost"));
    resize(600, 400);
}

} // namespace vexamat
