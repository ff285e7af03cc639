#include "ui/diabetes/TFormDagFarger.h"

namespace vexamat {

TFormDagFarger::TFormDagFarger(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormDagFarger"));
    setWindowTitle(QStringLiteral("Dagarnas färger"));
    resize(600, 400);
}

} // namespace vexamat
