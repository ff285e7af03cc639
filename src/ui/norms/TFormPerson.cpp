#include "ui/norms/TFormPerson.h"

namespace vexamat {

TFormPerson::TFormPerson(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormPerson"));
    setWindowTitle(QStringLiteral("Personlig norm"));
    resize(600, 400);
}

} // namespace vexamat
