#include "ui/norms/TFormKgKroppsvikt.h"

namespace vexamat {

TFormKgKroppsvikt::TFormKgKroppsvikt(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormKgKroppsvikt"));
    setWindowTitle(QStringLiteral("Normer per kg kroppsvikt"));
    resize(600, 400);
}

} // namespace vexamat
