#pragma once

#include <QString>

namespace vexamat {

// The left-hand inputs of the own-energy-norm window as typed: the day's energy, the age
// and the energy percentages of protein, fat and carbohydrate.
struct OwnNormInputs {
    int sex = 0; // 0 Kvinna, 1 Man
    QString kcal = QStringLiteral("2180");
    QString age = QStringLiteral("50");
    QString protein = QStringLiteral("15");
    QString fat = QStringLiteral("30");
    QString carbohydrate = QStringLiteral("55");

    bool operator==(const OwnNormInputs&) const = default;
};

} // namespace vexamat
