#include "core/analysis/CalculationEngine.h"

#include "core/registration/Registration.h"

#include <algorithm>

namespace vexamat {

namespace {

constexpr int slot(int nutrientNo) {
    return nutrientSlot(nutrientNo);
}

template <typename T> void fillZero(T& array) {
    std::fill(std::begin(array), std::end(array), typename T::value_type{});
}

} // namespace

EnergyShares CalculationEngine::computeEnergyShares(const NutrientValues& a, int alcoholFactor) {
    const float p = a[slot(nutrient::Protein)];
    const float f = a[slot(nutrient::Fat)];
    const float c = a[slot(nutrient::Carbohydrate)];
    const float b = a[slot(nutrient::Fibre)];
    const float alc = a[slot(nutrient::Alcohol)];
    const float factor = static_cast<float>(alcoholFactor);
    const float e = p * 1700.0f + f * 3700.0f + c * 1700.0f + b * 800.0f + alc * factor;
    EnergyShares s;
    if (!(e > kEnergySharesMin))
        return s;
    const auto fatShare = [&](float grams) { return grams * 100.0f * 3700.0f / e; };
    s.protein = p * 100.0f * 1700.0f / e;
    s.fat = fatShare(f);
    s.carbohydrate = (c * 1700.0f + b * 800.0f) * 100.0f / e;
    s.alcohol = alc * 100.0f * factor / e;
    s.sucrose = a[slot(nutrient::Sucrose)] * 100.0f * 1700.0f / e;
    s.saturated = fatShare(a[slot(nutrient::Saturated)]);
    s.monounsaturated = fatShare(a[slot(nutrient::Monounsaturated)]);
    s.polyunsaturated = fatShare(a[slot(nutrient::Polyunsaturated)]);
    // Omega-3: F18:3, F20:5, F22:5, F22:6; omega-6: F18:2, F20:4.
    s.omega3 = fatShare(a[slot(59)] + a[slot(61)] + a[slot(62)] + a[slot(63)]);
    s.omega6 = fatShare(a[slot(58)] + a[slot(60)]);
    return s;
}

void CalculationEngine::computeTimePercent(int currentDay, int nutrientNo,
                                           CalculationResults& results) {
    fillZero(results.TimePercent);
    if (!Registration::isValidDay(currentDay) || !isNutrientNo(nutrientNo))
        return;
    const int n = slot(nutrientNo);
    const float total = results.DaySum[currentDay][n];
    if (!(total > kNoNeed))
        return;
    for (int s = 0; s < CalculationResults::kTimeSlots; ++s) {
        const float amount = results.TimeSum[s][n];
        if (amount >= 0.0001f)
            results.TimePercent[s] = amount * 100.0f / total;
    }
}

void CalculationEngine::Recalculate(const Registration& registration, const CalculationInputs& in,
                                    CalculationResults& r) {
    constexpr int kN = kNutrientCount;
    constexpr int kDays = CalculationResults::kDays;
    constexpr int kMeals = CalculationResults::kMeals;

    // The reciprocal of the need, 0 where no need is given, so that the row loop has no
    // branch and never divides by a zero need.
    NutrientValues perNeed{};
    for (int n = 0; n < kN; ++n)
        perNeed[n] = in.ActiveNeed[n] > kNoNeed ? 1.0f / in.ActiveNeed[n] : 0.0f;

    r.SelectedCount = 0;
    for (int no = kFirstNutrientNo; no <= kLastNutrientNo; ++no) {
        if (in.SelectedNutrient[no])
            ++r.SelectedCount;
    }

    fillZero(r.TimeSum);
    fillZero(r.TimePercent);
    r.TotalPrice = 0;
    const bool currentDayValid = Registration::isValidDay(in.CurrentDay);

    for (int d = 0; d < kDays; ++d) {
        float dayPrice = 0;
        for (int m = 0; m < kMeals; ++m) {
            NutrientValues& sum = r.MealSum[d][m];
            NutrientCounts& missing = r.MealMissing[d][m];
            sum.fill(0.0f);
            missing.fill(0);
            float mealPrice = 0;
            const Registration::Meal& meal = registration.meal(d, m);
            // Only the rows up to the meal's last food are read, and only the percentages an
            // earlier pass wrote are cleared: an empty meal costs nothing.
            const int filled = registration.filledExtent(d, m);
            std::uint8_t& written = r.RowPercentRows[d][m];
            for (int row = filled + 1; row <= written; ++row)
                r.RowPercent(d, m, row).fill(0.0f);
            written = std::uint8_t(filled);
            for (int row = 1; row <= filled; ++row) {
                const MealRow& food = meal[row];
                NutrientValues& rowPercent = r.RowPercent(d, m, row);
                if (food.isEmpty()) {
                    rowPercent.fill(0.0f);
                    continue;
                }
                const float gram = food.gram;
                const float hundredth = 0.01f * gram;
                mealPrice += gram * 0.001f * food.kgpris;
                // The arrays never overlap; saying so lets the compiler vectorise.
                const float* __restrict values = food.naring.data();
                const float* __restrict need = perNeed.data();
                float* __restrict sums = sum.data();
                float* __restrict percents = rowPercent.data();
                int* __restrict counts = missing.data();
                for (int n = 0; n < kN; ++n)
                    counts[n] += values[n] < 0.0f ? 1 : 0;
                for (int n = 0; n < kN; ++n) {
                    const float v = std::max(values[n], 0.0f); // a missing value counts as 0
                    sums[n] += hundredth * v;
                    percents[n] = gram * v * need[n];
                }
                if (d == in.CurrentDay && currentDayValid) {
                    const int s = std::clamp(food.tidslot, 0, CalculationResults::kTimeSlots - 1);
                    NutrientValues& time = r.TimeSum[s];
                    for (int n = 0; n < kN; ++n)
                        time[n] += hundredth * std::max(food.naring[n], 0.0f);
                }
            }
            r.MealPrice[d][m] = mealPrice;
            dayPrice += mealPrice;
        }
        r.DayPrice[d] = dayPrice;
        r.TotalPrice += dayPrice;
    }

    // Days, the period and the percentages of need.
    r.DaysWithIntake = 0;
    NutrientValues periodSum{};
    r.PeriodMissing.fill(0);
    for (auto& mealSum : r.MealPeriodSum)
        mealSum.fill(0.0f);
    for (int d = 0; d < kDays; ++d) {
        NutrientValues& daySum = r.DaySum[d];
        NutrientCounts& dayMissing = r.DayMissing[d];
        daySum.fill(0.0f);
        dayMissing.fill(0);
        for (int m = 0; m < kMeals; ++m) {
            for (int n = 0; n < kN; ++n) {
                daySum[n] += r.MealSum[d][m][n];
                dayMissing[n] += r.MealMissing[d][m][n];
                r.MealPeriodSum[m][n] += r.MealSum[d][m][n];
                r.MealPercent[d][m][n] = r.MealSum[d][m][n] * 100.0f * perNeed[n];
            }
            r.MealEnergyShares[d][m] = computeEnergyShares(r.MealSum[d][m], in.AlcoholFactor);
        }
        if (daySum[slot(nutrient::Kj)] > kIntakeDayKj)
            ++r.DaysWithIntake;
        for (int n = 0; n < kN; ++n) {
            periodSum[n] += daySum[n];
            r.PeriodMissing[n] += dayMissing[n];
            r.DayPercent[d][n] = daySum[n] * 100.0f * perNeed[n];
        }
        r.DayEnergyShares[d] = computeEnergyShares(daySum, in.AlcoholFactor);
    }
    for (int n = 0; n < kN; ++n) {
        // All days are summed; only the days with intake divide, so a day of a few kJ adds
        // its amounts without counting as a day.
        r.PeriodAverage[n] =
            r.DaysWithIntake < 1 ? 0.0f : periodSum[n] / static_cast<float>(r.DaysWithIntake);
        r.PeriodPercent[n] = r.PeriodAverage[n] * 100.0f * perNeed[n];
    }
    r.PeriodEnergyShares = r.PeriodAverage[slot(nutrient::Kj)] > kEnergySharesMin
                               ? computeEnergyShares(r.PeriodAverage, in.AlcoholFactor)
                               : EnergyShares{};

    if (currentDayValid)
        computeTimePercent(in.CurrentDay, in.TimeChartNutrient, r);
}

} // namespace vexamat
