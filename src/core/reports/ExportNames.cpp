#include "core/reports/ExportNames.h"

namespace vexamat {

QString ExportNames::dayName(int day) {
    return QStringLiteral("Dag %1").arg(day + 1);
}

QString ExportNames::mealName(int meal, bool wholeDayMode) {
    switch (meal) {
    case 0:
        return wholeDayMode ? QStringLiteral("Hela dagen") : QStringLiteral("Frukost");
    case 1:
        return QStringLiteral("Lunch");
    case 2:
        return QStringLiteral("Middag");
    default:
        return QStringLiteral("Mellanmål%1").arg(meal - 2);
    }
}

} // namespace vexamat
