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
