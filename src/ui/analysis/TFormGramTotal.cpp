#include "ui/analysis/TFormGramTotal.h"

namespace vexamat {

TFormGramTotal::TFormGramTotal(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormGramTotal"));
    setWindowTitle(QStringLiteral("Näring per livsmedel"));
    resize(600, 400);
}

} // namespace vexamat
