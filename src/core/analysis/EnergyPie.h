#pragma once

#include "core/analysis/EnergyShares.h"
#include "core/analysis/ResultChartData.h"

#include <QList>

namespace vexamat {

// The energy pies: how the energy of a meal, a day or one food splits between protein, fat,
// carbohydrate and alcohol.
class EnergyPie {
public:
    // The energy shares of a food from its grams per 100 g (no fibre counted). A missing
    // value (stored negative) counts as none; a food with hardly any energy has no shares.
    static EnergyShares ofFood(float protein, float fat, float carbohydrate, float alcohol,
                               int alcoholFactor);
    // "Prot", "Fett", "Kolh" when the shares sum to more than 10 %, and "Alko" when alcohol
    // gives more than 1 %; no slices otherwise.
    static QList<ResultChartData::Slice> slices(const EnergyShares& shares);
};

} // namespace vexamat
