#include "core/analysis/SaltSummary.h"

#include "core/analysis/CalculationResults.h"

#include <cmath>

namespace vexamat {

SaltSummary SaltSummary::compute(const CalculationResults& r, int viewMode, int currentDay) {
    const int na = nutrientSlot(nutrient::Sodium);
    SaltSummary s;
    QString text;
    if (viewMode == 2) {
        s.grams = r.PeriodAverage[na] * 0.0025f; // mg sodium x 2.5 / 1000
        s.missing = r.PeriodMissing[na];
        text = QStringLiteral("Dagsmedelvärdet salt är: ");
    } else {
        s.grams = r.DaySum[currentDay][na] * 0.0025f;
        s.missing = r.DayMissing[currentDay][na];
        text = QStringLiteral("Saltmängden denna dag är: ");
    }
    s.progress = static_cast<int>(std::nearbyint(s.grams));
    text += QString::number(static_cast<double>(s.grams), 'f', 1) + QStringLiteral(" gram.");
    if (s.missing >= 1)
        text += QStringLiteral("    ") + QString::number(s.missing) +
                QStringLiteral(" livsmedel saknar uppgift om saltinnehåll.");
    s.lines << QStringLiteral(
                   "Kvinnor bör minska intaget av salt till 6 gram per dag, män till 7 gram.")
            << text;
    return s;
}

} // namespace vexamat
