#pragma once

#include "core/registration/Registration.h"

#include <QString>
#include <QStringList>

namespace vexamat {

// Edits of one meal as the meal grid makes them: committing a typed cell, the unit list,
// the increase and decrease steps and clock-time rows.
class MealEditor {
public:
    enum Column { Livsmedel = 0, Antal = 1, Enhet = 2, Gram = 3, Klockan = 4 };
    enum class Commit { ReadOnly, Changed, NoRow };

    static inline const QString kReadOnlyMessage =
        QStringLiteral("Du kan inte ändra i denna kolumn");

    // Commits the text typed into a column of a row: Antal sets the grams through the unit
    // weight, Gram the grams, klockan the time of this row and of every row below it.
    static Commit commitCell(Registration::Meal& meal, int row, int column, const QString& text);

    // The lines of the unit list of a row: its name, then one line per unit weight
    // ("60  g/dl", with msk and tsk after a dl), then the waste line ("12  % avfall").
    static QStringList unitLines(const MealRow& row);
    // Applies a line of the unit list (not the name line): the row gets that unit and one
    // unit's grams. The waste line is only information (false).
    static bool applyUnitLine(MealRow& row, const QString& line);

    // One step of "Öka" and "Minska": a tenth of the unit weight, 10 g without one.
    static float step(const MealRow& row);
    static void increase(MealRow& row);
    // Decreases by one step; false (and no change) when the step would use up the grams,
    // which is when the row should rather be removed.
    static bool decrease(MealRow& row);

    // A clock-time row in the first empty row; -1 when the meal is full.
    static int addClockRow(Registration::Meal& meal, const QString& text);

private:
    static QString unitLine(float grams, const QString& unit);
};

} // namespace vexamat
