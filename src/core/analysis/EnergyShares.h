#pragma once

namespace vexamat {

// How the energy of a meal, a day or the period is distributed, each a percentage of the
// energy: protein, fat, carbohydrate (fibre included), alcohol, sucrose, the three fat
// qualities and the omega-3 and omega-6 fatty acids.
struct EnergyShares {
    float protein = 0;
    float fat = 0;
    float carbohydrate = 0;
    float alcohol = 0;
    float sucrose = 0;
    float saturated = 0;
    float monounsaturated = 0;
    float polyunsaturated = 0;
    float omega3 = 0;
    float omega6 = 0;
};

} // namespace vexamat
