#include "core/norms/AdminPassword.h"

#include "core/text/TextCodec.h"

#include <QStringList>

namespace vexamat {

QChar AdminPassword::ToUpperSwedish(QChar c) {
    const char16_t u = c.unicode();
    // In Windows-1252 the bytes 0xE0..0xFF are the Unicode code points U+00E0..U+00FF.
    if ((u >= u'a' && u <= u'z') || (u >= 0xE0 && u <= 0xF6) || (u >= 0xF8 && u <= 0xFE))
        return QChar(static_cast<char16_t>(u - 0x20));
    if (u == 0xFF)
        return QChar(static_cast<char16_t>(0x0178)); // Ÿ, byte 0x9F
    return c;
}

QString AdminPassword::ToUpperSwedish(const QString& text) {
    QString out = text;
    for (QChar& c : out)
        c = ToUpperSwedish(c);
    return out;
}

QString AdminPassword::LoadAdminPassword(const QString& path) {
    QStringList lines;
    if (!TextCodec::readLines(path, &lines))
        return kDefault;
    const QString first = lines.isEmpty() ? QString() : lines.first();
    if (first.size() < 2)
        return kDefault;
    return ToUpperSwedish(first);
}

bool AdminPassword::matches(const QString& typed, const QString& expected) {
    QString entry = typed;
    for (QChar& c : entry) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(static_cast<char16_t>(c.unicode() - 0x20));
    }
    return entry == expected;
}

} // namespace vexamat
