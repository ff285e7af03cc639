#pragma once

#include "core/analysis/ResultChartData.h"

#include <QList>
#include <QString>

namespace vexamat {

struct AppState;

// The composition of the fat eaten in the current view (meal, day or the period's daily
// average): the fat qualities as bars and as a pie, omega-3 and omega-6, and their ratio.
struct FatComposition {
    struct Bar {
        QString label;
        float value = 0; // % of energy
    };

    QList<Bar> qualities;              // "Staplar": saturated, mono-, polyunsaturated
    QList<ResultChartData::Slice> pie; // "Cirkel", with "Övrigt fett"
    QList<Bar> omega;                  // "Omega 3 + Omega 6"
    float ratio = 0;                   // omega-6 / omega-3, 0 with hardly any omega-3
    QString ratioLabel;

    static FatComposition build(const AppState& state);
};

} // namespace vexamat
