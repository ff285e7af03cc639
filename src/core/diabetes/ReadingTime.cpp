#include "core/diabetes/ReadingTime.h"

#include <QRegularExpression>

#include <cmath>

namespace vexamat {

namespace {

QString normalised(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == QLatin1Char(' '))
        ++i;
    QString t = text.mid(i);
    qsizetype sep = t.indexOf(QLatin1Char(','));
    if (sep < 0)
        sep = t.indexOf(QLatin1Char(':'));
    if (sep >= 0)
        t[sep] = QLatin1Char('.');
    return t;
}

} // namespace

double TimeToHours(const QString& text) {
    static const QRegularExpression number(QStringLiteral(R"(^[-+]?(\d+\.?\d*|\.\d+)\s*$)"));
    const QString t = normalised(text);
    if (!number.match(t).hasMatch())
        return 0;
    const double x = t.trimmed().toDouble();
    const double whole = std::trunc(x);
    // Minutes are the first two decimals; rounding there keeps 7.45 at 45, not 44.99...
    return whole + std::round((x - whole) * 1e6) / 1e4 / 60.0;
}

bool IsReadingTime(const QString& text) {
    static const QRegularExpression time(QStringLiteral(R"(^(\d{1,2})(\.(\d{1,2}))?\s*$)"));
    const QRegularExpressionMatch m = time.match(normalised(text));
    if (!m.hasMatch())
        return false;
    const int hours = m.captured(1).toInt();
    QString minutes = m.captured(3);
    // 7.3 is 7:30, as the conversion reads it.
    if (minutes.size() == 1)
        minutes += QLatin1Char('0');
    const int mins = minutes.isEmpty() ? 0 : minutes.toInt();
    return mins < 60 && (hours < 24 || (hours == 24 && mins == 0));
}

QString NotAReadingTime(const QString& text) {
    return QStringLiteral("\"%1\" är inget klockslag. Skriv till exempel 7.45, 7,45 eller 7:45.")
        .arg(text.trimmed());
}

} // namespace vexamat
