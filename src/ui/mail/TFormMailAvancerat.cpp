#include "ui/mail/TFormMailAvancerat.h"

#include "core/AppState.h"
#include "ui/Dialogs.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace vexamat {

TFormMailAvancerat::TFormMailAvancerat(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormMailAvancerat"));
    setWindowTitle(QStringLiteral("Inställning av Mailserver"));
    resize(480, 380);
    const auto named = [](auto* w, const char* name) {
        w->setObjectName(QString::fromLatin1(name));
        return w;
    };
    Label1 =
        named(new QLabel(QStringLiteral("Ändra endast i dessa fält om du vet vad du gör."), this),
              "Label1");
    EditHost = named(new QLineEdit(this), "EditHost");
    EditPort = named(new QSpinBox(this), "EditPort");
    EditPort->setRange(1, 65535);
    EditUserID = named(new QLineEdit(this), "EditUserID");
    EditPassword = named(new QLineEdit(this), "EditPassword");
    EditPassword->setEchoMode(QLineEdit::Password);
    ComboBoxTLS = named(new QComboBox(this), "ComboBoxTLS");
    ComboBoxTLS->addItem(QStringLiteral("STARTTLS"), int(MailSettings::Tls::StartTls));
    ComboBoxTLS->addItem(QStringLiteral("TLS"), int(MailSettings::Tls::Implicit));
    ComboBoxTLS->addItem(QStringLiteral("Ingen"), int(MailSettings::Tls::None));
    EditFromAdress = named(new QLineEdit(this), "EditFromAdress");
    EditKontakt = named(new QPlainTextEdit(this), "EditKontakt");
    EditKontakt->setPlaceholderText(QStringLiteral("Till exempel namn, mailadress och telefon"));
    EditKontakt->setTabChangesFocus(true);
    ButtonOK = named(new QPushButton(QStringLiteral("OK"), this), "ButtonOK");
    ButtonOK->setDefault(true);
    connect(ButtonOK, &QPushButton::clicked, this, &TFormMailAvancerat::ButtonOKClick);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Mail host"), EditHost);
    form->addRow(QStringLiteral("Port"), EditPort);
    form->addRow(QStringLiteral("UserID"), EditUserID);
    form->addRow(QStringLiteral("Lösenord"), EditPassword);
    form->addRow(QStringLiteral("TLS"), ComboBoxTLS);
    form->addRow(QStringLiteral("FromAddress"), EditFromAdress);
    form->addRow(QStringLiteral("Kontaktuppgifter i mailet (valfritt)"), EditKontakt);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addLayout(form);
    layout->addWidget(ButtonOK, 0, Qt::AlignRight);

    showSettings(MailSettings::read(m_state.DataDir));
}

MailSettings TFormMailAvancerat::settings() const {
    MailSettings s;
    s.host = EditHost->text().trimmed();
    s.port = EditPort->value();
    s.userId = EditUserID->text();
    s.password = EditPassword->text();
    s.tls = MailSettings::Tls(ComboBoxTLS->currentData().toInt());
    s.fromAddress = EditFromAdress->text().trimmed();
    s.contact = EditKontakt->toPlainText().trimmed();
    return s;
}

void TFormMailAvancerat::showSettings(const MailSettings& s) {
    EditHost->setText(s.host);
    EditPort->setValue(s.port);
    EditUserID->setText(s.userId);
    EditPassword->setText(s.password);
    ComboBoxTLS->setCurrentIndex(ComboBoxTLS->findData(int(s.tls)));
    EditFromAdress->setText(s.fromAddress);
    EditKontakt->setPlainText(s.contact);
}

void TFormMailAvancerat::ButtonOKClick() {
    QString error;
    if (!settings().write(m_state.DataDir, &error)) {
        m_dialogs.message(this,
                          QStringLiteral("Kan ej spara inställningarna för mailservern\n") + error,
                          Dialogs::Icon::Error);
        return;
    }
    hide();
}

} // namespace vexamat
