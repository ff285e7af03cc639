#pragma once

#include "core/recipes/Kodgram.h"
#include "core/registration/Registration.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace vexamat {

class FoodTable;
struct MealRow;

// Puts the rows of a recipe into the empty rows of a meal, from its first empty row on,
// never past the last row and never over a row in use.
class RecipeFetch {
public:
    struct Tables {
        const FoodTable& livtab100;
        const FoodTable& fabrikant;
        const FoodTable& egna;
        const FoodTable& dabas;
        const FoodTable& livtab2005;
    };

    struct Result {
        int firstRow = 0; // the first row filled; 0 when none was
        int filled = 0;
        QStringList missingCodes; // foods no table has any more, skipped
        int leftOut = 0;          // rows that did not fit in the meal
        // What to tell the user, in order; empty when everything was fetched.
        QStringList messages() const;
    };

    // Each entry becomes a row with the food's values looked up in livtab100, fabrikant,
    // egna, dabas and livtab2005 (the first that has the code), the grams of the entry,
    // and, for a livtab100 food, the entry's unit where it names one. Clock-time entries
    // become clock-time rows.
    static Result fillMeal(Registration::Meal& meal, const QList<KodgramEntry>& entries,
                           const Tables& tables);
    // Ready-made rows (from a file) into the meal the same way.
    static Result addRows(Registration::Meal& meal, const QList<MealRow>& rows);

    static QString leftOutMessage(int count);
};

} // namespace vexamat
