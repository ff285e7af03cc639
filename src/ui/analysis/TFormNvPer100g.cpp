#include "ui/analysis/TFormNvPer100g.h"

namespace vexamat {

TFormNvPer100g::TFormNvPer100g(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormNvPer100g"));
    setWindowTitle(QStringLiteral("Näring per 100g"));
    resize(600, 400);
}

} // namespace vexamat
