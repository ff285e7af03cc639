#pragma once

#include "core/catalogue/Nutrients.h"

#include <QString>

namespace vexamat {

// One row of the norm table "normer": its number, its name and the need per nutrient.
struct NormRow {
    int Nr = 0;
    QString Norm;
    NutrientValues values{}; // empty fields read as 0
};

} // namespace vexamat
