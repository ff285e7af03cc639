#pragma once

#include <QString>

namespace vexamat {

// What the personal-norm window holds: the texts of its boxes as typed and the chosen
// radio items. Kept in the ".pers" side file.
struct PersonInputs {
    int sex = 0; // 0 Kvinna, 1 Man
    QString age;
    QString weight;                             // kg
    QString height;                             // cm
    int work = 0;                               // RGArbete item
    int leisure = 0;                            // RGFritid item
    QString healthyBmr = QStringLiteral("140"); // kJ per kg and day
    int ill = 0;                                // 0 Frisk, 1 Sjuk
    int illBmr = 1;                             // RGSjuk item
    QString specialBmr = QStringLiteral("180"); // kJ per kg and day, for RGSjuk item 3

    bool operator==(const PersonInputs&) const = default;
};

} // namespace vexamat
