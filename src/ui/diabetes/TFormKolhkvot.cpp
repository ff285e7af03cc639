#include "ui/diabetes/TFormKolhkvot.h"

namespace vexamat {

TFormKolhkvot::TFormKolhkvot(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormKolhkvot"));
    setWindowTitle(QStringLiteral("Kolhydratkvot"));
    resize(600, 400);
}

} // namespace vexamat
