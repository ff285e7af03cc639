#pragma once

#include "core/catalogue/Nutrients.h"

#include <QString>

#include <array>

namespace vexamat {

// One row of a meal: the food, its amount and time, and its 72 nutrient values per 100 g
// (-1 where the food table has no value).
struct MealRow {
    static constexpr int kNoTimeSlot = 96;
    static constexpr int kAltUnitCount = 4;

    QString kod = QStringLiteral("0"); // "0" marks an empty row; ":" marks a clock-time row
    QString livsmedel;
    QString enhet;
    float enhetsvikt = 0;                        // grams of one enhet
    std::array<QString, kAltUnitCount> altEnhet; // enhet1..enhet4
    std::array<float, kAltUnitCount> altPort{};  // port1..port4
    float gram = 0;
    float kgpris = 0;
    float avfall = 0;
    QString klockan;
    int tidslot = kNoTimeSlot;
    NutrientValues naring{};

    // Asked for every row of every pass over the registration: one character is compared.
    bool isEmpty() const { return kod.size() == 1 && kod.front() == QLatin1Char('0'); }
    bool isClockRow() const { return kod.contains(QLatin1Char(':')); }
    // Empties the row, also its alternative units, waste and time slot, so that a food put
    // here later never shows what an earlier food left.
    void clear() { *this = MealRow(); }

    bool operator==(const MealRow&) const = default;
};

} // namespace vexamat
