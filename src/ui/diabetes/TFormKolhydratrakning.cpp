#include "ui/diabetes/TFormKolhydratrakning.h"

namespace vexamat {

TFormKolhydratrakning::TFormKolhydratrakning(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormKolhydratrakning"));
    setWindowTitle(QStringLiteral("Kolhydraträkning"));
    resize(600, 400);
}

} // namespace vexamat
