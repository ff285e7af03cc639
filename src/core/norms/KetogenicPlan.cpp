#include "core/norms/KetogenicPlan.h"

#include "core/catalogue/FoodTable.h"
#include "core/catalogue/NutrientNames.h"
#include "core/norms/EnergyExpenditure.h"
#include "core/norms/NormTable.h"
#include "core/registration/Conversions.h"
#include "core/text/NumberText.h"

#include <cmath>

namespace vexamat {

namespace {

constexpr int kStandardItems = 51;

NumberText::Parsed parsed(const QString& text) {
    return NumberText::parsePlain(text);
}

} // namespace

QString KetogenicPlan::checkCell(Input input, const QString& text) {
    const NumberText::Parsed p = parsed(text);
    if (p.kind == NumberText::Kind::Empty)
        return {};
    switch (input) {
    case Input::Age:
        if (p.kind != NumberText::Kind::Number || p.value < 0 || p.value != std::floor(p.value))
            return QStringLiteral("Skriv ålder som ett heltal.");
        return {};
    case Input::Weight:
        if (p.kind != NumberText::Kind::Number || p.value <= 0)
            return QStringLiteral("Skriv vikten som ett tal större än 0.");
        return {};
    case Input::KcalPerKg:
        if (p.kind != NumberText::Kind::Number || p.value <= 0)
            return QStringLiteral("Skriv kalorier per kg som ett tal större än 0.");
        return {};
    case Input::ProteinPerKg:
        if (p.kind != NumberText::Kind::Number || p.value < 0)
            return QStringLiteral("Skriv gram protein per kg som ett tal, 0 eller mer.");
        return {};
    case Input::Ratio:
        // 9 R + 4 divides the energy: a ratio of 0 or less makes no ketogenic diet.
        if (p.kind != NumberText::Kind::Number || p.value <= 0)
            return QStringLiteral("Skriv ration som ett tal större än 0, t.ex. 4 för 4:1.");
        return {};
    case Input::Meals:
        if (p.kind != NumberText::Kind::Number)
            return QStringLiteral("Skriv antal måltider som ett tal.");
        return {};
    }
    return {};
}

std::optional<KetogenicResult> KetogenicPlan::compute(const KetogenicInputs& inputs) {
    for (int i = 0; i < int(inputs.cells.size()); ++i) {
        const QString& text = inputs.cells[std::size_t(i)];
        if (parsed(text).kind == NumberText::Kind::Empty || !checkCell(Input(i), text).isEmpty())
            return std::nullopt;
    }
    auto value = [&](Input input) { return TextToReal(inputs.cells[std::size_t(input)]); };
    KetogenicResult r;
    const float w = value(Input::Weight);
    const float ratio = value(Input::Ratio);
    r.meals = std::max(1.0f, value(Input::Meals));
    r.energy = w * value(Input::KcalPerKg);
    r.protein = w * value(Input::ProteinPerKg);
    const float units = r.energy / (9.0f * ratio + 4.0f);
    r.carbohydrate = units - r.protein;
    r.fat = (r.carbohydrate + r.protein) * ratio;
    return r;
}

int KetogenicPlan::normNumber(int age, bool man) {
    struct Group {
        int to, nr;
    };
    static constexpr Group men[] = {{14, 1}, {18, 2}, {30, 3}, {60, 4}, {75, 5}};
    static constexpr Group women[] = {{13, 11}, {17, 12}, {30, 13}, {60, 14}, {74, 15}};
    for (const Group& g : man ? men : women) {
        if (age <= g.to)
            return g.nr;
    }
    return man ? 6 : 16;
}

std::optional<NormRow> KetogenicPlan::normRow(const FoodTable& normer, int age, bool man) {
    if (!normer.isOpen())
        return std::nullopt;
    if (const std::optional<TableRecord> record =
            normer.findByCode(QString::number(normNumber(age, man))))
        return NormTable::fromRecord(*record);
    return std::nullopt;
}

NutrientValues KetogenicPlan::proposal(const KetogenicResult& result,
                                       const std::optional<NormRow>& ageRow, NutrientValues base) {
    if (ageRow) {
        for (int i = 0; i < kStandardItems; ++i)
            base[i] = ageRow->values[i];
    }
    base[nutrientSlot(nutrient::Kcal)] = result.energy;
    base[nutrientSlot(nutrient::Kj)] = result.energy * EnergyExpenditure::kKjPerKcal;
    base[nutrientSlot(nutrient::Protein)] = result.protein;
    base[nutrientSlot(nutrient::Fat)] = result.fat;
    base[nutrientSlot(nutrient::Carbohydrate)] = result.carbohydrate;
    return base;
}

QStringList KetogenicPlan::shown(const NutrientValues& values, const NutrientNames& names) {
    QStringList out;
    for (int c = 0; c < kNutrientCount; ++c)
        out << FormatComma(double(values[c]), names.decimals(nutrientNoOfSlot(c)));
    return out;
}

QString KetogenicPlan::label(const KetogenicInputs& inputs, const KetogenicResult& result) {
    const QString sexWord = inputs.sex == 1 ? QStringLiteral("Man ") : QStringLiteral("Kvinna ");
    return QStringLiteral("Ketogen norm: ") + QString::number(double(result.meals), 'f', 0) +
           QStringLiteral(" måltider/dag, ") + sexWord + QLatin1Char(' ') + inputs.cells[0] +
           QStringLiteral(" år, ") + FormatComma(double(result.energy), 2) +
           QStringLiteral(" kcal/dag");
}

std::array<float, 9> KetogenicPlan::mealShares(float meals) {
    std::array<float, 9> shares{};
    static constexpr float parts[] = {1.0f, 0.5f, 0.33f, 0.25f, 0.2f};
    if (!(meals >= 1.0f && meals <= 5.0f))
        return shares;
    const int m = static_cast<int>(meals);
    if (float(m) == meals) {
        for (int i = 0; i < m; ++i)
            shares[std::size_t(i)] = parts[m - 1];
    }
    return shares;
}

void KetogenicPlan::activate(ActiveNorm& norm, MealSettings& settings, const QStringList& dayNorm,
                             const QString& label, float meals) {
    for (int c = 0; c < kNutrientCount; ++c)
        norm.ActiveNeed[c] = TextToReal(dayNorm.value(c));
    norm.NormLabel = label;
    norm.NormKind = kKind;
    settings.MealShare = mealShares(meals);
}

NormEstimate KetogenicPlan::estimate(const ActiveNorm& norm, const KetogenicInputs& inputs,
                                     const FoodTable& normer, const NutrientNames& names) {
    NormEstimate estimate;
    const std::optional<KetogenicResult> result = compute(inputs);
    if (!result)
        return estimate;
    const int age = EnergyExpenditure::roundedAge(inputs.cells[0]);
    const NutrientValues day =
        proposal(*result, normRow(normer, age, inputs.sex == 1), norm.StandardNeed);
    ActiveNorm made = norm;
    MealSettings settings;
    activate(made, settings, shown(day, names), label(inputs, *result), result->meals);
    estimate.kind = made.NormKind;
    estimate.label = made.NormLabel;
    estimate.need = made.ActiveNeed;
    estimate.headline = {{QStringLiteral("energy_kcal"), double(result->energy)},
                         {QStringLiteral("fat_g"), double(result->fat)},
                         {QStringLiteral("protein_g"), double(result->protein)},
                         {QStringLiteral("carbohydrate_g"), double(result->carbohydrate)},
                         {QStringLiteral("meals"), double(result->meals)}};
    return estimate;
}

} // namespace vexamat
