#pragma once

#include "core/registration/PickList.h"

#include <QString>

#include <array>

namespace vexamat {

class Registration;

// The foods used so far in each meal type (breakfast, lunch, dinner, snacks), which the meal
// buttons show in the food list.
class MealPickLists {
public:
    enum Type { Frukost, Lunch, Middag, Mmal, TypeCount };
    using Lists = std::array<PickList, TypeCount>;

    static Type typeOfMeal(int meal);
    // Adds the food to its meal type's list unless the name is already there.
    static void AddMealPickEntry(Lists& lists, int meal, const QString& name, const QString& entry);
    // Empties the lists and fills them with every food of the registration, in day, meal
    // and row order.
    static void rebuild(const Registration& registration, Lists& lists);
};

} // namespace vexamat
