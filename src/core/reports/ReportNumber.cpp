#include "core/reports/ReportNumber.h"

#include <cmath>

namespace vexamat {

QString ReportNumber::fixed(double value, int decimals, int width) {
    if (!std::isfinite(value))
        value = 0;
    QString text = QString::number(value, 'f', decimals);
    // A small negative amount rounds to "-0.0"; a report never shows a negative zero.
    if (text.startsWith(QLatin1Char('-')) && text.toDouble() == 0.0)
        text.remove(0, 1);
    return text.rightJustified(width, QLatin1Char(' '));
}

QString ReportNumber::padRight(const QString& text, int width) {
    return text.leftJustified(width, QLatin1Char(' '));
}

} // namespace vexamat
