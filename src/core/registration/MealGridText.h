#pragma once

#include "core/registration/Registration.h"

#include <QString>

#include <array>

namespace vexamat {

// The cell texts of the meal grid for one meal: rows 1..99, columns Livsmedel, Antal, Enhet,
// Gram, klockan. Empty rows give empty cells.
class MealGridText {
public:
    static constexpr int kColumns = 5;
    using Row = std::array<QString, kColumns>;

    static Row row(const MealRow& row);
    static QString gramText(float gram);
    static QString antalText(float gram, float enhetsvikt);
};

} // namespace vexamat
