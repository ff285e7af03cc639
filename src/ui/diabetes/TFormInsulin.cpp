#include "ui/diabetes/TFormInsulin.h"

namespace vexamat {

TFormInsulin::TFormInsulin(AppState& state, Windows& windows, Dialogs& dialogs)
    : ReadingWindow(state, windows, dialogs, RegistrationSession::ReadingKind::Insulin,
                    QStringLiteral("Insulindos IE")) {
    setObjectName(QStringLiteral("TFormInsulin"));
    setWindowTitle(QStringLiteral("Insulin"));
}

} // namespace vexamat
