#pragma once

#include "core/norms/ActiveNorm.h"
#include "core/norms/MealSettings.h"
#include "core/norms/NormEstimate.h"
#include "core/norms/NormRow.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace vexamat {

class FoodTable;
class NutrientNames;

// The inputs of the ketogenic calculator as its cells hold them.
struct KetogenicInputs {
    int sex = 0; // 0 woman, 1 man
    // Age, desired weight, kcal per kg, protein g per kg, ratio, meals per day.
    std::array<QString, 6> cells{QString(),           QString(),
                                 QString(),           QStringLiteral("1,5"),
                                 QStringLiteral("4"), QStringLiteral("4")};
    QStringList dayNorm; // the proposed day norm as shown, one text per nutrient (72)
};

// The day's energy, fat, protein and carbohydrate of a ketogenic diet.
struct KetogenicResult {
    float energy = 0;       // kcal
    float fat = 0;          // g
    float protein = 0;      // g
    float carbohydrate = 0; // g; negative when the ratio and protein leave no room for it
    float meals = 1;        // at least 1
};

// A ketogenic diet for a child from the desired weight, energy and protein per kg, the
// ratio of fat to protein plus carbohydrate and the meals per day, and the norm of kind
// "ketogennorm" proposed from it.
class KetogenicPlan {
public:
    static inline const QString kKind = QStringLiteral("ketogennorm");
    enum class Input { Age, Weight, KcalPerKg, ProteinPerKg, Ratio, Meals };

    // Why a cell's text cannot be used, in Swedish; empty when it can. An empty cell is no
    // error here: the plan waits for it.
    static QString checkCell(Input input, const QString& text);
    // nullopt until every cell holds a usable value.
    static std::optional<KetogenicResult> compute(const KetogenicInputs& inputs);
    // The norm-table row of the age group; ages over 110 take the oldest group.
    static int normNumber(int age, bool man);
    static std::optional<NormRow> normRow(const FoodTable& normer, int age, bool man);
    // base with items 0..50 from the age group's row (when given), then energy, protein, fat
    // and carbohydrate from the plan.
    static NutrientValues proposal(const KetogenicResult& result,
                                   const std::optional<NormRow>& ageRow, NutrientValues base);
    // The values as the window shows them, each with its nutrient's decimals.
    static QStringList shown(const NutrientValues& values, const NutrientNames& names);
    static QString label(const KetogenicInputs& inputs, const KetogenicResult& result);
    // Equal parts for 1 to 5 meals (3 meals: 0.33 each); all 0 otherwise.
    static std::array<float, 9> mealShares(float meals);
    // The day norm read from its shown texts becomes the active need (the standard copy
    // stays), with the label and kind; the meal shares follow the number of meals.
    static void activate(ActiveNorm& norm, MealSettings& settings, const QStringList& dayNorm,
                         const QString& label, float meals);
    static NormEstimate estimate(const ActiveNorm& norm, const KetogenicInputs& inputs,
                                 const FoodTable& normer, const NutrientNames& names);
};

} // namespace vexamat
