#include "ui/mail/TFormMailIndy.h"

#include "core/AppState.h"
#include "core/files/RegistrationFile.h"
#include "core/mail/MailMessage.h"
#include "core/mail/MailSettings.h"
#include "core/mail/SmtpSender.h"
#include "ui/Dialogs.h"
#include "ui/Windows.h"
#include "ui/mail/TFormMailAvancerat.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

#include <memory>

namespace vexamat {

namespace {

const QStringList kInstructions{
    QStringLiteral("Här kan du maila en beräkning på ett av följande sätt:"),
    QStringLiteral("I båda fallen måste du spara beräkningen under ett namn innan den skickas, "
                   "det gör"),
    QStringLiteral("du under Arkiv/Spara beräkning."),
    QString(),
    QStringLiteral("Metod1."),
    QStringLiteral("Fyll i uppgifterna nedan, de uppgifter som är markerade med * är "
                   "obligatoriska."),
    QStringLiteral("Klicka därefter på \"Skicka mail.\""),
    QString(),
    QStringLiteral("Metod 2,"),
    QStringLiteral("Om det inte går att maila från detta program kan du maila beräkningen "
                   "manuellt enligt nedan."),
    QStringLiteral("- Spara beräkningen under ett namn, t.ex. KALLE"),
    QStringLiteral("- Starta ditt mail-program."),
    QStringLiteral("- Bifoga filen KALLE.VEXA till mailet och skicka mailet till mottagarens "
                   "mailadress."),
};

template <typename W> W* named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QStringList memoLines(const QPlainTextEdit* memo) {
    const QString text = memo->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

} // namespace

TFormMailIndy::TFormMailIndy(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormMailIndy"));
    setWindowTitle(QStringLiteral("Maila beräkning till Vexamat/Kostrådgivare"));
    resize(640, 560);

    Memo1 = named(new QPlainTextEdit(this), "Memo1");
    Memo1->setReadOnly(true);
    Memo1->setPlainText(kInstructions.join(QLatin1Char('\n')));
    memo2 = named(new QPlainTextEdit(QStringLiteral("Skriv ditt meddelande här."), this), "memo2");
    EditMailAdress = named(new QLineEdit(this), "EditMailAdress");
    EditAvsandare = named(new QLineEdit(this), "EditAvsandare");
    Editavsandaremailadress = named(new QLineEdit(this), "Editavsandaremailadress");
    Button1 = named(new QPushButton(QStringLiteral("Välj beräkning att maila*"), this), "Button1");
    EditFilnamn = named(new QLineEdit(this), "EditFilnamn");
    ButtonMail = named(new QPushButton(QStringLiteral("Skicka mail"), this), "ButtonMail");
    // Shown, unlike the original design: without it the server could not be set at all.
    ButtonAvancerat = named(new QPushButton(QStringLiteral("Avancerat"), this), "ButtonAvancerat");
    ButtonAvbryt = named(new QPushButton(QStringLiteral("Avbryt"), this), "ButtonAvbryt");
    ButtonAvbryt->hide();
    Memo3 = named(new QPlainTextEdit(this), "Memo3");
    Memo3->setPlainText(MailMessage::fixedText(MailSettings::read(m_state.DataDir).contact)
                            .join(QLatin1Char('\n')));
    Memo3->hide();
    MemoTemp = named(new QPlainTextEdit(this), "MemoTemp");
    MemoTemp->hide();

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("Mottagarens mailadress:*"), this), 0, 0);
    fields->addWidget(EditMailAdress, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("Avsändarens namn:*"), this), 1, 0);
    fields->addWidget(EditAvsandare, 1, 1);
    fields->addWidget(new QLabel(QStringLiteral("Avsändarens mailadress:*"), this), 2, 0);
    fields->addWidget(Editavsandaremailadress, 2, 1);
    fields->addWidget(Button1, 3, 0);
    fields->addWidget(EditFilnamn, 3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ButtonMail);
    buttons->addWidget(ButtonAvbryt);
    buttons->addStretch();
    buttons->addWidget(ButtonAvancerat);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Memo1, 2);
    layout->addWidget(new QLabel(QStringLiteral("Meddelande till mottagaren."), this));
    layout->addWidget(memo2, 1);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    connect(Button1, &QPushButton::clicked, this, &TFormMailIndy::Button1Click);
    connect(ButtonMail, &QPushButton::clicked, this, &TFormMailIndy::ButtonMailClick);
    connect(ButtonAvancerat, &QPushButton::clicked, this, &TFormMailIndy::ButtonAvanceratClick);
    connect(ButtonAvbryt, &QPushButton::clicked, this, [this] {
        if (m_cancel)
            m_cancel->store(true);
    });
}

TFormMailIndy::~TFormMailIndy() {
    // Closing the program ends a send at once instead of waiting for the server.
    if (m_cancel)
        m_cancel->store(true);
    if (m_sending)
        m_sending->wait();
}

void TFormMailIndy::Button1Click() {
    const QString path = m_dialogs.openFileName(this, QStringLiteral("Välj beräkning att maila"),
                                                m_state.InitDir, RegistrationFile::kFilter);
    if (path.isEmpty())
        return;
    if (!QFileInfo::exists(path)) {
        m_dialogs.message(this, QStringLiteral("Hittar inte beräkningen"));
        return;
    }
    EditFilnamn->setText(QFileInfo(path).absoluteFilePath());
}

void TFormMailIndy::ButtonMailClick() {
    if (m_sending)
        return;
    MailSettings settings = m_windows.FormMailAvancerat ? m_windows.FormMailAvancerat->settings()
                                                        : MailSettings::read(m_state.DataDir);
    const MailMessage message = MailMessage::fromFields(
        EditMailAdress->text(), EditAvsandare->text(), Editavsandaremailadress->text(),
        memoLines(memo2), EditFilnamn->text(), settings.contact);
    Memo3->setPlainText(MailMessage::fixedText(settings.contact).join(QLatin1Char('\n')));
    MemoTemp->setPlainText(message.bodyLines.join(QLatin1Char('\n')));

    auto result = std::make_shared<SmtpSender::Result>();
    m_cancel = std::make_shared<std::atomic_bool>(false);
    m_sending = QThread::create([settings, message, result, cancel = m_cancel] {
        *result = SmtpSender::send(settings, message, cancel.get());
    });
    ButtonMail->setEnabled(false);
    ButtonAvbryt->show();
    setCursor(Qt::BusyCursor);
    connect(m_sending, &QThread::finished, this, [this, result] {
        m_sending->deleteLater();
        m_sending = nullptr;
        m_cancel.reset();
        ButtonMail->setEnabled(true);
        ButtonAvbryt->hide();
        unsetCursor();
        if (result->cancelled)
            m_dialogs.message(this, QStringLiteral("Sändningen avbröts. Mailet skickades inte."));
        else if (result->sent)
            m_dialogs.message(this, QStringLiteral("Mailet skickat"));
        else
            m_dialogs.message(this, QStringLiteral("Mailet kunde inte skickas\n") + result->error,
                              Dialogs::Icon::Error);
        Q_EMIT sendFinished(result->sent);
    });
    m_sending->start();
}

void TFormMailIndy::ButtonAvanceratClick() {
    if (m_windows.FormMailAvancerat) {
        m_windows.FormMailAvancerat->show();
        m_windows.FormMailAvancerat->raise();
    }
}

} // namespace vexamat
