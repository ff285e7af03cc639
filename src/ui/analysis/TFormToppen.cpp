#include "ui/analysis/TFormToppen.h"

namespace vexamat {

TFormToppen::TFormToppen(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormToppen"));
    setWindowTitle(QStringLiteral("Topplistan"));
    resize(600, 400);
}

} // namespace vexamat
