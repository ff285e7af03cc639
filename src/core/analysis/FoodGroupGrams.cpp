#include "core/analysis/FoodGroupGrams.h"

#include <cmath>

namespace vexamat {

int FoodGroupGrams::groupOf(const QString& code) {
    if (code.isEmpty())
        return kGroups;
    const QChar first = code.front();
    if (first == QLatin1Char('0'))
        return 0;
    if (first >= QLatin1Char('1') && first <= QLatin1Char('9'))
        return first.unicode() - '0';
    return kGroups;
}

QString FoodGroupGrams::groupName(int group) {
    static const char* const names[kGroups] = {
        "Mjölk och ost",
        "Kött och chark",
        "Fisk",
        "Ägg",
        "Fett",
        "Bröd och spannmål",
        "Grönsaker och potatis",
        "Frukt, bär och nötter",
        "Drycker och sötsaker",
        "okänt",
    };
    return group >= 1 && group <= kGroups ? QString::fromUtf8(names[group - 1]) : QString();
}

FoodGroupGrams::PerDay FoodGroupGrams::RefreshFoodGroups(const Registration& registration) {
    PerDay perDay{};
    for (int d = 0; d < Registration::kDays; ++d) {
        for (int m = 0; m < Registration::kMeals; ++m) {
            const Registration::Meal& meal = registration.meal(d, m);
            for (int r = 1; r < Registration::kRows; ++r) {
                const MealRow& row = meal[std::size_t(r)];
                if (row.isEmpty() || row.isClockRow())
                    continue;
                if (const int group = groupOf(row.kod))
                    perDay[std::size_t(d)][std::size_t(group - 1)] += row.gram;
            }
        }
    }
    return perDay;
}

FoodGroupGrams::Grams FoodGroupGrams::values(const PerDay& perDay, bool average, int currentDay,
                                             int daysWithIntake) {
    if (!average)
        return Registration::isValidDay(currentDay) ? perDay[std::size_t(currentDay)] : Grams{};
    Grams sum{};
    for (const Grams& day : perDay)
        for (int g = 0; g < kGroups; ++g)
            sum[std::size_t(g)] += day[std::size_t(g)];
    const float divisor = daysWithIntake > 0 ? float(daysWithIntake) : 1.0f;
    for (float& value : sum)
        value /= divisor;
    return sum;
}

QList<FoodGroupGrams::Bar> FoodGroupGrams::DrawFoodGroups(const Grams& grams) {
    QList<Bar> bars;
    for (int g = 1; g <= kGroups; ++g) {
        const float value = grams[std::size_t(g - 1)];
        bars << Bar{groupName(g) + QStringLiteral(" ") +
                        QString::number(std::nearbyint(double(value)), 'f', 0) +
                        QStringLiteral(" g"),
                    value};
    }
    return bars;
}

} // namespace vexamat
