#include "core/analysis/FoodNutrientSheet.h"

#include "core/AppState.h"
#include "core/text/FixedNumber.h"

#include <algorithm>

namespace vexamat {

namespace {

// The record's field that holds a nutrient: the one before its number.
int fieldOf(int nutrientNo) {
    return nutrientNo - 1;
}

// Grams per 100 g; a missing value counts as none.
float grams(const TableRecord& record, int nutrientNo) {
    return std::max(0.0f, float(record.numberOr(fieldOf(nutrientNo), 0)));
}

} // namespace

FoodNutrientSheet FoodNutrientSheet::lookup(const AppState& s, const QString& code,
                                            bool allNutrients) {
    FoodNutrientSheet sheet;
    const FoodTable* const tables[] = {&s.livtab100, &s.fabrikant, &s.egna, &s.dabas};
    std::optional<TableRecord> record;
    bool mainTable = true;
    for (const FoodTable* table : tables) {
        if (table->isOpen())
            record = table->findByCode(code);
        if (record)
            break;
        mainTable = false;
    }
    if (!record) {
        sheet.message = QStringLiteral("Livsmedel med nr ") + code + QStringLiteral(" finns ej.");
        return sheet;
    }
    sheet.found = true;
    sheet.lines << record->text(QStringLiteral("Livsmedel")) << QString();
    for (int no = kFirstNutrientNo; no <= kLastNutrientNo; ++no) {
        if (!allNutrients && !s.selection.isSelected(no))
            continue;
        QString value;
        if (mainTable) {
            // The agency's table holds numbers; a negative one marks a missing value.
            const double v = record->numberOr(fieldOf(no), 0);
            value = v < 0 ? QStringLiteral("-") : FixedNumber::format(v, 0, s.names.decimals(no));
        } else {
            value = record->text(fieldOf(no));
        }
        sheet.lines << s.names.label(no).left(10).leftJustified(10, QLatin1Char(' ')) + value;
    }
    sheet.protein = grams(*record, nutrient::Protein);
    sheet.fat = grams(*record, nutrient::Fat);
    sheet.carbohydrates = grams(*record, nutrient::Carbohydrate);
    sheet.alcohol = grams(*record, nutrient::Alcohol);
    sheet.shares =
        energyShares(sheet.protein, sheet.fat, sheet.carbohydrates, sheet.alcohol, s.AlcoholFactor);
    return sheet;
}

FoodNutrientSheet::Shares FoodNutrientSheet::energyShares(float protein, float fat,
                                                          float carbohydrates, float alcohol,
                                                          int alcoholFactor) {
    const float e = protein * 1700 + fat * 3700 + carbohydrates * 1700 + alcohol * alcoholFactor;
    if (!(e > 5))
        return {};
    return {protein * 100 * 1700 / e, fat * 100 * 3700 / e, carbohydrates * 100 * 1700 / e,
            alcohol * 100 * float(alcoholFactor) / e};
}

QList<FoodNutrientSheet::Slice> FoodNutrientSheet::pieSlices(const Shares& s) {
    QList<Slice> slices;
    if (!(s.protein + s.fat + s.carbohydrate + s.alcohol > 10))
        return slices;
    slices << Slice{QStringLiteral("Prot"), s.protein} << Slice{QStringLiteral("Fett"), s.fat}
           << Slice{QStringLiteral("Kolh"), s.carbohydrate};
    if (s.alcohol > 1)
        slices << Slice{QStringLiteral("Alko"), s.alcohol};
    return slices;
}

} // namespace vexamat
