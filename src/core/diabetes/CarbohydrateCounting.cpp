#include "core/diabetes/CarbohydrateCounting.h"

#include "core/analysis/CalculationResults.h"
#include "core/registration/Conversions.h"

#include <cmath>

namespace vexamat {

namespace {

const char* const kBarLabels[] = {"Frukost", "Lunch", "Middag", "Mm1", "Mm2",
                                  "Mm3",     "Mm4",   "Mm5",    "Mm6", "Dagen"};

CarbohydrateCounting::Row countRow(double carbs, const QString& ratio, const char* label) {
    CarbohydrateCounting::Row row;
    if (carbs >= 0.1)
        row.carbohydrates = QString::number(std::lround(carbs));
    row.doseValue = CarbohydrateCounting::dose(carbs, ratio);
    row.dose = CarbohydrateCounting::doseText(row.doseValue);
    row.barLabel = QString::fromLatin1(label) + QLatin1Char(' ') + row.dose;
    return row;
}

} // namespace

double CarbohydrateCounting::dose(double carbs, const QString& ratioText) {
    // Compared in single precision, as typed ratios are read: 0.1 is then no dose.
    const float ratio = TextToReal(ratioText);
    if (!(ratio > float(kMinRatio)) || !std::isfinite(carbs))
        return 0;
    return carbs / double(ratio);
}

QString CarbohydrateCounting::doseText(double dose) {
    const QString text = QString::number(dose, 'f', 1);
    return text == QLatin1String("0.0") || text == QLatin1String("-0.0") ? QString() : text;
}

QList<CarbohydrateCounting::Row> CarbohydrateCounting::count(const CalculationResults& results,
                                                             int day,
                                                             const CarbohydrateSettings& settings) {
    constexpr int n = kCarbohydrateNo - 15;
    QList<Row> rows;
    if (day < 0 || day >= int(results.DaySum.size()))
        return rows;
    for (int m = 0; m < 9; ++m)
        rows << countRow(double(results.MealSum[day][m][n]), settings.MealRatio[std::size_t(m)],
                         kBarLabels[m]);
    rows << countRow(double(results.DaySum[day][n]), settings.MealRatio[9], kBarLabels[9]);
    return rows;
}

bool CarbohydrateCounting::hasDose(const QList<Row>& rows) {
    for (const Row& row : rows) {
        if (!row.dose.isEmpty())
            return true;
    }
    return false;
}

CarbohydrateCounting::Factors
CarbohydrateCounting::factorBySlot(const CarbohydrateSettings& settings) {
    Factors factors{};
    for (int h = 0; h < CarbohydrateSettings::kHourRows; ++h) {
        const float f = TextToReal(settings.HourFactor[std::size_t(h)]);
        for (int q = 0; q < 4; ++q)
            factors[std::size_t(4 * h + q)] = f;
    }
    factors[96] = factors[95];
    return factors;
}

std::optional<double> CarbohydrateCounting::factorBy500Rule(const QString& numerator,
                                                            const QString& dailyDose) {
    const double daily = TextToReal(dailyDose);
    if (!(daily > kMinDailyDose))
        return std::nullopt;
    return double(TextToReal(numerator)) / daily;
}

QList<CarbohydrateCounting::InsulinBar>
CarbohydrateCounting::insulinBars(const CalculationResults& results, const Factors& factors,
                                  float scale) {
    constexpr int n = kCarbohydrateNo - 15;
    QList<InsulinBar> bars;
    for (int s = 0; s < kSlots; ++s) {
        const float carbs = results.TimeSum[std::size_t(s)][n];
        const float factor = factors[std::size_t(s)];
        if (!(carbs >= 0.0001f) || !(factor >= float(kMinFactor)))
            continue;
        const double dose = double(carbs) / double(factor);
        bars << InsulinBar{s, (s - 1) / 4.0, dose * double(scale), dose};
    }
    return bars;
}

} // namespace vexamat
