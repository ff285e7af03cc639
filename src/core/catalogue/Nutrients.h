#pragma once

#include <array>

namespace vexamat {

// Nutrients are numbered 15..86 (the 1-based field position in the food tables); every
// per-nutrient array holds 72 values at slot = number - 15.
inline constexpr int kNutrientCount = 72;
inline constexpr int kFirstNutrientNo = 15;
inline constexpr int kLastNutrientNo = 86;

using NutrientValues = std::array<float, kNutrientCount>;

constexpr int nutrientSlot(int nutrientNo) {
    return nutrientNo - kFirstNutrientNo;
}
constexpr int nutrientNoOfSlot(int slot) {
    return slot + kFirstNutrientNo;
}
constexpr bool isNutrientNo(int n) {
    return n >= kFirstNutrientNo && n <= kLastNutrientNo;
}

// Numbers that the calculations name directly.
namespace nutrient {
inline constexpr int Kj = 15;
inline constexpr int Kcal = 16;
inline constexpr int Water = 17;
inline constexpr int Ash = 18;
inline constexpr int Protein = 19;
inline constexpr int Fat = 20;
inline constexpr int Carbohydrate = 21;
inline constexpr int VitaminC = 28;
inline constexpr int Calcium = 34;
inline constexpr int Iron = 36;
inline constexpr int Sodium = 38;
inline constexpr int Saturated = 41;
inline constexpr int Monounsaturated = 42;
inline constexpr int Polyunsaturated = 43;
inline constexpr int Sucrose = 47;
inline constexpr int Fibre = 48;
inline constexpr int Alcohol = 49;
inline constexpr int Folate = 64;
inline constexpr int Selenium = 65;
} // namespace nutrient

} // namespace vexamat
