#include "core/analysis/FatComposition.h"

#include "core/AppState.h"
#include "core/analysis/CalculationResults.h"
#include "core/analysis/ResultChartBuilder.h"

#include <algorithm>

namespace vexamat {

namespace {

// Grams as the labels show them: width 8, one decimal.
QString grams(float value) {
    return QString::asprintf("%8.1f", double(value));
}

} // namespace

FatComposition FatComposition::build(const AppState& state) {
    const CalculationResults& r = *state.results;
    const int day = std::clamp(state.CurrentDay, 0, CalculationResults::kDays - 1);
    const int meal = std::clamp(state.CurrentMeal, 0, CalculationResults::kMeals - 1);
    const EnergyShares& e = state.ViewMode == 0   ? r.MealEnergyShares[day][meal]
                            : state.ViewMode == 1 ? r.DayEnergyShares[day]
                                                  : r.PeriodEnergyShares;
    const NutrientValues& sum = state.ViewMode == 0   ? r.MealSum[day][meal]
                                : state.ViewMode == 1 ? r.DaySum[day]
                                                      : r.PeriodAverage;
    // A missing value counts as none, as in the sums themselves.
    const auto g = [&sum](int no) { return std::max(sum[nutrientSlot(no)], 0.0f); };

    FatComposition out;
    out.qualities << Bar{QStringLiteral("Mättat") + grams(g(nutrient::Saturated)) +
                             QStringLiteral("g"),
                         e.saturated}
                  << Bar{QStringLiteral("Enkelomättat") + grams(g(nutrient::Monounsaturated)) +
                             QStringLiteral("g"),
                         e.monounsaturated}
                  << Bar{QStringLiteral("Fleromättat") + grams(g(nutrient::Polyunsaturated)) +
                             QStringLiteral("g"),
                         e.polyunsaturated};

    const float other = std::max(e.fat - e.saturated - e.monounsaturated - e.polyunsaturated, 0.0f);
    out.pie << ResultChartData::Slice{QStringLiteral("Mättat"), e.saturated,
                                      ResultChartBuilder::kRed}
            << ResultChartData::Slice{QStringLiteral("Enkelomättat"), e.monounsaturated,
                                      ResultChartBuilder::kGreen}
            << ResultChartData::Slice{QStringLiteral("Fleromättat"), e.polyunsaturated,
                                      ResultChartBuilder::kYellow}
            << ResultChartData::Slice{QStringLiteral("Övrigt fett"), other, 0xFFFFFF};

    const float omega3 = g(59) + g(61) + g(62) + g(63);
    const float omega6 = g(58) + g(60);
    out.omega << Bar{QStringLiteral("Omega3") + grams(omega3) + QStringLiteral("g"), e.omega3}
              << Bar{QStringLiteral("Omega6") + grams(omega6) + QStringLiteral("g"), e.omega6};
    out.ratio = omega3 <= 0.01f ? 0.0f : omega6 / omega3;
    out.ratioLabel = grams(out.ratio);
    return out;
}

} // namespace vexamat
