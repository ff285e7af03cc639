#pragma once

#include "core/analysis/CalculationResults.h"
#include "core/catalogue/Nutrients.h"

#include <array>

namespace vexamat {

class Registration;

// What the calculation depends on besides the registration.
struct CalculationInputs {
    static constexpr int kAlcoholCounted = 2900;

    int CurrentDay = 0;
    NutrientValues ActiveNeed{}; // need per day; <= 0.001 means none
    int AlcoholFactor = kAlcoholCounted;
    // Selection flags by nutrient number 0..86; only 15..86 are counted.
    std::array<bool, 87> SelectedNutrient{};
    int TimeChartNutrient = 16; // the nutrient whose spread over the day TimePercent holds
};

// The calculation engine: every result array from the registration and the need, in
// single precision. Allocates nothing.
class CalculationEngine {
public:
    static constexpr float kIntakeDayKj = 10.0f;    // a day above this many kJ has intake
    static constexpr float kEnergySharesMin = 5.0f; // below this energy no shares
    static constexpr float kNoNeed = 0.001f;        // a need at or below this is none

    static void Recalculate(const Registration& registration, const CalculationInputs& inputs,
                            CalculationResults& results);

    // Energy shares from the amounts of a meal, a day or the period.
    static EnergyShares computeEnergyShares(const NutrientValues& amounts, int alcoholFactor);
    // The share (%) of the current day's amount of a nutrient eaten in each time slot.
    static void computeTimePercent(int currentDay, int nutrientNo, CalculationResults& results);
};

} // namespace vexamat
