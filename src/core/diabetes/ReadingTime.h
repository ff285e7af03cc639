#pragma once

#include <QString>

namespace vexamat {

// A reading's clock time as typed: hours and minutes separated by ".", "," or ":" (7.45,
// 7,45, 7:45) or whole hours. Leading blanks are removed; the first "," (or, when there is
// none, the first ":") reads as "."; the fraction is minutes, so 7.45 gives 7.75 hours.
// Text that is not a number gives 0.
double TimeToHours(const QString& text);
// Whether the text is a clock time of the day: 0 to 24 hours and 0 to 59 minutes.
bool IsReadingTime(const QString& text);
// The message for a time that is not one.
QString NotAReadingTime(const QString& text);

} // namespace vexamat
