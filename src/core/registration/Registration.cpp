#include "core/registration/Registration.h"

#include <QStringList>

namespace vexamat {

Registration::Registration() : m_meals(std::make_unique<std::array<Meal, kDays * kMeals>>()) {}

void Registration::clear() {
    for (Meal& m : *m_meals) {
        for (MealRow& r : m)
            r.clear();
    }
}

int Registration::firstFreeRow(int day, int mealNo) const {
    const Meal& m = meal(day, mealNo);
    for (int r = 1; r <= kLastRow; ++r) {
        if (m[r].isEmpty())
            return r;
    }
    return -1;
}

int Registration::filledRowCount(int day, int mealNo) const {
    const Meal& m = meal(day, mealNo);
    int n = 0;
    for (int r = 1; r <= kLastRow; ++r) {
        if (!m[r].isEmpty())
            ++n;
    }
    return n;
}

bool Registration::isDayEmpty(int day) const {
    for (int m = 0; m < kMeals; ++m) {
        if (!isMealEmpty(day, m))
            return false;
    }
    return true;
}

void Registration::deleteRow(int day, int mealNo, int r) {
    if (!isValidRow(r))
        return;
    Meal& m = meal(day, mealNo);
    for (int k = r; k < kLastRow; ++k)
        m[k] = std::move(m[k + 1]);
    m[kLastRow].clear();
}

void Registration::insertRowAt(int day, int mealNo, int r) {
    if (!isValidRow(r))
        return;
    Meal& m = meal(day, mealNo);
    for (int k = kLastRow; k > r; --k)
        m[k] = std::move(m[k - 1]);
    m[r].clear();
}

Registration::PasteResult Registration::pasteMeal(int day, int mealNo, const Meal& copied) {
    PasteResult result;
    Meal& m = meal(day, mealNo);
    int target = 1;
    for (int j = 1; j <= kLastRow; ++j) {
        if (copied[j].isEmpty())
            continue;
        while (target <= kLastRow && !m[target].isEmpty())
            ++target;
        if (target > kLastRow) {
            ++result.dropped;
            continue;
        }
        m[target] = copied[j];
        ++result.pasted;
        ++target;
    }
    return result;
}

QString MealName(int meal) {
    static const QStringList names{QStringLiteral("Frukost"),     QStringLiteral("Lunch"),
                                   QStringLiteral("Middag"),      QStringLiteral("Mellanmål 1"),
                                   QStringLiteral("Mellanmål 2"), QStringLiteral("Mellanmål 3"),
                                   QStringLiteral("Mellanmål 4"), QStringLiteral("Mellanmål 5"),
                                   QStringLiteral("Mellanmål 6")};
    return meal >= 0 && meal < names.size() ? names.at(meal) : QString();
}

QString MealButtonCaption(int meal) {
    static const QStringList captions{
        QStringLiteral("Frukost"), QStringLiteral("Lunch"), QStringLiteral("Middag"),
        QStringLiteral("Mm1"),     QStringLiteral("Mm2"),   QStringLiteral("Mm3"),
        QStringLiteral("Mm4"),     QStringLiteral("Mm5"),   QStringLiteral("Mm6")};
    return meal >= 0 && meal < captions.size() ? captions.at(meal) : QString();
}

} // namespace vexamat
