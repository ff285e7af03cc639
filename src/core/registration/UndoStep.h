#pragma once

#include "core/diabetes/CarbohydrateSettings.h"
#include "core/diabetes/ReadingStore.h"
#include "core/registration/Registration.h"

#include <QString>

#include <optional>
#include <vector>

namespace vexamat {

// One undoable edit of the registration: the meals it changed as they were before and
// after it, and where the user was.
struct UndoStep {
    // CurrentDay, CurrentMeal and CurrentRow.
    struct Position {
        int day = 0;
        int meal = 0;
        int row = 1;
        bool operator==(const Position&) const = default;
    };

    // A meal before and after the edit. Only the rows up to the last one that is not an
    // untouched empty row are kept: most meals hold a few foods, and a long session keeps
    // hundreds of steps.
    struct MealChange {
        int day = 0;
        int meal = 0;
        std::vector<MealRow> before;
        std::vector<MealRow> after;
    };

    // What a new registration and opening a file change beside the meals; all of it is
    // saved with the registration.
    struct Extras {
        ReadingStore glucose;
        ReadingStore insulin;
        CarbohydrateSettings carbohydrate;
        bool wholeDayMode = false;
        QString title;
        bool operator==(const Extras&) const = default;
    };

    QString name; // Swedish, for the undo and redo commands
    Position positionBefore;
    Position positionAfter;
    std::vector<MealChange> meals;
    std::optional<Extras> extrasBefore;
    std::optional<Extras> extrasAfter;

    // The rows of a meal as a change keeps them, and the meal made from them again.
    static std::vector<MealRow> keptRows(const Registration::Meal& meal);
    static void restoreRows(Registration::Meal& meal, const std::vector<MealRow>& rows);
};

} // namespace vexamat
