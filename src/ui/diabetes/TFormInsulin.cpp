#include "ui/diabetes/TFormInsulin.h"

namespace vexamat {

TFormInsulin::TFormInsulin(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormInsulin"));
    setWindowTitle(QStringLiteral("Insulin"));
    resize(600, 400);
}

} // namespace vexamat
