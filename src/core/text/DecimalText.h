#pragma once

#include <QStringView>

#include <optional>

namespace vexamat {

// Fast reading of the numbers in large grids and files, without the allocations and locale
// look-ups of QString::toDouble: plain decimals ("12.5", "-3", "1e-05"), nothing else.
class DecimalText {
public:
    // As TextToReal: leading blanks removed, the first comma read as a decimal point; text
    // that is no number (or beyond single precision) gives 0.
    static float toReal(QStringView text);
    // As NumberText::parse: blanks around the number allowed, a decimal point or one decimal
    // comma. std::nullopt when the text is no number; empty text is 0 with empty set.
    static std::optional<double> parse(QStringView text, bool* empty = nullptr);
};

} // namespace vexamat
