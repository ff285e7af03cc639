#include "core/analysis/NutrientFigures.h"

#include "core/AppState.h"
#include "core/analysis/ResultChartBuilder.h"
#include "core/registration/Conversions.h"
#include "core/registration/MealGridText.h"
#include "core/text/FixedNumber.h"

namespace vexamat {

namespace {

constexpr float kNoNeed = 0.000001f;
constexpr float kLeastWeight = 0.1f;

QString fixed(double value, int width, int decimals) {
    return FixedNumber::format(value, width, decimals);
}

const MealRow& currentRow(const AppState& s) {
    static const MealRow empty;
    if (!Registration::isValidRow(s.CurrentRow))
        return empty;
    return s.registration.row(s.CurrentDay, s.CurrentMeal, s.CurrentRow);
}

// The amount of a nutrient in the current row divided by divisor; "-" for a missing value,
// empty for an empty row.
QString rowAmount(const MealRow& row, int no, int decimals, float divisor) {
    if (row.isEmpty())
        return {};
    const float v = row.naring[std::size_t(nutrientSlot(no))];
    if (v < 0)
        return QStringLiteral("-");
    return fixed(double(v) * double(row.gram) / 100.0 / double(divisor), 0, decimals);
}

} // namespace

QList<int> NutrientFigures::selectedNutrients(const AppState& state) {
    QList<int> out;
    for (int no = kFirstNutrientNo; no <= kLastNutrientNo; ++no) {
        if (state.selection.isSelected(no))
            out << no;
    }
    return out;
}

NutrientFigures::Table NutrientFigures::figures(const AppState& s) {
    const CalculationResults& r = *s.results;
    const MealRow& row = currentRow(s);
    const MealGridText::Row cells = MealGridText::row(row);
    Table t;
    t << QStringList{QString(),
                     row.isEmpty()
                         ? QString()
                         : cells[0] + QStringLiteral("  ") + cells[3] + QStringLiteral(" gram"),
                     s.CurrentMealName,
                     ResultChartBuilder::daySelectorText(s, s.CurrentDay),
                     QStringLiteral("RDI"),
                     QStringLiteral("% av RDI")};
    for (int no : selectedNutrients(s)) {
        const std::size_t n = std::size_t(nutrientSlot(no));
        const int d = s.names.decimals(no);
        const float need = s.norm.ActiveNeed[n];
        const float day = r.DaySum[s.CurrentDay][n];
        const bool hasNeed = need >= kNoNeed;
        t << QStringList{s.names.label(no),
                         rowAmount(row, no, d, 1.0f),
                         fixed(r.MealSum[s.CurrentDay][s.CurrentMeal][n], 6, d),
                         fixed(day, 6, d),
                         hasNeed ? fixed(need, 0, d) : QStringLiteral("-"),
                         hasNeed
                             ? fixed(double(day) * 100.0 / double(need), 0, 0) + QLatin1Char('%')
                             : QStringLiteral("-%")};
    }
    return t;
}

std::optional<NutrientFigures::Table> NutrientFigures::perKg(const AppState& s,
                                                             const QString& kgText) {
    const float kg = TextToReal(kgText);
    if (!(kg > kLeastWeight))
        return std::nullopt;
    const CalculationResults& r = *s.results;
    const MealRow& row = currentRow(s);
    Table t;
    t << QStringList{QString(), MealGridText::row(row)[0], s.CurrentMealName,
                     ResultChartBuilder::daySelectorText(s, s.CurrentDay),
                     QStringLiteral("Alla dagar")};
    for (int no : selectedNutrients(s)) {
        const std::size_t n = std::size_t(nutrientSlot(no));
        const int d = s.names.decimals(no);
        t << QStringList{s.names.label(no), rowAmount(row, no, d, kg),
                         fixed(double(r.MealSum[s.CurrentDay][s.CurrentMeal][n]) / kg, 6, d),
                         fixed(double(r.DaySum[s.CurrentDay][n]) / kg, 6, d),
                         fixed(double(r.PeriodAverage[n]) / kg, 6, d)};
    }
    return t;
}

float NutrientFigures::mealWeight(const AppState& s) {
    float weight = 0;
    for (int i = 1; i <= Registration::kLastRow; ++i) {
        const MealRow& row = s.registration.row(s.CurrentDay, s.CurrentMeal, i);
        if (!row.isEmpty())
            weight += row.gram;
    }
    return weight;
}

NutrientFigures::Per100g NutrientFigures::per100g(const AppState& s,
                                                  const QString& correctedWeightText) {
    Per100g out;
    out.weightText = fixed(mealWeight(s), 0, 0);
    const float w = correctedWeightText.isEmpty() ? TextToReal(out.weightText)
                                                  : TextToReal(correctedWeightText);
    const NutrientValues& meal = s.results->MealSum[s.CurrentDay][s.CurrentMeal];
    for (int no : selectedNutrients(s)) {
        out.labels << s.names.label(no);
        out.values << (w > kLeastWeight
                           ? fixed(double(meal[std::size_t(nutrientSlot(no))]) * 100.0 / w, 6,
                                   s.names.decimals(no))
                           : QString());
    }
    return out;
}

} // namespace vexamat
