#pragma once

#include <array>

namespace vexamat {

// How the day is split into meals and how much of the day's need each meal should give.
struct MealSettings {
    bool WholeDayMode = false;
    std::array<float, 9> MealShare{0.25f, 0.30f, 0.30f, 0.15f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f};
};

} // namespace vexamat
