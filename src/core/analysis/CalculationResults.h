#pragma once

#include "core/analysis/EnergyShares.h"
#include "core/catalogue/Nutrients.h"

#include <array>
#include <cstdint>
#include <memory>

namespace vexamat {

using NutrientCounts = std::array<int, kNutrientCount>;

// Every number the analysis shows: sums, missing-value counts, percentages of the need,
// energy shares, the spread over the current day and prices. Allocated once and rewritten
// completely by CalculationEngine::Recalculate; large (several MB), so keep it on the heap.
struct CalculationResults {
    static constexpr int kDays = 21;
    static constexpr int kMeals = 9;
    static constexpr int kRows = 100;
    static constexpr int kTimeSlots = 97; // 96 quarter hours and slot 96 for "no time"

    template <typename T> using PerMeal = std::array<std::array<T, kMeals>, kDays>;
    using MealRowValues = std::array<NutrientValues, kRows>;

    CalculationResults();

    PerMeal<NutrientValues> MealSum{};
    PerMeal<NutrientCounts> MealMissing{};
    PerMeal<NutrientValues> MealPercent{}; // of the whole day's need
    std::array<NutrientValues, kDays> DaySum{};
    std::array<NutrientCounts, kDays> DayMissing{};
    std::array<NutrientValues, kDays> DayPercent{};
    std::array<NutrientValues, kMeals> MealPeriodSum{};
    int DaysWithIntake = 0;
    NutrientValues PeriodAverage{};
    NutrientCounts PeriodMissing{};
    NutrientValues PeriodPercent{};
    PerMeal<EnergyShares> MealEnergyShares{};
    std::array<EnergyShares, kDays> DayEnergyShares{};
    EnergyShares PeriodEnergyShares{};
    std::array<NutrientValues, kTimeSlots> TimeSum{}; // of the current day
    std::array<float, kTimeSlots> TimePercent{};
    int SelectedCount = 0;
    PerMeal<float> MealPrice{};
    std::array<float, kDays> DayPrice{};
    float TotalPrice = 0;

    // A row's amounts as a percentage of the day's need (rows 1..99; row 0 stays 0).
    NutrientValues& RowPercent(int day, int meal, int row) {
        if (!m_rowPercent)
            m_rowPercent = std::make_unique<PerMeal<MealRowValues>>();
        return (*m_rowPercent)[day][meal][row];
    }
    // 0 for every nutrient of a row no pass has written.
    const NutrientValues& RowPercent(int day, int meal, int row) const {
        static const NutrientValues none{};
        return m_rowPercent ? (*m_rowPercent)[day][meal][row] : none;
    }

    // Rows 1..RowPercentRows of a meal may hold percentages; the rows above are 0. Lets the
    // engine clear only what an earlier pass wrote.
    PerMeal<std::uint8_t> RowPercentRows{};

private:
    std::unique_ptr<PerMeal<MealRowValues>> m_rowPercent; // made when a food row is computed
};

} // namespace vexamat
