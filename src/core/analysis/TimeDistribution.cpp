#include "core/analysis/TimeDistribution.h"

#include "core/analysis/CalculationResults.h"

namespace vexamat {

QList<TimeDistribution::Bar> TimeDistribution::bars(const CalculationResults& results) {
    QList<Bar> out;
    for (int s = 0; s < CalculationResults::kTimeSlots; ++s) {
        const float percent = results.TimePercent[s];
        if (percent > 0.0f)
            out << Bar{s, s / 4.0, static_cast<double>(percent)};
    }
    return out;
}

QString TimeDistribution::caption(const QString& nutrientLabel, const QString& daySelectorText) {
    QString text = (QStringLiteral("Fördelning av ") + nutrientLabel).left(26);
    text = (text + QStringLiteral(" under ")).left(33);
    return text + daySelectorText;
}

} // namespace vexamat
