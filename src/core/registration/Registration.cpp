#include "core/registration/Registration.h"

#include <QStringList>

namespace vexamat {

Registration::Registration() {
    m_extentKnown.fill(true);
}

std::array<Registration::Meal, Registration::kDays * Registration::kMeals>& Registration::meals() {
    if (!m_meals)
        m_meals = std::make_unique<std::array<Meal, kDays * kMeals>>();
    return *m_meals;
}

const Registration::Meal& Registration::emptyMeal() {
    static const Meal empty{};
    return empty;
}

void Registration::clear() {
    if (!m_meals)
        return;
    for (std::size_t i = 0; i < m_meals->size(); ++i) {
        // Rows above a known extent are empty already.
        const int last = m_extentKnown[i] ? m_extent[i] : kLastRow;
        for (int r = 0; r <= last; ++r)
            (*m_meals)[i][std::size_t(r)].clear();
    }
    m_extent.fill(0);
    m_extentKnown.fill(true);
}

int Registration::filledExtent(int day, int mealNo) const {
    const std::size_t i = std::size_t(index(day, mealNo));
    if (!m_extentKnown[i]) {
        const Meal& m = (*m_meals)[i];
        int last = kLastRow;
        while (last > 0 && m[std::size_t(last)].isEmpty())
            --last;
        m_extent[i] = std::uint8_t(last);
        m_extentKnown[i] = true;
    }
    return m_extent[i];
}

int Registration::knownExtent(int day, int mealNo) const {
    const std::size_t i = std::size_t(index(day, mealNo));
    return m_extentKnown[i] ? m_extent[i] : kLastRow;
}

int Registration::firstFreeRow(int day, int mealNo) const {
    const Meal& m = meal(day, mealNo);
    const int last = knownExtent(day, mealNo);
    for (int r = 1; r <= last; ++r) {
        if (m[r].isEmpty())
            return r;
    }
    return last < kLastRow ? last + 1 : -1;
}

int Registration::filledRowCount(int day, int mealNo) const {
    const Meal& m = meal(day, mealNo);
    const int last = knownExtent(day, mealNo);
    int n = 0;
    for (int r = 1; r <= last; ++r) {
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
