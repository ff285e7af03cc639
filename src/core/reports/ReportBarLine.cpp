#include "core/reports/ReportBarLine.h"

#include <algorithm>

namespace vexamat {

ReportBarLine ReportBarLine::parse(const QString& text) {
    ReportBarLine bar;
    const QString body = isBarLine(text) ? text.mid(1) : text;
    const qsizetype question = body.indexOf(QLatin1Char('?'));
    bar.label = question < 0 ? body : body.left(question);
    if (question < 0)
        return bar;
    const qsizetype amp = body.indexOf(QLatin1Char('&'), question + 1);
    const QString percent = body.mid(question + 1, amp < 0 ? -1 : amp - question - 1).trimmed();
    bar.percent = percent.toInt(); // a single blank reads as 0
    if (amp >= 0) {
        const qsizetype at = body.indexOf(QLatin1Char('@'), amp + 1);
        bar.recommendation = body.mid(amp + 1, at < 0 ? -1 : at - amp - 1);
    }
    return bar;
}

int ReportBarLine::barWidth() const {
    return std::clamp(2 * percent, 0, kBarMaxWidth);
}

QString ReportBarLine::percentText() const {
    if (2 * percent > kBarMaxWidth)
        return QStringLiteral("-> %1%").arg(percent);
    if (percent > 0)
        return QStringLiteral("   %1%").arg(percent);
    return QStringLiteral("    -");
}

} // namespace vexamat
