#pragma once

#include "core/catalogue/Nutrients.h"

#include <QString>

#include <array>

namespace vexamat {

// The daily need that every percentage is computed against, and where it came from.
struct ActiveNorm {
    ActiveNorm() {
        ActiveNeed.fill(100.0f);
        StandardNeed.fill(100.0f);
    }

    NutrientValues ActiveNeed;   // need per day; <= 0.001 means no need given
    NutrientValues StandardNeed; // the norm-table row last chosen or loaded
    int NormNumber = 0;
    QString NormName;
    QString NormLabel;
    QString NormKind = QStringLiteral("standardnorm");
    // Recommended energy shares in %: protein, fat, carbohydrate (with fibre), saturated,
    // monounsaturated, polyunsaturated.
    std::array<float, 6> NormEnergyShare{15.0f, 30.0f, 55.0f, 10.0f, 12.5f, 7.5f};
};

} // namespace vexamat
