#pragma once

#include <QString>
#include <QStringList>

namespace vexamat {

// A typed list of mail addresses: "Anna <anna@x.se>, \"Berg, Per\" <per@y.se>". Commas
// separate addresses except inside double quotes.
class MailAddressList {
public:
    // The addresses as typed, each trimmed; empty parts are dropped.
    static QStringList parse(const QString& text);
    // The bare address of one entry: what stands between < and >, else the whole entry.
    static QString bareAddress(const QString& entry);
};

} // namespace vexamat
