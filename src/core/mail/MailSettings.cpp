#include "core/mail/MailSettings.h"

#include "core/text/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace vexamat {

const QString MailSettings::kFileName = QStringLiteral("mailserver.txt");

QString MailSettings::tlsText(Tls tls) {
    switch (tls) {
    case Tls::None:
        return QStringLiteral("ingen");
    case Tls::StartTls:
        return QStringLiteral("STARTTLS");
    case Tls::Implicit:
        break;
    }
    return QStringLiteral("TLS");
}

MailSettings::Tls MailSettings::tlsFromText(const QString& text) {
    const QString t = text.trimmed().toUpper();
    if (t == QLatin1String("TLS"))
        return Tls::Implicit;
    if (t == QLatin1String("INGEN"))
        return Tls::None;
    return Tls::StartTls;
}

MailSettings MailSettings::read(const QString& dataDir) {
    MailSettings s;
    QStringList lines;
    if (!TextCodec::readLines(QDir(dataDir).filePath(kFileName), &lines))
        return s;
    QStringList contactLines; // one "contact=" line per line of the text
    for (const QString& line : lines) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        const QString key = line.left(eq).trimmed();
        const QString value = line.mid(eq + 1);
        if (key == QLatin1String("host"))
            s.host = value.trimmed();
        else if (key == QLatin1String("port"))
            s.port = value.trimmed().toInt();
        else if (key == QLatin1String("user"))
            s.userId = value;
        else if (key == QLatin1String("password"))
            s.password = value;
        else if (key == QLatin1String("tls"))
            s.tls = tlsFromText(value);
        else if (key == QLatin1String("from"))
            s.fromAddress = value.trimmed();
        else if (key == QLatin1String("contact"))
            contactLines << value;
    }
    s.contact = contactLines.join(QLatin1Char('\n'));
    return s;
}

bool MailSettings::write(const QString& dataDir, QString* error) const {
    QStringList lines{
        QStringLiteral("host=") + host,        QStringLiteral("port=%1").arg(port),
        QStringLiteral("user=") + userId,      QStringLiteral("password=") + password,
        QStringLiteral("tls=") + tlsText(tls), QStringLiteral("from=") + fromAddress,
    };
    QString contactText = contact.trimmed();
    contactText.remove(QLatin1Char('\r'));
    if (!contactText.isEmpty()) {
        for (const QString& line : contactText.split(QLatin1Char('\n')))
            lines << QStringLiteral("contact=") + line;
    }
    const QString path = QDir(dataDir).filePath(kFileName);
    QSaveFile file(path);
    const QFileDevice::Permissions ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    // The password must never be readable by others, not even for a moment.
    if (!file.open(QIODevice::WriteOnly) || !file.setPermissions(ownerOnly) ||
        file.write(TextCodec::joinLines(lines)) < 0 || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return QFile::setPermissions(path, ownerOnly);
}

} // namespace vexamat
