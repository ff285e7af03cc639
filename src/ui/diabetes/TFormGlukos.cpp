#include "ui/diabetes/TFormGlukos.h"

namespace vexamat {

TFormGlukos::TFormGlukos(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormGlukos"));
    setWindowTitle(QStringLiteral("Blodsocker"));
    resize(600, 400);
}

} // namespace vexamat
