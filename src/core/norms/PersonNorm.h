#pragma once

#include "core/norms/ActiveNorm.h"
#include "core/norms/NormEstimate.h"
#include "core/norms/NormRow.h"
#include "core/norms/PersonInputs.h"

#include <QString>

#include <optional>

namespace vexamat {

struct AppState;

// The personal norm: the energy need from sex, age, weight, height and activity (or from a
// basal metabolic rate per kg for the ill), the BMI, and the norm that activation makes.
class PersonNorm {
public:
    static inline const QString kKind = QStringLiteral("personnorm");
    static inline const QString kRefused = QStringLiteral("Personuppgifter ej godkända.");
    static inline const QString kChildActivity =
        QStringLiteral("Kan ej användas för barn under 12 år");
    static constexpr int kIllBmrSpecial = 3;
    // The BMI button's left edge on the designed scale, in pixels.
    static constexpr int kBmiLeftMin = 277;
    static constexpr int kBmiLeftMax = 574;

    // E in kcal per day; 0 when the inputs give none.
    static float energyNeed(const PersonInputs& in);
    // Whether the activity groups apply (an age over 11).
    static bool activitiesEnabled(const PersonInputs& in);
    // Only with a weight over 10 kg and a height over 100 cm.
    static std::optional<float> bmi(const PersonInputs& in);
    static QString bmiCaption(std::optional<float> bmi); // "BMI 22.0" or "BMI - - -"
    static int bmiLeft(std::optional<float> bmi);
    // "1708 kcal / 7145 kJ", or "- - - -  kcal /  kJ" when there is no need.
    static QString energyText(float energy);

    // The norm-table row of the age group (1..6 men, 11..16 women); 0 when the age has none.
    static int normNumber(const PersonInputs& in);
    // Whether activation accepts the inputs: age 11..110, weight >= 20, height >= 100 and an
    // energy need to activate.
    static bool acceptable(const PersonInputs& in);
    // The norm OK makes active: the nutrients of the age group's row (items 0..50; the rest
    // from current), the energy items from E, the energy givers from the current shares.
    // nullopt when the inputs are refused.
    static std::optional<NormEstimate> estimate(const PersonInputs& in, const ActiveNorm& current,
                                                const std::optional<NormRow>& row);
    // Activation: the estimate into the norm and the row's number, name and nutrients into
    // the standard need.
    static void apply(ActiveNorm& norm, const NormEstimate& estimate,
                      const std::optional<NormRow>& row);

    // The norm a ".pers" file gives, against the state's norm table and active norm.
    static std::optional<NormEstimate> fromFile(const QString& path, const AppState& state,
                                                QString* error);

    // Items of the row that the personal norm takes: energy kJ to selenium.
    static constexpr int kRowItems = 51;
};

} // namespace vexamat
