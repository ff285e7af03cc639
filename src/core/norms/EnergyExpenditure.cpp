#include "core/norms/EnergyExpenditure.h"

#include "core/catalogue/FoodTable.h"
#include "core/norms/NormActivation.h"
#include "core/norms/NormTable.h"
#include "core/registration/Conversions.h"

#include <algorithm>
#include <cmath>

namespace vexamat {

namespace {

// The standard norm rows copied into an activity norm: kJ .. the last fatty acid before
// the amino acids (positions 14 to 64).
constexpr int kCopiedItems = 51;

struct BmrFormula {
    int fromAge;
    float manFactor, manTerm, womanFactor, womanTerm;
};

constexpr BmrFormula kBmrTable[] = {
    {0, 60.9f, -54.0f, 61.0f, -51.0f},  {4, 22.7f, 495.0f, 22.5f, 499.0f},
    {11, 17.5f, 651.0f, 12.2f, 746.0f}, {19, 15.3f, 679.0f, 14.7f, 496.0f},
    {31, 11.6f, 879.0f, 8.7f, 829.0f},  {61, 13.5f, 487.0f, 10.5f, 596.0f},
};
constexpr int kOldestAge = 110;

} // namespace

int EnergyExpenditure::roundedAge(const QString& ageText) {
    // rint rounds halves to the even number, as the age boxes always have.
    // Far outside every table either way; kept within int.
    const float age = std::clamp(TextToReal(ageText), -1.0f, 1000.0f);
    return static_cast<int>(std::rint(age));
}

std::optional<float> EnergyExpenditure::bmr(int age, float weight, bool man) {
    if (age < 0 || age > kOldestAge)
        return std::nullopt;
    const BmrFormula* formula = &kBmrTable[0];
    for (const BmrFormula& f : kBmrTable) {
        if (age >= f.fromAge)
            formula = &f;
    }
    return man ? formula->manFactor * weight + formula->manTerm
               : formula->womanFactor * weight + formula->womanTerm;
}

ActivityResult EnergyExpenditure::compute(const ActivityInputs& inputs, float previousBmr) {
    ActivityResult result;
    result.bmr = bmr(roundedAge(inputs.age), TextToReal(inputs.weight), inputs.sex == 1)
                     .value_or(previousBmr);
    result.minutesLeft = kMinutesPerDay;
    for (const ActivityRow& row : inputs.rows) {
        if (row.name.isEmpty()) {
            result.kcalPerMinute << QString();
            result.rowKcal << 0.0f;
            continue;
        }
        const QString perMinute =
            FormatComma((TextToReal(row.factor) - 1.0f) * result.bmr / kMinutesPerDay, 2);
        // The energy counts with the two decimals the grid shows.
        const float minutes = TextToReal(row.minutes);
        const float kcal = TextToReal(perMinute) * minutes;
        result.kcalPerMinute << perMinute;
        result.rowKcal << kcal;
        result.total += kcal;
        result.minutesLeft -= minutes;
    }
    result.expenditure = result.bmr + result.total;
    return result;
}

int EnergyExpenditure::normNumber(int age, bool man) {
    // Children below the table's youngest group take the standard child rows.
    if (age >= 0 && age <= 5)
        return 24;
    if (age >= 6 && age <= 10)
        return 25;
    struct Group {
        int from, to, nr;
    };
    static constexpr Group groups[] = {{11, 14, 1}, {15, 18, 2}, {19, 30, 3},
                                       {31, 60, 4}, {61, 75, 5}, {76, 110, 6}};
    for (const Group& g : groups) {
        if (age >= g.from && age <= g.to)
            return man ? g.nr : g.nr + 10;
    }
    return 0;
}

QString EnergyExpenditure::label(const ActivityInputs& inputs, float expenditure) {
    return (inputs.sex == 1 ? QStringLiteral("Man ") : QStringLiteral("Kvinna ")) + inputs.age +
           QStringLiteral(" år, ") + inputs.weight + QStringLiteral(" kg.  ") +
           QString::number(double(expenditure), 'f', 0) + QStringLiteral(" kcal/dag");
}

void EnergyExpenditure::activate(ActiveNorm& norm, const ActivityInputs& inputs,
                                 const ActivityResult& result,
                                 const std::optional<NormRow>& ageRow) {
    if (ageRow) {
        norm.NormNumber = ageRow->Nr;
        norm.NormName = ageRow->Norm.left(NormActivation::kNameLength);
        for (int i = 0; i < kCopiedItems; ++i) {
            norm.ActiveNeed[i] = ageRow->values[i];
            norm.StandardNeed[i] = ageRow->values[i];
        }
    }
    const float kj = result.expenditure * kKjPerKcal;
    const auto& share = norm.NormEnergyShare;
    auto& need = norm.ActiveNeed;
    need[nutrientSlot(nutrient::Kcal)] = result.expenditure;
    need[nutrientSlot(nutrient::Kj)] = kj;
    need[nutrientSlot(nutrient::Protein)] = share[0] * kj / 1700.0f;
    need[nutrientSlot(nutrient::Fat)] = share[1] * kj / 3700.0f;
    need[nutrientSlot(nutrient::Carbohydrate)] = share[2] * kj / 1700.0f;
    need[nutrientSlot(nutrient::Saturated)] = share[3] * kj / 3700.0f;
    need[nutrientSlot(nutrient::Monounsaturated)] = share[4] * kj / 3700.0f;
    need[nutrientSlot(nutrient::Polyunsaturated)] = share[5] * kj / 3700.0f;
    norm.NormLabel = label(inputs, result.expenditure);
    norm.NormKind = kKind;
}

void EnergyExpenditure::activate(ActiveNorm& norm, const ActivityInputs& inputs,
                                 const ActivityResult& result, const FoodTable& normer) {
    std::optional<NormRow> row;
    const int nr = normNumber(roundedAge(inputs.age), inputs.sex == 1);
    if (nr > 0 && normer.isOpen()) {
        if (const std::optional<TableRecord> record = normer.findByCode(QString::number(nr)))
            row = NormTable::fromRecord(*record);
    }
    activate(norm, inputs, result, row);
}

ActivityChartBars EnergyExpenditure::chartBars(const ActivityResult& result,
                                               const NutrientValues& daySum, bool kj) {
    const float factor = kj ? kKjPerKcal : 1.0f;
    return {kj ? QStringLiteral("Dagens intag och förbruktning av energi, kJ")
               : QStringLiteral("Dagens intag och förbruktning av energi, kcal"),
            daySum[nutrientSlot(kj ? nutrient::Kj : nutrient::Kcal)], result.bmr * factor,
            result.total * factor};
}

NormEstimate EnergyExpenditure::estimate(const ActiveNorm& norm, const ActivityInputs& inputs,
                                         const ActivityResult& result, const FoodTable& normer) {
    ActiveNorm made = norm;
    activate(made, inputs, result, normer);
    NormEstimate estimate;
    estimate.kind = made.NormKind;
    estimate.label = made.NormLabel;
    estimate.need = made.ActiveNeed;
    estimate.headline = {{QStringLiteral("bmr_kcal"), double(result.bmr)},
                         {QStringLiteral("activity_kcal"), double(result.total)},
                         {QStringLiteral("energy_kcal"), double(result.expenditure)},
                         {QStringLiteral("energy_kj"), double(result.expenditure * kKjPerKcal)},
                         {QStringLiteral("minutes_left"), double(result.minutesLeft)}};
    return estimate;
}

} // namespace vexamat
