#pragma once

#include <QString>

namespace vexamat {

// Text to single: leading blanks removed, the first comma read as a decimal point; text
// that is not a number gives 0.
float TextToReal(const QString& text);
// Leading blanks removed and the first "." replaced by ",".
QString DotToComma(const QString& text);
// Clock time to quarter-hour slot 0..95; 96 when the text is no time (also a negative one).
int TimeToSlot(const QString& text);
// A number shown the way grids show it: fixed decimals with a decimal comma.
QString FormatComma(double value, int decimals);

} // namespace vexamat
