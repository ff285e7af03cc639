#pragma once

#include <QStringList>

#include <array>

namespace vexamat {

class Registration;

// The foods used so far in each meal type (breakfast, lunch, dinner, snacks), which the meal
// buttons show in the food list: the names and, beside them, the entry texts.
class MealPickLists {
public:
    enum Type { Frukost, Lunch, Middag, Mmal, TypeCount };

    struct List {
        QStringList names;   // ListBoxFrukost, ListBoxLunch, ...
        QStringList entries; // ListBoxFrukostH, ListBoxLunchH, ...
    };

    static Type typeOfMeal(int meal);

    const List& list(Type type) const { return m_lists[type]; }
    // Adds the food to its meal type's list unless the name is already there.
    void AddMealPickEntry(int meal, const QString& name, const QString& entry);
    void clear();
    // Empties the lists and fills them with every food of the registration, in day, meal
    // and row order.
    void rebuild(const Registration& registration);

private:
    std::array<List, TypeCount> m_lists;
};

} // namespace vexamat
