#pragma once

#include <QStringList>

namespace vexamat {

struct CalculationResults;

// Salt from sodium for the salt window: the day's amount, or the daily average in the
// days view, with the foods that lack a sodium value.
struct SaltSummary {
    float grams = 0;
    int missing = 0;
    int progress = 0; // the amount rounded to whole grams (halves to even)
    QStringList lines;

    static SaltSummary compute(const CalculationResults& results, int viewMode, int currentDay);
};

} // namespace vexamat
