#include "core/text/NumberText.h"

#include <cmath>

namespace vexamat {

NumberText::Parsed NumberText::parse(const QString& text) {
    const QString t = text.trimmed();
    if (t.isEmpty())
        return {};
    bool ok = false;
    double v = t.toDouble(&ok);
    if (!ok && t.count(QLatin1Char(',')) == 1 && !t.contains(QLatin1Char('.'))) {
        QString point = t;
        point.replace(QLatin1Char(','), QLatin1Char('.'));
        v = point.toDouble(&ok);
    }
    if (!ok || !std::isfinite(v))
        return {Kind::Invalid, 0};
    return {Kind::Number, v};
}

NumberText::Parsed NumberText::parsePlain(const QString& text) {
    const QString t = text.trimmed();
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t.at(i);
        const bool digit = c >= QLatin1Char('0') && c <= QLatin1Char('9');
        const bool separator = c == QLatin1Char('.') || c == QLatin1Char(',');
        const bool sign = i == 0 && (c == QLatin1Char('-') || c == QLatin1Char('+'));
        if (!digit && !separator && !sign)
            return {Kind::Invalid, 0};
    }
    return parse(t);
}

QString NumberText::format(double value, int maxDecimals) {
    QString text = QString::number(value, 'f', maxDecimals);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

} // namespace vexamat
