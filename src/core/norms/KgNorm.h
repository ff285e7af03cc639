#pragma once

#include "core/norms/ActiveNorm.h"
#include "core/norms/NormEstimate.h"
#include "core/norms/NormRow.h"

#include <QString>

#include <optional>

namespace vexamat {

class FoodTable;
class VexamatDatabase;

// Norms stated per kg body weight (table "normkroppsvikt") turned into a day norm of kind
// "kgkroppsviktnorm": the per-kg values times the weight, the standard norm of the person's
// age group where the per-kg norm says nothing.
class KgNorm {
public:
    static inline const QString kKind = QStringLiteral("kgkroppsviktnorm");
    static inline const QString kLabelPrefix = QStringLiteral("Norm per kg kroppsvikt: ");
    static constexpr float kKcalPerKj = 0.239f;
    // A per-kg value at or below this says nothing about its nutrient.
    static constexpr float kEmpty = 0.00001f;
    // The standard norm items a day norm takes from the age group (kJ .. the fatty acids).
    static constexpr int kStandardItems = 51;

    // kJ per kg from protein, fat and carbohydrate, kcal per kg from it, both whole numbers.
    static void withEnergy(NormRow& perKg);
    // Writes kJ and kcal per kg into every record of "normkroppsvikt" whose stored energy
    // differs; changed tells whether any did. false with a Swedish reason when the table
    // cannot be written.
    static bool ComputeKgEnergy(const VexamatDatabase& database, bool* changed, QString* error);
    // The standard norm row ("normer") of the age group; ages 0 and 1 take the youngest
    // children's row and ages over 110 the oldest adults'.
    static int standardNormNumber(int age, bool man);
    // The day norm: base with items 0..50 from the age group's row (when given), then every
    // nutrient the per-kg norm states, times the weight.
    static NutrientValues dayNorm(const NormRow& perKg, float weight,
                                  const std::optional<NormRow>& ageRow, NutrientValues base);
    static std::optional<NormRow> standardRow(const FoodTable& normer, int age, bool man);
    // "Norm per kg kroppsvikt: " + name + "   " + kcal + " kcal/dag"
    static QString label(const QString& normName, float kcal);
    // Makes the day norm active (both copies) with its label and kind, and the energy shares
    // that follow from it.
    static void activate(ActiveNorm& norm, const NutrientValues& day, const QString& normName);
    static NormEstimate estimate(const ActiveNorm& norm, const NutrientValues& day,
                                 const QString& normName);
};

} // namespace vexamat
