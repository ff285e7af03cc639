#pragma once

#include "core/catalogue/Nutrients.h"

#include <QString>

#include <utility>
#include <vector>

namespace vexamat {

// The norm that a norm window's OK would make active, computed from the window's inputs
// alone: the window applies it, and `vexamat-cli norm` prints it from a side file.
struct NormEstimate {
    QString kind;        // NormKind: "personnorm", "egennorm", ...
    QString label;       // NormLabel
    NutrientValues need; // ActiveNeed, per day
    // The figures the window shows beside the norm, by a short English key ("bmi", "bmr",
    // "energy_kcal", "energy_kj", ...), in the order the window shows them.
    std::vector<std::pair<QString, double>> headline;
};

} // namespace vexamat
