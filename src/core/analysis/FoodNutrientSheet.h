#pragma once

#include "core/analysis/EnergyShares.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace vexamat {

struct AppState;

// One food of the food tables per 100 g: its name, a line per nutrient and its energy
// shares, for the lookup window.
class FoodNutrientSheet {
public:
    // Protein, fat, carbohydrates and alcohol, each in % of the food's energy.
    struct Shares {
        float protein = 0;
        float fat = 0;
        float carbohydrate = 0;
        float alcohol = 0;
        bool operator==(const Shares&) const = default;
    };
    struct Slice {
        QString label;
        float share = 0;
        unsigned rgb = 0; // 0xRRGGBB
    };

    bool found = false;
    QString message;   // why nothing was found; Swedish, for the user
    QStringList lines; // the name, an empty line, then "label     value" per nutrient
    float protein = 0;
    float fat = 0;
    float carbohydrates = 0;
    float alcohol = 0;
    Shares shares;

    // Looks the code up in livtab100, fabrikant, egna and dabas, in that order. The selected
    // nutrients are listed, or all when allNutrients.
    static FoodNutrientSheet lookup(const AppState& state, const QString& code, bool allNutrients);
    // Energy from grams per 100 g (no fibre); all shares 0 when it is 5 or less.
    static Shares energyShares(float protein, float fat, float carbohydrates, float alcohol,
                               int alcoholFactor);
    // The pie of a food: none when the shares sum to 10 or less; "Alko" only above 1 %.
    static QList<Slice> pieSlices(const Shares& shares);
    static EnergyShares asEnergyShares(const Shares& shares);
};

} // namespace vexamat
