#include "core/registration/MealEditor.h"

#include "core/catalogue/FoodRecord.h"
#include "core/registration/Conversions.h"
#include "core/text/NumberText.h"

#include <cmath>

namespace vexamat {

MealEditor::Amount MealEditor::typedAmount(const MealRow& row, int column, const QString& text) {
    const NumberText::Parsed parsed = NumberText::parsePlain(text);
    if (parsed.kind == NumberText::Kind::Invalid)
        return {false, 0, kNotANumberMessage.arg(text.trimmed())};
    const double typed = parsed.value; // 0 for an empty text
    if (typed < 0)
        return {false, 0, kNegativeMessage};
    double grams = typed;
    if (column == Antal)
        grams = row.enhetsvikt > 0.01f ? double(row.enhetsvikt) * typed : 0.0;
    if (grams > kMaxRowGrams)
        return {false, 0, kTooLargeMessage};
    return {true, float(grams), {}};
}

MealEditor::Commit MealEditor::commitTyped(Registration::Meal& meal, int row, int column,
                                           const QString& text, QString* message) {
    if (column == Livsmedel || column == Enhet || column < 0 || column > Klockan) {
        if (message)
            *message = kReadOnlyMessage;
        return Commit::ReadOnly;
    }
    if (!Registration::isValidRow(row))
        return Commit::NoRow;
    MealRow& r = meal[row];
    if (column == Klockan) {
        carryTime(meal, row, text.trimmed());
        return Commit::Changed;
    }
    if (r.isEmpty())
        return Commit::NoRow; // an amount of nothing
    const Amount amount = typedAmount(r, column, text);
    if (!amount.accepted) {
        if (message)
            *message = amount.message;
        return Commit::Refused;
    }
    r.gram = amount.gram;
    return Commit::Changed;
}

MealEditor::Commit MealEditor::commitCell(Registration::Meal& meal, int row, int column,
                                          const QString& text) {
    if (column == Livsmedel || column == Enhet || column < 0 || column > Klockan)
        return Commit::ReadOnly;
    if (!Registration::isValidRow(row))
        return Commit::NoRow;
    MealRow& r = meal[row];
    switch (column) {
    case Antal: {
        const float a = TextToReal(text);
        r.gram = r.enhetsvikt > 0.01f ? r.enhetsvikt * a : 0.0f;
        break;
    }
    case Gram:
        r.gram = TextToReal(text);
        break;
    case Klockan:
        carryTime(meal, row, text);
        break;
    default:
        break;
    }
    return Commit::Changed;
}

void MealEditor::carryTime(Registration::Meal& meal, int row, const QString& text) {
    // A time holds for the rest of the meal until another time is entered further down.
    const QString klockan = text.left(5);
    const int slot = TimeToSlot(text);
    for (int k = row; k <= Registration::kLastRow; ++k) {
        meal[k].klockan = klockan;
        meal[k].tidslot = slot;
    }
}

QString MealEditor::unitLine(float grams, const QString& unit) {
    return QString::number(qRound(grams)).leftJustified(3, QLatin1Char(' ')) +
           QStringLiteral(" g/") + unit;
}

QStringList MealEditor::unitLines(const MealRow& row) {
    QStringList lines{row.livsmedel};
    for (int k = 0; k < MealRow::kAltUnitCount; ++k) {
        const float port = row.altPort[k];
        if (port <= 0.001f)
            continue;
        lines << unitLine(port, row.altEnhet[k]);
        if (row.altEnhet[k] == QLatin1String("dl")) {
            lines << unitLine(port / 6.6f, QStringLiteral("msk"));
            lines << unitLine(port / 20.0f, QStringLiteral("tsk"));
        }
    }
    if (row.avfall > 0.1f)
        lines << QString::number(qRound(row.avfall)).leftJustified(3, QLatin1Char(' ')) +
                     QStringLiteral(" % avfall");
    return lines;
}

bool MealEditor::applyUnitLine(MealRow& row, const QString& line) {
    const qsizetype slash = line.indexOf(QLatin1Char('/'));
    if (slash < 0)
        return false;
    const qsizetype blank = line.indexOf(QLatin1Char(' '));
    const float g = TextToReal(blank < 0 ? line : line.left(blank));
    row.enhet = line.mid(slash + 1).left(FoodRecord::kEnhetLength);
    row.enhetsvikt = g;
    row.gram = g;
    return true;
}

float MealEditor::step(const MealRow& row) {
    const float weight = row.enhetsvikt < 0.5f ? 100.0f : row.enhetsvikt;
    return weight * 0.1f;
}

void MealEditor::increase(MealRow& row) {
    row.gram += step(row);
}

bool MealEditor::decrease(MealRow& row) {
    const float s = step(row);
    if (s >= row.gram)
        return false;
    row.gram -= s;
    return true;
}

int MealEditor::addClockRow(Registration::Meal& meal, const QString& text) {
    for (int r = 1; r <= Registration::kLastRow; ++r) {
        if (meal[r].isEmpty()) {
            // The ":" is what makes the row a clock-time row: a long note cut to the code's
            // length keeps one at its end, or it would be saved and read back as a food code.
            QString kod = text.left(FoodRecord::kKodLength);
            if (!kod.contains(QLatin1Char(':')))
                kod = text.left(FoodRecord::kKodLength - 1) + QLatin1Char(':');
            meal[r].kod = kod;
            meal[r].livsmedel = text.left(FoodRecord::kLivsmedelLength);
            return r;
        }
    }
    return -1;
}

} // namespace vexamat
