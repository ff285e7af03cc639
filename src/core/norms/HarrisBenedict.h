#pragma once

#include "core/norms/ActiveNorm.h"
#include "core/norms/HarrisInputs.h"
#include "core/norms/NormEstimate.h"
#include "core/norms/NormRow.h"

#include <QString>

#include <optional>

namespace vexamat {

struct AppState;

// The Harris–Benedict estimate: the basal metabolic rate from sex, age, weight and height
// times an activity factor, and the norm that activation makes of it.
class HarrisBenedict {
public:
    static inline const QString kKind = QStringLiteral("harrisnorm");
    static inline const QString kNoNeed = QStringLiteral("- - -");
    static inline const QString kAgeNotWhole = QStringLiteral("Skriv ålder som ett heltal.");
    static inline const QString kIncomplete = QStringLiteral("Uppgifterna ej korrekt ifyllda.");
    static inline const QString kNoNormForAge =
        QStringLiteral("Normtabellen har ingen norm för den åldern (högst 110 år).");

    // BMR in kcal per day; only with an age over 9, a weight over 9, a height over 100 and a
    // factor over 0.9.
    static std::optional<float> bmr(const HarrisInputs& in);
    // BMR times the factor, in the chosen unit.
    static std::optional<float> need(const HarrisInputs& in);
    // The need as the window shows it: a whole number, or "- - -".
    static QString needText(const HarrisInputs& in);
    // The norm-table row of the age group: 1..6 men, 11..16 women; 0 over 110 years.
    static int normNumber(int sex, int age);

    struct Activation {
        std::optional<NormEstimate> estimate;
        QString message; // why there is none
    };
    // The norm OK makes active from the inputs and the shown need: all nutrients of the age
    // group's row, the energy from the shown need, the energy givers from current's shares.
    static Activation activate(const HarrisInputs& in, const QString& shownNeed,
                               const ActiveNorm& current, const std::optional<NormRow>& row);

    // The norm a ".harris" file gives (in kcal), against the state's table and norm.
    static std::optional<NormEstimate> fromFile(const QString& path, const AppState& state,
                                                QString* error);
};

} // namespace vexamat
