#include "core/mail/SmtpSender.h"

#include "core/mail/MailAddressList.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <curl/curl.h>

#include <memory>
#include <mutex>

namespace vexamat {

namespace {

int abortWhenCancelled(void* cancel, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    return static_cast<const std::atomic_bool*>(cancel)->load() ? 1 : 0;
}

// A header word with letters outside ASCII, encoded so every mail reader shows it.
QByteArray encodedWord(const QString& text) {
    for (QChar c : text) {
        if (c.unicode() > 127)
            return "=?UTF-8?B?" + text.toUtf8().toBase64() + "?=";
    }
    return text.toLatin1();
}

// A display name: encoded when it has letters outside ASCII, quoted when it has characters
// that would otherwise split or end the address.
QByteArray displayName(const QString& name) {
    const QByteArray encoded = encodedWord(name);
    if (encoded.startsWith("=?"))
        return encoded;
    static const QByteArray specials = "()<>@,;:\\\".[]";
    for (char c : encoded) {
        if (specials.contains(c)) {
            QByteArray escaped = encoded;
            escaped.replace("\\", "\\\\").replace("\"", "\\\"");
            return "\"" + escaped + "\"";
        }
    }
    return encoded;
}

// "Name <address>" with the name encoded or quoted when needed; the entry as typed otherwise.
QByteArray addressHeader(const QString& entry) {
    const qsizetype open = entry.lastIndexOf(QLatin1Char('<'));
    if (open <= 0)
        return entry.trimmed().toUtf8();
    QString name = entry.left(open).trimmed();
    if (name.size() >= 2 && name.startsWith(QLatin1Char('"')) && name.endsWith(QLatin1Char('"')))
        name = name.mid(1, name.size() - 2);
    return displayName(name) + " " + entry.mid(open).trimmed().toUtf8();
}

QByteArray addressListHeader(const QStringList& entries) {
    QByteArrayList parts;
    for (const QString& e : entries)
        parts << addressHeader(e);
    return parts.join(", ");
}

struct CurlSlist {
    curl_slist* list = nullptr;
    ~CurlSlist() { curl_slist_free_all(list); }
    void append(const QByteArray& line) { list = curl_slist_append(list, line.constData()); }
};

} // namespace

QStringList SmtpSender::headerLines(const MailMessage& message, const QString& fromAddress) {
    QStringList out;
    const QString from = message.senderName.isEmpty()
                             ? QStringLiteral("<%1>").arg(fromAddress)
                             : QString::fromLatin1(displayName(message.senderName)) +
                                   QStringLiteral(" <%1>").arg(fromAddress);
    out << QStringLiteral("From: ") + from;
    out << QStringLiteral("To: ") + QString::fromUtf8(addressListHeader(message.recipients));
    if (!message.replyTo.isEmpty())
        out << QStringLiteral("Reply-To: ") + QString::fromUtf8(addressListHeader(message.replyTo));
    out << QStringLiteral("Subject: ") + QString::fromLatin1(encodedWord(message.subject));
    out << QStringLiteral("Date: ") + QDateTime::currentDateTime().toString(Qt::RFC2822Date);
    return out;
}

SmtpSender::Result SmtpSender::send(const MailSettings& settings, const MailMessage& message,
                                    const std::atomic_bool* cancel) {
    static std::once_flag initialised;
    std::call_once(initialised, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });

    Result result;
    const QString fromAddress =
        message.senderAddress.isEmpty() ? settings.fromAddress : message.senderAddress;
    if (fromAddress.isEmpty()) {
        result.error = QStringLiteral("Avsändarens mailadress saknas.");
        return result;
    }
    if (message.recipients.isEmpty()) {
        result.error = QStringLiteral("Mottagarens mailadress saknas.");
        return result;
    }
    QFile attachment(message.attachmentPath);
    if (!attachment.open(QIODevice::ReadOnly)) {
        result.error = QStringLiteral("Kan inte läsa filen %1: %2")
                           .arg(message.attachmentPath, attachment.errorString());
        return result;
    }
    const QByteArray attachmentBytes = attachment.readAll();
    attachment.close();

    std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), curl_easy_cleanup);
    if (!curl) {
        result.error = QStringLiteral("libcurl kunde inte startas.");
        return result;
    }
    CURL* c = curl.get();
    char errorBuffer[CURL_ERROR_SIZE] = {};
    const QByteArray scheme = settings.tls == MailSettings::Tls::Implicit ? "smtps" : "smtp";
    const QByteArray url =
        scheme + "://" + settings.host.toUtf8() + ":" + QByteArray::number(settings.port);
    curl_easy_setopt(c, CURLOPT_URL, url.constData());
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, errorBuffer);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, 20L);
    curl_easy_setopt(c, CURLOPT_TIMEOUT, kTimeLimitSeconds);
    if (cancel) {
        // libcurl calls this at least once a second, also while the server is silent.
        curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
        curl_easy_setopt(c, CURLOPT_XFERINFODATA, cancel);
        curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, &abortWhenCancelled);
    }
    if (settings.tls == MailSettings::Tls::StartTls)
        curl_easy_setopt(c, CURLOPT_USE_SSL, long(CURLUSESSL_ALL));
    const QByteArray user = settings.userId.toUtf8();
    const QByteArray password = settings.password.toUtf8();
    if (!user.isEmpty()) {
        curl_easy_setopt(c, CURLOPT_USERNAME, user.constData());
        curl_easy_setopt(c, CURLOPT_PASSWORD, password.constData());
    }
    const QByteArray mailFrom = "<" + fromAddress.toUtf8() + ">";
    curl_easy_setopt(c, CURLOPT_MAIL_FROM, mailFrom.constData());
    CurlSlist recipients;
    for (const QString& r : message.recipients)
        recipients.append("<" + MailAddressList::bareAddress(r).toUtf8() + ">");
    curl_easy_setopt(c, CURLOPT_MAIL_RCPT, recipients.list);

    CurlSlist headers;
    for (const QString& h : headerLines(message, fromAddress))
        headers.append(h.toUtf8());
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers.list);

    std::unique_ptr<curl_mime, decltype(&curl_mime_free)> mime(curl_mime_init(c), curl_mime_free);
    const QByteArray body = message.bodyLines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
    curl_mimepart* text = curl_mime_addpart(mime.get());
    curl_mime_data(text, body.constData(), size_t(body.size()));
    curl_mime_type(text, "text/plain; charset=UTF-8");
    curl_mime_encoder(text, "quoted-printable");
    curl_mimepart* file = curl_mime_addpart(mime.get());
    curl_mime_data(file, attachmentBytes.constData(), size_t(attachmentBytes.size()));
    const QByteArray fileName = QFileInfo(message.attachmentPath).fileName().toUtf8();
    curl_mime_filename(file, fileName.constData());
    curl_mime_type(file, "application/octet-stream");
    curl_mime_encoder(file, "base64");
    curl_easy_setopt(c, CURLOPT_MIMEPOST, mime.get());

    // Connect, send and disconnect: the easy handle closes its connection when cleaned up.
    const CURLcode code = curl_easy_perform(c);
    if (code == CURLE_ABORTED_BY_CALLBACK) {
        result.cancelled = true;
        result.error = QStringLiteral("Sändningen avbröts.");
        return result;
    }
    if (code != CURLE_OK) {
        result.error = QString::fromUtf8(errorBuffer[0] ? errorBuffer : curl_easy_strerror(code));
        return result;
    }
    result.sent = true;
    return result;
}

} // namespace vexamat
