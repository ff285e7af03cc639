#include "ui/norms/TFormAktskapa.h"

namespace vexamat {

TFormAktskapa::TFormAktskapa(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormAktskapa"));
    setWindowTitle(QStringLiteral("Aktivitetstabell"));
    resize(600, 400);
}

} // namespace vexamat
