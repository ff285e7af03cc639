#pragma once

#include "core/catalogue/Nutrients.h"
#include "core/registration/Registration.h"

#include <QString>

namespace vexamat {

class VexamatDatabase;

// The meal as a recipe: dividing it into portions and storing it as an own food.
class MealTools {
public:
    static inline const QString kBadPortions = QStringLiteral("Fel antal portioner");
    static inline const QString kBadWeight = QStringLiteral("Felaktig vikt");

    // The portions as typed: a number of at least 1; nothing else is accepted.
    static bool portionsOf(const QString& text, float* portions);
    // Every used row's grams divided by the portions.
    static void divide(Registration::Meal& meal, float portions);

    // The sum of the grams of the used rows.
    static float totalGrams(const Registration::Meal& meal);
    // The finished weight as typed: at least 0.1 g.
    static bool weightOf(const QString& text, float* grams);
    // The meal's sums per 100 g of the finished weight.
    static NutrientValues per100g(const NutrientValues& mealSum, float finishedGrams);

    struct Stored {
        QString code;
        QString name;
    };
    // Stores a new food in egna: into the first placeholder record (name empty or "RESERV")
    // in code order, or, when there is none, as a new record under the next free code. Its
    // portion is the finished weight of the unit "port". False with the reason on failure;
    // nothing is half-written.
    static bool storeOwnFood(const VexamatDatabase& database, const QString& name,
                             float finishedGrams, const NutrientValues& values, Stored* stored,
                             QString* error);
};

} // namespace vexamat
