#pragma once

#include "core/mail/MailMessage.h"
#include "core/mail/MailSettings.h"

#include <QString>

namespace vexamat {

// Sends one message with its attachment through libcurl: connect, send, disconnect.
// Blocks until the server has answered; call it off the user-interface thread.
class SmtpSender {
public:
    struct Result {
        bool sent = false;
        QString error; // libcurl's reason when not sent
    };

    static Result send(const MailSettings& settings, const MailMessage& message);
    // The header lines put in front of the message: From, To, Reply-To, Subject, Date.
    static QStringList headerLines(const MailMessage& message, const QString& fromAddress);
};

} // namespace vexamat
