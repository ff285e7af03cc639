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
    // Changed: the text was taken (the row may hold what it held before). NoRow: no such
    // row, or an amount typed on an empty row. Refused: an amount that is no number or not
    // a sensible amount; the row keeps its grams.
    enum class Commit { ReadOnly, Changed, NoRow, Refused };

    static constexpr float kMaxRowGrams = 10000; // 10 kg on one row is a typing error

    static inline const QString kReadOnlyMessage =
        QStringLiteral("Du kan inte ändra i denna kolumn");
    static inline const QString kNegativeMessage = QStringLiteral("Mängden kan inte vara negativ.");
    static inline const QString kTooLargeMessage =
        QStringLiteral("Mängden är orimligt stor (mer än 10 kg på en rad).");
    // %1: the text as typed, without surrounding blanks.
    static inline const QString kNotANumberMessage =
        QStringLiteral("\"%1\" är inget tal. Skriv t.ex. 150 eller 1,5.");

    // The grams of a row after an amount typed into Antal or Gram, or why it is refused.
    struct Amount {
        bool accepted = false;
        float gram = 0;
        QString message; // when refused
    };
    // Blanks around the text are ignored, "," and "." are decimal separators and an empty
    // text is 0.
    static Amount typedAmount(const MealRow& row, int column, const QString& text);

    // Commits the text typed into a column of a row: Antal sets the grams through the unit
    // weight, Gram the grams, klockan the time of this row and of every row below it, also
    // when the row already has that time. Blanks around a time are no part of it. The
    // reason for ReadOnly and Refused goes to message.
    static Commit commitTyped(Registration::Meal& meal, int row, int column, const QString& text,
                              QString* message = nullptr);
    // The meal grid's commit until the grid commits through RegistrationSession: takes any
    // amount, and text that is no number (also "150 ") as 0. Never Refused.
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
    static void carryTime(Registration::Meal& meal, int row, const QString& text);
};

} // namespace vexamat
