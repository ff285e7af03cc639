#include "ui/analysis/TFormVisaNv.h"

namespace vexamat {

TFormVisaNv::TFormVisaNv(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormVisaNv"));
    setWindowTitle(QStringLiteral("Näringsinnehåll"));
    resize(600, 400);
}

} // namespace vexamat
