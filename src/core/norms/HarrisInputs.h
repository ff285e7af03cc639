#pragma once

#include <QString>

namespace vexamat {

// The inputs of the Harris–Benedict window as typed, and the unit of its result.
struct HarrisInputs {
    int sex = 0; // 0 Kvinna, 1 Man
    QString age;
    QString weight; // kg
    QString height; // cm
    QString factor; // activity factor
    int unit = 1;   // 0 kJ, 1 kcal

    bool operator==(const HarrisInputs&) const = default;
};

} // namespace vexamat
