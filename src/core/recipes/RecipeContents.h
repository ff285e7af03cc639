#pragma once

#include <QString>
#include <QStringList>

namespace vexamat {

class FoodTable;

// The ingredient lines a recipe browser shows: the grams right-aligned in 7 characters,
// "g", four blanks and the food's name, one line for every table that has the food.
class RecipeContents {
public:
    struct Tables {
        const FoodTable& livtab100;
        const FoodTable& dabas;
        const FoodTable& egna;
        const FoodTable& livtab2005;
    };

    static QStringList ingredientLines(const QString& kodgram, const Tables& tables);
};

} // namespace vexamat
