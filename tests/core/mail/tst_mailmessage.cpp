#include "core/mail/MailAddressList.h"
#include "core/mail/MailMessage.h"
#include "core/mail/MailSettings.h"
#include "core/mail/SmtpSender.h"
#include "support/TempDataFolder.h"

#include <QFile>
#include <QTest>

using namespace vexamat;

class TstMailMessage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void addressList_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("one") << "anna@x.se" << QStringList{"anna@x.se"};
        QTest::newRow("two with blanks")
            << " anna@x.se ,per@y.se" << QStringList{"anna@x.se", "per@y.se"};
        QTest::newRow("comma inside quotes")
            << "\"Berg, Per\" <per@y.se>, anna@x.se"
            << QStringList{"\"Berg, Per\" <per@y.se>", "anna@x.se"};
        QTest::newRow("empty parts dropped") << ",anna@x.se,," << QStringList{"anna@x.se"};
        QTest::newRow("empty") << "" << QStringList{};
    }
    void addressList() {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QCOMPARE(MailAddressList::parse(text), expected);
    }

    void bareAddress_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << " anna@x.se "
                               << "anna@x.se";
        QTest::newRow("named") << "\"Berg, Per\" <per@y.se>"
                               << "per@y.se";
    }
    void bareAddress() {
        QFETCH(QString, entry);
        QFETCH(QString, expected);
        QCOMPARE(MailAddressList::bareAddress(entry), expected);
    }

    void bodyOfATwoLineMessage() {
        const QStringList body =
            MailMessage::body({"Hej!", "Här är veckan."}, "Kalle Åberg", "kalle@x.se");
        const QStringList fixed = MailMessage::fixedText();
        QCOMPARE(fixed.first(), QStringLiteral("Detta mail är sänt från programmet Vexamat och "
                                               "till mailet finns en kostregistering bifogad."));
        QCOMPARE(fixed.at(fixed.size() - 2), QString(88, '-'));
        QCOMPARE(fixed.last(), QString());
        QCOMPARE(body.mid(0, fixed.size()), fixed);
        QCOMPARE(body.mid(fixed.size()),
                 (QStringList{"Hej!", "Här är veckan.", "", "Avsändare: Kalle Åberg",
                              "Avsändarens mailadress: kalle@x.se"}));
    }

    void contactLinesOnlyWhenGiven_data() {
        QTest::addColumn<QString>("contact");
        QTest::addColumn<QStringList>("middle"); // between the instructions and "Nedan följer"
        QTest::newRow("none") << "" << QStringList{};
        QTest::newRow("only blanks") << " \n  " << QStringList{};
        QTest::newRow("given") << "Anna Dietist\r\nanna@example.se\n070-123 45 67\n"
                               << QStringList{
                                      "Om du har problem med denna inläsning kan du kontakta",
                                      "Anna Dietist", "anna@example.se", "070-123 45 67", ""};
    }

    void contactLinesOnlyWhenGiven() {
        QFETCH(QString, contact);
        QFETCH(QStringList, middle);
        const QStringList expected =
            QStringList{"Detta mail är sänt från programmet Vexamat och till mailet finns en "
                        "kostregistering bifogad.",
                        "Gör så här om du vill läsa in beräkningen i Vexamat.",
                        "1. Spara den bifogade beräkningen.",
                        "    Var noga med att du vet var du sparar den, du behöver veta det "
                        "under punkt3.",
                        "2. Starta Vexamat.",
                        "3. Välj Arkiv/Hämta och läs in beräkningen.",
                        ""} +
            middle +
            QStringList{"Nedan följer eventuellt meddelande från avsändaren.", QString(88, '-'),
                        ""};
        QCOMPARE(MailMessage::fixedText(contact), expected);
        const MailMessage m =
            MailMessage::fromFields("a@x.se", "Kalle", "kalle@x.se", {"Hej"}, "k.vexa", contact);
        QCOMPARE(m.bodyLines.mid(0, expected.size()), expected);
    }

    void messageFromFields() {
        const MailMessage m = MailMessage::fromFields("a@x.se, \"B, C\" <b@y.se>", "Kalle",
                                                      "Kalle <kalle@x.se>", {"Hej"}, "/t/k.vexa");
        QCOMPARE(m.subject, QStringLiteral("Kostberäkning Vexamat "));
        QCOMPARE(m.recipients, (QStringList{"a@x.se", "\"B, C\" <b@y.se>"}));
        QCOMPARE(m.replyTo, QStringList{"Kalle <kalle@x.se>"});
        QCOMPARE(m.senderAddress, QStringLiteral("kalle@x.se"));
        QCOMPARE(m.attachmentPath, QStringLiteral("/t/k.vexa"));
    }

    void headers() {
        const MailMessage m = MailMessage::fromFields("a@x.se, \"Berg, Per\" <b@y.se>", "Kalle",
                                                      "kalle@x.se", {}, "k.vexa");
        const QStringList h = SmtpSender::headerLines(m, "kalle@x.se");
        QCOMPARE(h.at(0), QStringLiteral("From: Kalle <kalle@x.se>"));
        QCOMPARE(h.at(1), QStringLiteral("To: a@x.se, \"Berg, Per\" <b@y.se>"));
        QCOMPARE(h.at(2), QStringLiteral("Reply-To: kalle@x.se"));
        QCOMPARE(h.at(3), QStringLiteral("Subject: =?UTF-8?B?") +
                              QString::fromLatin1(
                                  QStringLiteral("Kostberäkning Vexamat ").toUtf8().toBase64()) +
                              "?=");
    }

    void settingsAreKeptForTheUserOnly() {
        TempDataFolder data;
        MailSettings s;
        s.host = "smtp.example.se";
        s.port = 465;
        s.userId = "kalle";
        s.password = "hemligt=ord";
        s.tls = MailSettings::Tls::Implicit;
        s.fromAddress = "kalle@example.se";
        s.contact = "Anna Dietist\nanna@example.se\ntel=070-123 45 67";
        QVERIFY(s.write(data.path()));
        const QString path = data.filePath(MailSettings::kFileName);
        QCOMPARE(QFile::permissions(path) & ~(QFile::ReadUser | QFile::WriteUser),
                 QFile::ReadOwner | QFile::WriteOwner);
        const MailSettings r = MailSettings::read(data.path());
        QCOMPARE(r.host, s.host);
        QCOMPARE(r.port, 465);
        QCOMPARE(r.userId, s.userId);
        QCOMPARE(r.password, s.password);
        QCOMPARE(r.tls, MailSettings::Tls::Implicit);
        QCOMPARE(r.fromAddress, s.fromAddress);
        QCOMPARE(r.contact, s.contact);
    }

    void anOlderSettingsFileHasNoContact() {
        TempDataFolder data;
        data.write(MailSettings::kFileName,
                   "host=smtp.example.se\r\nport=25\r\nuser=kalle\r\npassword=x\r\n"
                   "tls=ingen\r\nfrom=kalle@example.se\r\n");
        const MailSettings r = MailSettings::read(data.path());
        QCOMPARE(r.host, QStringLiteral("smtp.example.se"));
        QCOMPARE(r.port, 25);
        QCOMPARE(r.tls, MailSettings::Tls::None);
        QCOMPARE(r.fromAddress, QStringLiteral("kalle@example.se"));
        QCOMPARE(r.contact, QString());
        // Saved again without a contact, the file has no contact line either.
        QVERIFY(r.write(data.path()));
        QFile file(data.filePath(MailSettings::kFileName));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(!file.readAll().contains("contact"));
    }
};

QTEST_GUILESS_MAIN(TstMailMessage)
#include "tst_mailmessage.moc"
