#pragma once

#include <QString>

namespace vexamat {

// A number written with a fixed count of decimals, a decimal point and blanks in front up to
// a least width, as the figure tables show them: format(4.25, 6, 1) is "   4.3".
class FixedNumber {
public:
    static QString format(double value, int width, int decimals);
};

} // namespace vexamat
