#pragma once

#include <QString>

#include <array>

namespace vexamat {

// The typed carbohydrate ratios, one per meal and one for the whole day (rows 1..10), and
// the carbohydrate factors, one per hour of the day (rows 1..24). Kept as typed.
struct CarbohydrateSettings {
    static constexpr int kMealRows = 10;
    static constexpr int kHourRows = 24;

    std::array<QString, kMealRows> MealRatio;  // row n at n - 1
    std::array<QString, kHourRows> HourFactor; // row n at n - 1

    bool operator==(const CarbohydrateSettings&) const = default;
};

} // namespace vexamat
