#include "core/mail/MailMessage.h"

#include "core/mail/MailAddressList.h"

namespace vexamat {

const QString MailMessage::kSubject = QStringLiteral("Kostberäkning Vexamat ");

QStringList MailMessage::fixedText(const QString& contact) {
    QStringList lines{
        QStringLiteral("Detta mail är sänt från programmet Vexamat och till mailet finns en "
                       "kostregistering bifogad."),
        QStringLiteral("Gör så här om du vill läsa in beräkningen i Vexamat."),
        QStringLiteral("1. Spara den bifogade beräkningen."),
        QStringLiteral("    Var noga med att du vet var du sparar den, du behöver veta det under "
                       "punkt3."),
        QStringLiteral("2. Starta Vexamat."),
        QStringLiteral("3. Välj Arkiv/Hämta och läs in beräkningen."),
        QString(),
    };
    const QString contactText = contact.trimmed();
    if (!contactText.isEmpty()) {
        lines << QStringLiteral("Om du har problem med denna inläsning kan du kontakta");
        for (QString line : contactText.split(QLatin1Char('\n'))) {
            line.remove(QLatin1Char('\r'));
            lines << line;
        }
        lines << QString();
    }
    lines << QStringLiteral("Nedan följer eventuellt meddelande från avsändaren.")
          << QString(88, QLatin1Char('-')) << QString();
    return lines;
}

QStringList MailMessage::body(const QStringList& message, const QString& senderName,
                              const QString& senderAddress, const QString& contact) {
    QStringList lines = fixedText(contact);
    lines << message << QString() << QStringLiteral("Avsändare: ") + senderName
          << QStringLiteral("Avsändarens mailadress: ") + senderAddress;
    return lines;
}

MailMessage MailMessage::fromFields(const QString& recipientText, const QString& senderName,
                                    const QString& senderAddressText, const QStringList& message,
                                    const QString& attachmentPath, const QString& contact) {
    MailMessage m;
    m.senderName = senderName.trimmed();
    m.recipients = MailAddressList::parse(recipientText);
    m.replyTo = MailAddressList::parse(senderAddressText);
    m.senderAddress =
        m.replyTo.isEmpty() ? QString() : MailAddressList::bareAddress(m.replyTo.first());
    m.bodyLines = body(message, senderName, senderAddressText, contact);
    m.attachmentPath = attachmentPath;
    return m;
}

} // namespace vexamat
