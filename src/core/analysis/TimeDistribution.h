#pragma once

#include <QList>
#include <QString>

namespace vexamat {

struct CalculationResults;

// The spread of the current day's intake over the clock, for the day timeline: one bar per
// quarter hour that holds any of the chosen nutrient.
class TimeDistribution {
public:
    struct Bar {
        int slot = 0;
        double hours = 0;   // slot / 4: 30 is 7.5
        double percent = 0; // of the day's amount
    };

    // The bars of the time slots 0..96 (96: rows without a time) from TimePercent.
    static QList<Bar> bars(const CalculationResults& results);
    // "Fördelning av " + the nutrient, cut to 26 characters; " under ", cut to 33; the day.
    static QString caption(const QString& nutrientLabel, const QString& daySelectorText);
};

} // namespace vexamat
