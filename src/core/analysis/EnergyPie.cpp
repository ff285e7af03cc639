#include "core/analysis/EnergyPie.h"

#include "core/analysis/ResultChartBuilder.h"

#include <algorithm>

namespace vexamat {

EnergyShares EnergyPie::ofFood(float protein, float fat, float carbohydrate, float alcohol,
                               int alcoholFactor) {
    const float p = std::max(protein, 0.0f);
    const float f = std::max(fat, 0.0f);
    const float c = std::max(carbohydrate, 0.0f);
    const float a = std::max(alcohol, 0.0f);
    const float factor = float(alcoholFactor);
    const float energy = p * 1700.0f + f * 3700.0f + c * 1700.0f + a * factor;
    EnergyShares shares;
    if (energy > 5.0f) {
        shares.protein = p * 100.0f * 1700.0f / energy;
        shares.fat = f * 100.0f * 3700.0f / energy;
        shares.carbohydrate = c * 100.0f * 1700.0f / energy;
        shares.alcohol = a * 100.0f * factor / energy;
    }
    return shares;
}

QList<ResultChartData::Slice> EnergyPie::slices(const EnergyShares& e) {
    QList<ResultChartData::Slice> out;
    if (e.protein + e.fat + e.carbohydrate + e.alcohol > 10.0f) {
        out << ResultChartData::Slice{QStringLiteral("Prot"), e.protein, ResultChartBuilder::kGreen}
            << ResultChartData::Slice{QStringLiteral("Fett"), e.fat, ResultChartBuilder::kRed}
            << ResultChartData::Slice{QStringLiteral("Kolh"), e.carbohydrate,
                                      ResultChartBuilder::kBlue};
        if (e.alcohol > 1.0f)
            out << ResultChartData::Slice{QStringLiteral("Alko"), e.alcohol,
                                          ResultChartBuilder::kYellow};
    }
    return out;
}

} // namespace vexamat
