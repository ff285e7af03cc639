#include "core/analysis/FoodNutrientSheet.h"

#include "core/AppState.h"
#include "core/analysis/EnergyPie.h"
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
    const EnergyShares e = EnergyPie::ofFood(protein, fat, carbohydrates, alcohol, alcoholFactor);
    return {e.protein, e.fat, e.carbohydrate, e.alcohol};
}

QList<FoodNutrientSheet::Slice> FoodNutrientSheet::pieSlices(const Shares& s) {
    QList<Slice> slices;
    for (const ResultChartData::Slice& slice : EnergyPie::slices(asEnergyShares(s)))
        slices << Slice{slice.label, slice.value, slice.rgb};
    return slices;
}

EnergyShares FoodNutrientSheet::asEnergyShares(const Shares& s) {
    EnergyShares e;
    e.protein = s.protein;
    e.fat = s.fat;
    e.carbohydrate = s.carbohydrate;
    e.alcohol = s.alcohol;
    return e;
}

} // namespace vexamat
