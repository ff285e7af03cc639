#include "core/AppState.h"
#include "core/mail/MailMessage.h"
#include "core/mail/MailSettings.h"
#include "support/MainWindowFixture.h"
#include "support/UserActions.h"
#include "ui/Windows.h"
#include "ui/mail/TFormMailAvancerat.h"
#include "ui/mail/TFormMailIndy.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace vexamat;

namespace {

const QString kPython = QStringLiteral("/usr/bin/python3");

// A port on 127.0.0.1 that nothing listens on right now.
int freePort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    socklen_t len = sizeof addr;
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len) == 0)
        port = ntohs(addr.sin_port);
    ::close(fd);
    return port;
}

bool accepts(int port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = htons(quint16(port));
    const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
    ::close(fd);
    return ok;
}

// Reads every message the server stored and gives what a mail reader would show.
const char* const kDumpScript = R"(
import sys, json, mailbox, email.header, email.policy, base64
out = []
for msg in mailbox.Maildir(sys.argv[1], create=False):
    m = email.message_from_bytes(msg.as_bytes(), policy=email.policy.default)
    parts = [p for p in m.walk() if not p.is_multipart()]
    atts = [p for p in parts if p.get_filename()]
    texts = [p for p in parts if not p.get_filename()]
    out.append({
        "from": str(m["From"]), "to": str(m["To"]), "reply_to": str(m["Reply-To"]),
        "subject": str(m["Subject"]), "rcpt": str(m["X-RcptTo"]), "mailfrom": str(m["X-MailFrom"]),
        "body": texts[0].get_content() if texts else "",
        "attachments": [{"name": a.get_filename(),
                         "bytes": base64.b64encode(a.get_payload(decode=True)).decode()} for a in atts],
    })
print(json.dumps(out))
)";

// Replaces the text of the line edit, spin box or text box named objectName by typing.
void fill(QWidget* window, const QString& objectName, const QString& text) {
    QWidget* field = child<QWidget>(window, objectName);
    QVERIFY(field);
    if (auto* spin = qobject_cast<QSpinBox*>(field))
        spin->selectAll();
    else if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->selectAll();
    else if (auto* memo = qobject_cast<QPlainTextEdit*>(field))
        memo->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    typeText(field, text);
}

// The mail server settings for a plain SMTP server on this machine.
void useLocalServer(QWidget* settings, int port) {
    fill(settings, QStringLiteral("EditHost"), QStringLiteral("127.0.0.1"));
    fill(settings, QStringLiteral("EditPort"), QString::number(port));
    auto* tls = child<QComboBox>(settings, QStringLiteral("ComboBoxTLS"));
    chooseComboItem(tls, tls->findText(QStringLiteral("Ingen")));
}

} // namespace

