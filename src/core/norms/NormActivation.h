#pragma once

#include "core/norms/ActiveNorm.h"
#include "core/norms/NormRow.h"

#include <QStringList>

namespace vexamat {

// Making a norm-table row the active norm, and the checks and shares computed from it.
class NormActivation {
public:
    static constexpr int kNameLength = 80;
    static inline const QString kStartKind = QStringLiteral("standardnorm");
    // The kind written after a row is chosen; saved registrations carry this exact text.
    static inline const QString kChosenKind = QStringLiteral("standarnorm");
    static inline const QString kKetogenicKind = QStringLiteral("ketogennorm");

    // The norm at start-up: the default row's values, no label, kind "standardnorm".
    // NormNumber is taken only when the wanted row was found.
    static void loadDefault(ActiveNorm& norm, const NormRow& row, bool found);
    // Number, name and values of a chosen row into the active norm (label and kind are set
    // by the caller after the checks).
    static void takeRow(ActiveNorm& norm, const NormRow& row);
    // The warnings about a row whose energy values disagree; empty when they agree.
    static QStringList CheckNormEnergy(const ActiveNorm& norm);
    // "Norm: " + name + "   " + kcal + " kcal/dag", cut as the saved label expects.
    static QString BuildNormLabel(const QString& normName, float kcal);
    // The recommended energy shares from the need; false (nothing changed) when the need
    // gives no energy.
    static bool ComputeNormEnergyShares(ActiveNorm& norm);
};

} // namespace vexamat
