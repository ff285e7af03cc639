#include "ui/norms/AdminPasswordPrompt.h"

#include "core/norms/AdminPassword.h"
#include "ui/Dialogs.h"

namespace vexamat {

bool AdminPasswordPrompt::AskAdminPassword(Dialogs& dialogs, QWidget* parent,
                                           const QString& expected) {
    const std::optional<QString> entry = dialogs.inputText(
        parent, QStringLiteral("Ange KORPRAM lösenord"), QStringLiteral("LÖSENORD"), QString());
    if (!entry)
        return false;
    if (AdminPassword::matches(*entry, expected))
        return true;
    dialogs.message(parent, QStringLiteral("Fel lösenord!"), Dialogs::Icon::Warning);
    return false;
}

} // namespace vexamat
