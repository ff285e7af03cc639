#pragma once

#include <QString>

#include <optional>

namespace vexamat {

// Numbers typed into a table cell or read from a file: a decimal point or a decimal comma,
// blanks around it allowed. Shown with a decimal comma and at most a given number of
// decimals ("0.##").
class NumberText {
public:
    enum class Kind { Empty, Number, Invalid };
    struct Parsed {
        Kind kind = Kind::Empty;
        double value = 0;
    };

    static Parsed parse(const QString& text);
    // A number typed by hand: as parse, but only digits, one decimal point or comma and a
    // leading sign; no exponent, "inf" or "nan", which nobody types as an amount.
    static Parsed parsePlain(const QString& text);
    static QString format(double value, int maxDecimals);
};

} // namespace vexamat
