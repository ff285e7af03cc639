#pragma once

#include <QString>

namespace vexamat {

// What other windows may ask of the main window after they changed the program-wide state,
// without knowing the main window's class.
class MainWindowUpdates {
public:
    virtual ~MainWindowUpdates() = default;
    // Recomputes the results and refreshes every view of them.
    virtual void Recalculate() = 0;
    // The number of chosen nutrients changed: the bar chart pages anew.
    virtual void nutrientSelectionChanged() = 0;
    // Shows the livtab100 foods of a group in the food list.
    virtual void showFoodGroup(const QString& group) = 0;
    // Empties the food list, so that the user searches again (the recipes changed).
    virtual void clearFoodList() = 0;
    // Puts the recipe of an index code ("receptegna…", "receptallm…") into the current meal.
    virtual void fetchRecipe(const QString& code) = 0;
    // Brings the main window to the front with the cursor in the food search box.
    virtual void focusSearchBox() = 0;
};

} // namespace vexamat
