#include "core/registration/MealPickLists.h"

#include "core/registration/Registration.h"

namespace vexamat {

MealPickLists::Type MealPickLists::typeOfMeal(int meal) {
    switch (meal) {
    case 0:
        return Frukost;
    case 1:
        return Lunch;
    case 2:
        return Middag;
    default:
        return Mmal;
    }
}

void MealPickLists::AddMealPickEntry(Lists& lists, int meal, const QString& name,
                                     const QString& entry) {
    lists[typeOfMeal(meal)].add(name, entry);
}

void MealPickLists::rebuild(const Registration& registration, Lists& lists) {
    for (PickList& list : lists)
        list.clear();
    for (int d = 0; d < Registration::kDays; ++d) {
        for (int m = 0; m < Registration::kMeals; ++m) {
            for (const MealRow& row : registration.meal(d, m)) {
                if (row.isEmpty())
                    continue;
                AddMealPickEntry(lists, m, row.livsmedel,
                                 row.livsmedel + QLatin1Char('{') + row.kod + QLatin1Char('}') +
                                     QString::number(double(row.gram), 'f', 0) + QLatin1Char('@') +
                                     row.enhet);
            }
        }
    }
}

} // namespace vexamat
