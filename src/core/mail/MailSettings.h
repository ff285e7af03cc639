#pragma once

#include <QString>

namespace vexamat {

// The outgoing mail server, kept in the data folder in a file only the user may read.
struct MailSettings {
    enum class Tls { None, StartTls, Implicit };

    static const QString kFileName; // "mailserver.txt"

    QString host = QStringLiteral("localhost");
    int port = 587;
    QString userId;
    QString password;
    Tls tls = Tls::StartTls;
    QString fromAddress; // used when the sender gives no address of their own
    // Who the recipient may contact about reading the registration, as typed (lines); the
    // mail has no contact lines when it is empty.
    QString contact;

    // "ingen", "STARTTLS" or "TLS".
    static QString tlsText(Tls tls);
    static Tls tlsFromText(const QString& text);

    // Reads the settings of the data folder; the defaults when there is no file, and for
    // settings an older file does not have.
    static MailSettings read(const QString& dataDir);
    // Writes them completely or not at all, readable and writable by the user only.
    bool write(const QString& dataDir, QString* error = nullptr) const;
};

} // namespace vexamat
