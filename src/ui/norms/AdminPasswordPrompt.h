#pragma once

#include <QString>

class QWidget;

namespace vexamat {

class Dialogs;

// The password dialog in front of every table editor.
class AdminPasswordPrompt {
public:
    // Asks for the password and compares it with the given text. Cancel returns false
    // without a message; a wrong entry shows "Fel lösenord!".
    static bool AskAdminPassword(Dialogs& dialogs, QWidget* parent, const QString& expected);
};

} // namespace vexamat
