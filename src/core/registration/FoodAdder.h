#pragma once

#include <QString>
#include <QStringList>

namespace vexamat {

struct AppState;

// Puts the food of a food-list line into the current meal, keeping the recent and
// meal-type pick lists.
class FoodAdder {
public:
    enum class Status {
        NoCode,     // a heading or the no-hits line: nothing happened
        MealFull,   // every row of the meal holds something: nothing happened
        Recipe,     // a recipe code, for the recipe fetch
        DietSurvey, // found, for the diet survey; the meal is as it was
        NotFound,   // no food table has the code; the meal is as it was
        Added,
    };

    struct Result {
        Status status = Status::NoCode;
        int row = 0; // the row of the meal that was filled (or aimed at)
        QString code;
        QStringList messages;    // to show before the refresh, in order
        bool showHint = false;   // the first food of the run: show the right-click hint
        bool tabletHint = false; // show the tablet hint after the refresh
    };

    static inline const QString kMealFullMessage = QStringLiteral(
        "Måltiden är full (99 rader). Ta bort en rad innan du lägger till fler livsmedel.");

    // The pick list of a meal: 0, 1 and 2 have their own, the snacks 3..8 share one.
    static int mealType(int meal) { return meal < 3 ? meal : 3; }

    // row 0: the first empty row of the current meal; 1..99: that row, with the rows from
    // there moved down first when insert is set (a drop on the grid).
    static Result AddFoodToMeal(AppState& state, const QString& name, const QString& companion,
                                int row, bool insert, bool forDietSurvey = false);

    // A code typed in the search box: upper case, with "_" after a first character that
    // sorts at or before "9" (so "1101" is "1_101").
    static QString typedCode(const QString& text);
    // Adds the livtab100 food of a typed code to the first empty row of the current meal,
    // without pick lists, waste or time; NotFound when livtab100 has no such code.
    static Result addByCode(AppState& state, const QString& typed);
};

} // namespace vexamat
