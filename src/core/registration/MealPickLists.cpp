#include "registration/MealPickLists.h"

#include "registration/Registration.h"

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

void MealPickLists::AddMealPickEntry(int meal, const QString& name, const QString& entry) {
    List& list = m_lists[typeOfMeal(meal)];
    if (list.names.contains(name))
        return;
    list.names << name;
    list.entries << entry;
}

void MealPickLists::clear() {
    for (List& list : m_lists)
        list = List{};
}

void MealPickLists::rebuild(const Registration& registration) {
    clear();
    for (int d = 0; d < Registration::kDays; ++d) {
        for (int m = 0; m < Registration::kMeals; ++m) {
            for (const MealRow& row : registration.meal(d, m)) {
                if (row.isEmpty())
                    continue;
                AddMealPickEntry(m, row.livsmedel,
                                 row.livsmedel + QLatin1Char('{') + row.kod + QLatin1Char('}') +
                                     QString::number(double(row.gram), 'f', 0) + QLatin1Char('@') +
                                     row.enhet);
            }
        }
    }
}

} // namespace vexamat
