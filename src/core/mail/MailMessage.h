#pragma once

#include <QString>
#include <QStringList>

namespace vexamat {

// One mail with a registration attached: what the mail window collects.
struct MailMessage {
    static const QString kSubject; // "Kostberäkning Vexamat "

    QString senderName;
    QString senderAddress;  // the envelope sender and From
    QStringList recipients; // as typed, one address each
    QStringList replyTo;
    QString subject = kSubject;
    QStringList bodyLines;
    QString attachmentPath;

    // The fixed text in front of the user's message, its last line empty. Whom to contact
    // about reading the registration is said only when the user has given contact lines
    // (MailSettings::contact): the program has no support of its own to name.
    static QStringList fixedText(const QString& contact = {});
    // The fixed text, the message, an empty line and the sender's name and address.
    static QStringList body(const QStringList& message, const QString& senderName,
                            const QString& senderAddress, const QString& contact = {});
    // Builds the message from the fields of the mail window.
    static MailMessage fromFields(const QString& recipientText, const QString& senderName,
                                  const QString& senderAddressText, const QStringList& message,
                                  const QString& attachmentPath, const QString& contact = {});
};

} // namespace vexamat
