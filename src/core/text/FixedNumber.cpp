#include "core/text/FixedNumber.h"

#include <algorithm>
#include <cmath>

namespace vexamat {

QString FixedNumber::format(double value, int width, int decimals) {
    decimals = std::clamp(decimals, 0, 9);
    if (!std::isfinite(value))
        value = 0;
    QString text = QString::number(value, 'f', decimals);
    // A tiny negative amount rounds to zero: no "-0.0".
    if (text.startsWith(QLatin1Char('-')) && text.toDouble() == 0.0)
        text.remove(0, 1);
    return text.rightJustified(std::max(width, 0), QLatin1Char(' '));
}

} // namespace vexamat
