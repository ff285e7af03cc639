#pragma once

#include "core/analysis/EnergyShares.h"
#include "core/catalogue/Nutrients.h"
#include "core/registration/Registration.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace vexamat {

// The rows of a printed recipe: each ingredient with its amount for one portion and for the
// asked number of portions, the method, then the nutrition of one portion.
class RecipePrintout {
public:
    struct Row {
        QString livsmedel;
        QString gram1;
        QString gram2;
        bool operator==(const Row&) const = default;
    };

    static constexpr int kNameLength = 50;

    // meal: the recipe in the meal (registered for one portion); portionsText: the answer to
    // "Hur många portioner?" (not a number counts as 0); mealSum and shares: the meal's sums
    // and energy distribution.
    static QList<Row> rows(const Registration::Meal& meal, const QString& portionsText,
                           const QStringList& methodLines, const NutrientValues& mealSum,
                           const EnergyShares& shares);
    // The amount of a number of grams: "600 g", "1.20 kg".
    static QString amount(double grams);
};

} // namespace vexamat
