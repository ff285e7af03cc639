#pragma once

#include "core/registration/Registration.h"

#include <QList>
#include <QString>

#include <array>

namespace vexamat {

// How many grams of each food group were eaten: groups 1..9 are the raw-material groups of
// the national food table, told by the first digit of the food code; group 10 ("okänt")
// holds every other food (own foods, manufacturers' and DABAS articles).
class FoodGroupGrams {
public:
    static constexpr int kGroups = 10;
    using Grams = std::array<float, kGroups>; // group g at index g - 1
    using PerDay = std::array<Grams, Registration::kDays>;

    struct Bar {
        QString label;
        float grams = 0;
    };

    // 1..10 by the code's first character; 0 (no group) for a code beginning with 0.
    static int groupOf(const QString& code);
    static QString groupName(int group);

    // The grams per group of every day.
    static PerDay RefreshFoodGroups(const Registration& registration);
    // The current day's grams, or with average each group's sum over the days divided by
    // the days with intake (1 when there are none).
    static Grams values(const PerDay& perDay, bool average, int currentDay, int daysWithIntake);
    // The bars top to bottom as the chart shows them: group 1 first, "okänt" last.
    static QList<Bar> DrawFoodGroups(const Grams& grams);
};

} // namespace vexamat
