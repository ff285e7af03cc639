#pragma once

#include "core/mail/MailMessage.h"
#include "core/mail/MailSettings.h"

#include <QString>

#include <atomic>

namespace vexamat {

// Sends one message with its attachment through libcurl: connect, send, disconnect.
// Blocks until the server has answered; call it off the user-interface thread.
class SmtpSender {
public:
    // The whole send, connecting included, ends after this at the latest: a server that
    // stops answering must not keep the user waiting.
    static constexpr long kTimeLimitSeconds = 60;

    struct Result {
        bool sent = false;
        bool cancelled = false;
        QString error; // libcurl's reason when not sent
    };

    // cancel, when given, is polled about once a second; setting it ends the send unsent.
    static Result send(const MailSettings& settings, const MailMessage& message,
                       const std::atomic_bool* cancel = nullptr);
    // The header lines put in front of the message: From, To, Reply-To, Subject, Date.
    static QStringList headerLines(const MailMessage& message, const QString& fromAddress);
};

} // namespace vexamat
