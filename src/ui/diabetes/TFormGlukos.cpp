#include "ui/diabetes/TFormGlukos.h"

namespace vexamat {

TFormGlukos::TFormGlukos(AppState& state, Windows& windows, Dialogs& dialogs)
    : ReadingWindow(state, windows, dialogs, RegistrationSession::ReadingKind::Glucose,
                    QStringLiteral("Glukos mmol/l")) {
    setObjectName(QStringLiteral("TFormGlukos"));
    setWindowTitle(QStringLiteral("Blodsocker"));
}

} // namespace vexamat
