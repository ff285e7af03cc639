#pragma once

#include <QString>

namespace vexamat {

// The day and meal names the export files carry: "Dag 1" … "Dag 21"; "Frukost", "Lunch",
// "Middag", "Mellanmål1" … "Mellanmål6" (no blank, as the files have always had them), and
// "Hela dagen" for meal 0 when the day is not split into meals.
class ExportNames {
public:
    static QString dayName(int day);
    static QString mealName(int meal, bool wholeDayMode);
};

} // namespace vexamat