class TstMailSmtp : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QProcess check;
        check.start(kPython, {"-c", "import aiosmtpd"});
        if (!check.waitForFinished(20000) || check.exitCode() != 0)
            QSKIP("python3-aiosmtpd is not installed");
    }

    void sendsTheRegistrationToTheServer() {
        QTemporaryDir tempDir;
        // The server makes the maildir itself; it must not exist beforehand.
        const QString maildir = tempDir.filePath(QStringLiteral("maildir"));
        const int port = freePort();
        QProcess server;
        server.start(kPython,
                     {"-m", "aiosmtpd", "-n", "-l", QStringLiteral("127.0.0.1:%1").arg(port), "-c",
                      "aiosmtpd.handlers.Mailbox", maildir});
        QVERIFY(server.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(accepts(port), 15000);

        MainWindowFixture f;
        QCOMPARE(f.startResult(), WindowSet::Result::Ok);
        TFormMailAvancerat* settings = f.windows().FormMailAvancerat;
        useLocalServer(settings, port);
        QCOMPARE(child<QSpinBox>(settings, QStringLiteral("EditPort"))->value(), port);

        QByteArray attachment = "100\r\n10.12.2026\r\nflera maltider\r\n";
        attachment += QByteArray("\xe5\xe4\xf6\x00\xff binary", 12);
        f.data.write("kalle.vexa", attachment);
        TFormMailIndy* w = f.windows().FormMailIndy;
        f.dialogs.queueFileName(f.data.filePath("kalle.vexa"));
        clickButton(w, QStringLiteral("Button1"));
        QCOMPARE(child<QLineEdit>(w, QStringLiteral("EditFilnamn"))->text(),
                 f.data.filePath("kalle.vexa"));
        fill(w, QStringLiteral("EditMailAdress"),
             QStringLiteral("dietist@example.se, \"Berg, Per\" <per@example.se>"));
        fill(w, QStringLiteral("EditAvsandare"), QStringLiteral("Kalle Åberg"));
        fill(w, QStringLiteral("Editavsandaremailadress"), QStringLiteral("kalle@example.se"));
        fill(w, QStringLiteral("memo2"), QStringLiteral("Hej!\nHär är veckan."));

        QSignalSpy finished(w, &TFormMailIndy::sendFinished);
        clickButton(w, QStringLiteral("ButtonMail"));
        QVERIFY(w->isSending() || finished.count() == 1);
        QVERIFY(finished.wait(60000) || finished.count() == 1);
        QCOMPARE(f.dialogs.messages, QStringList{"Mailet skickat"});
        // Sending again sends a second message, again with one attachment.
        clickButton(w, QStringLiteral("ButtonMail"));
        QVERIFY(finished.wait(60000) || finished.count() == 2);
        QCOMPARE(f.dialogs.messages, (QStringList{"Mailet skickat", "Mailet skickat"}));

        server.kill();
        server.waitForFinished();

        QProcess dump;
        dump.start(kPython, {"-c", kDumpScript, maildir});
        QVERIFY(dump.waitForFinished(30000));
        const QJsonArray messages = QJsonDocument::fromJson(dump.readAllStandardOutput()).array();
        QCOMPARE(messages.size(), 2);
        for (const QJsonValue& v : messages) {
            const QJsonObject m = v.toObject();
            QCOMPARE(m["subject"].toString(), QStringLiteral("Kostberäkning Vexamat "));
            QCOMPARE(m["to"].toString(),
                     QStringLiteral("dietist@example.se, \"Berg, Per\" <per@example.se>"));
            QCOMPARE(m["rcpt"].toString(), QStringLiteral("dietist@example.se, per@example.se"));
            QCOMPARE(m["reply_to"].toString(), QStringLiteral("kalle@example.se"));
            QCOMPARE(m["mailfrom"].toString(), QStringLiteral("kalle@example.se"));
            QCOMPARE(m["from"].toString(), QStringLiteral("Kalle Åberg <kalle@example.se>"));
            const QStringList body = m["body"].toString().split('\n');
            const QStringList expected =
                MailMessage::body({"Hej!", "Här är veckan."}, "Kalle Åberg", "kalle@example.se");
            QCOMPARE(body.mid(0, expected.size()), expected);
            // Nobody to contact was given: the mail names nobody.
            QVERIFY(!body.contains("Om du har problem med denna inläsning kan du kontakta"));
            const QJsonArray atts = m["attachments"].toArray();
            QCOMPARE(atts.size(), 1);
            QCOMPARE(atts[0].toObject()["name"].toString(), QStringLiteral("kalle.vexa"));
            QCOMPARE(QByteArray::fromBase64(atts[0].toObject()["bytes"].toString().toLatin1()),
                     attachment);
        }
    }

    void noServerGivesTheFailureMessage() {
        MainWindowFixture f;
        useLocalServer(f.windows().FormMailAvancerat, freePort());
        f.data.write("kalle.vexa", "100\r\n");
        TFormMailIndy* w = f.windows().FormMailIndy;
        f.dialogs.queueFileName(f.data.filePath("kalle.vexa"));
        clickButton(w, QStringLiteral("Button1"));
        fill(w, QStringLiteral("EditMailAdress"), QStringLiteral("dietist@example.se"));
        fill(w, QStringLiteral("Editavsandaremailadress"), QStringLiteral("kalle@example.se"));
        QSignalSpy finished(w, &TFormMailIndy::sendFinished);
        clickButton(w, QStringLiteral("ButtonMail"));
        QVERIFY(finished.wait(60000) || finished.count() == 1);
        QCOMPARE(f.dialogs.messages.size(), 1);
        QVERIFY2(f.dialogs.messages.first().startsWith("Mailet kunde inte skickas\n"),
                 qPrintable(f.dialogs.messages.first()));
        QVERIFY(f.dialogs.messages.first().size() > QString("Mailet kunde inte skickas\n").size());
        QVERIFY(!f.dialogs.messages.contains("Mailet skickat"));
        QCOMPARE(finished.first().first().toBool(), false);
    }

    // A server that accepts the connection and then never answers: "Avbryt" ends the send.
    void aSilentServerCanBeCancelled() {
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t len = sizeof addr;
        QVERIFY(::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0);
        QVERIFY(::listen(fd, 4) == 0);
        QVERIFY(::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len) == 0);
        MainWindowFixture f;
        useLocalServer(f.windows().FormMailAvancerat, ntohs(addr.sin_port));
        f.data.write("kalle.vexa", "100\r\n");
        TFormMailIndy* w = f.windows().FormMailIndy;
        w->show();
        f.dialogs.queueFileName(f.data.filePath("kalle.vexa"));
        clickButton(w, QStringLiteral("Button1"));
        fill(w, QStringLiteral("EditMailAdress"), QStringLiteral("dietist@example.se"));
        fill(w, QStringLiteral("Editavsandaremailadress"), QStringLiteral("kalle@example.se"));
        QSignalSpy finished(w, &TFormMailIndy::sendFinished);
        clickButton(w, QStringLiteral("ButtonMail"));
        QVERIFY(w->isSending());
        QTest::qWait(300); // the client waits for the server's greeting
        QVERIFY(w->isSending());
        clickButton(w, QStringLiteral("ButtonAvbryt"));
        QVERIFY(finished.wait(15000) || finished.count() == 1);
        QCOMPARE(finished.first().first().toBool(), false);
        QCOMPARE(f.dialogs.messages,
                 QStringList{QStringLiteral("Sändningen avbröts. Mailet skickades inte.")});
        QVERIFY(!child<QPushButton>(w, QStringLiteral("ButtonAvbryt"))->isVisible());
        ::close(fd);
    }

    void contactLinesComeFromTheSettings() {
        MainWindowFixture f;
        QCOMPARE(f.startResult(), WindowSet::Result::Ok);
        TFormMailAvancerat* settings = f.windows().FormMailAvancerat;
        TFormMailIndy* w = f.windows().FormMailIndy;
        const QString ask = QStringLiteral("Om du har problem med denna inläsning kan du kontakta");
        QVERIFY(!w->Memo3->toPlainText().contains(ask));

        settings->show();
        settings->EditHost->setText("127.0.0.1");
        settings->EditPort->setValue(freePort());
        settings->ComboBoxTLS->setCurrentIndex(settings->ComboBoxTLS->findText("Ingen"));
        QVERIFY(settings->EditKontakt);
        settings->EditKontakt->setFocus();
        QTest::keyClicks(settings->EditKontakt, "Anna Dietist");
        QTest::keyClick(settings->EditKontakt, Qt::Key_Return);
        QTest::keyClicks(settings->EditKontakt, "anna@example.se");
        settings->ButtonOK->click();
        QVERIFY(settings->isHidden());
        QCOMPARE(MailSettings::read(f.data.path()).contact,
                 QStringLiteral("Anna Dietist\nanna@example.se"));

        f.data.write("kalle.vexa", "100\r\n");
        w->EditFilnamn->setText(f.data.filePath("kalle.vexa"));
        w->EditMailAdress->setText("dietist@example.se");
        w->EditAvsandare->setText("Kalle");
        w->Editavsandaremailadress->setText("kalle@example.se");
        QSignalSpy finished(w, &TFormMailIndy::sendFinished);
        w->ButtonMail->click();
        QVERIFY(finished.wait(60000) || finished.count() == 1);
        const QStringList body = w->MemoTemp->toPlainText().split('\n');
        const qsizetype at = body.indexOf(ask);
        QVERIFY(at > 0);
        QCOMPARE(body.mid(at + 1, 3), (QStringList{"Anna Dietist", "anna@example.se", ""}));
        QVERIFY(w->Memo3->toPlainText().contains("Anna Dietist"));
    }

    void serverSettingsAreStoredForTheUserOnly() {
        MainWindowFixture f;
        TFormMailAvancerat* w = f.windows().FormMailAvancerat;
        QCOMPARE(w->windowTitle(), QStringLiteral("Inställning av Mailserver"));
        w->show();
        fill(w, QStringLiteral("EditHost"), QStringLiteral("smtp.example.se"));
        fill(w, QStringLiteral("EditPort"), QStringLiteral("465"));
        fill(w, QStringLiteral("EditUserID"), QStringLiteral("kalle"));
        fill(w, QStringLiteral("EditPassword"), QStringLiteral("hemligt"));
        auto* tls = child<QComboBox>(w, QStringLiteral("ComboBoxTLS"));
        chooseComboItem(tls, tls->findText(QStringLiteral("TLS")));
        clickButton(w, QStringLiteral("ButtonOK"));
        QVERIFY(w->isHidden());
        const QString path = f.data.filePath(MailSettings::kFileName);
        QCOMPARE(QFile::permissions(path) & (QFile::ReadGroup | QFile::ReadOther),
                 QFile::Permissions());
        const MailSettings s = MailSettings::read(f.data.path());
        QCOMPARE(s.host, QStringLiteral("smtp.example.se"));
        QCOMPARE(s.port, 465);
        QCOMPARE(s.password, QStringLiteral("hemligt"));
        QCOMPARE(s.tls, MailSettings::Tls::Implicit);
    }

    void missingFileIsNotTaken() {
        MainWindowFixture f;
        TFormMailIndy* w = f.windows().FormMailIndy;
        f.dialogs.queueFileName(f.data.filePath("finnsinte.vexa"));
        clickButton(w, QStringLiteral("Button1"));
        QCOMPARE(f.dialogs.fileDialogs, QStringList{"Välj beräkning att maila"});
        QCOMPARE(f.dialogs.messages, QStringList{"Hittar inte beräkningen"});
        QVERIFY(child<QLineEdit>(w, QStringLiteral("EditFilnamn"))->text().isEmpty());
    }
};

QTEST_MAIN(TstMailSmtp)
#include "tst_mail_smtp.moc"
