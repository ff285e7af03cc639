#pragma once

#include "core/mail/MailSettings.h"
#include "ui/FormBase.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace vexamat {

// "Inställning av Mailserver": the outgoing mail server that sending uses.
class TFormMailAvancerat : public FormBase {
    Q_OBJECT
public:
    TFormMailAvancerat(AppState& state, Windows& windows, Dialogs& dialogs);

    // The settings as the fields show them.
    MailSettings settings() const;
    void showSettings(const MailSettings& settings);

    // Stores the settings in the data folder and hides the window.
    void ButtonOKClick();

    QLabel* Label1 = nullptr;
    QLineEdit* EditHost = nullptr;
    QSpinBox* EditPort = nullptr;
    QLineEdit* EditUserID = nullptr;
    QLineEdit* EditPassword = nullptr;
    QComboBox* ComboBoxTLS = nullptr;
    QLineEdit* EditFromAdress = nullptr;
    // Optional: who the recipient may contact about reading the registration.
    QPlainTextEdit* EditKontakt = nullptr;
    QPushButton* ButtonOK = nullptr;
};

} // namespace vexamat
