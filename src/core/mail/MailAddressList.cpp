#include "core/mail/MailAddressList.h"

namespace vexamat {

QStringList MailAddressList::parse(const QString& text) {
    QStringList out;
    QString current;
    bool quoted = false;
    const auto flush = [&] {
        const QString entry = current.trimmed();
        if (!entry.isEmpty())
            out << entry;
        current.clear();
    };
    for (QChar c : text) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        if (c == QLatin1Char(',') && !quoted) {
            flush();
            continue;
        }
        current += c;
    }
    flush();
    return out;
}

QString MailAddressList::bareAddress(const QString& entry) {
    const qsizetype open = entry.lastIndexOf(QLatin1Char('<'));
    const qsizetype close = entry.lastIndexOf(QLatin1Char('>'));
    if (open >= 0 && close > open)
        return entry.mid(open + 1, close - open - 1).trimmed();
    return entry.trimmed();
}

} // namespace vexamat
