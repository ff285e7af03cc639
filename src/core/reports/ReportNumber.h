#pragma once

#include <QString>

namespace vexamat {

// Numbers as the printed reports write them: always a decimal point, rounded to the
// decimals, right-aligned in a width and never cut when longer.
class ReportNumber {
public:
    static QString fixed(double value, int decimals, int width = 0);
    // Pads with blanks on the right up to width; a longer text is kept whole.
    static QString padRight(const QString& text, int width);
};

} // namespace vexamat
