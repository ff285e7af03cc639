#pragma once

#include <QString>

namespace vexamat {

// A bar line of a report, "!" name value unit " ?" percentage "&" recommendation "@", taken
// apart as the report engines draw it.
struct ReportBarLine {
    static constexpr int kLabelX = 8;
    static constexpr int kBarX = 140;
    static constexpr int kBarMaxWidth = 370;
    static constexpr int kPercentX = 510;
    static constexpr int kRecommendationX = 600;
    static constexpr int kMark50X = 240;
    static constexpr int kMark100X = 340;
    static constexpr int kMark150X = 440;

    QString label;          // name, value and unit
    int percent = 0;        // 0 when the line has a blank instead
    QString recommendation; // the recommended amount and unit, or " -"

    static bool isBarLine(const QString& text) { return text.startsWith(QLatin1Char('!')); }
    static ReportBarLine parse(const QString& text);

    // Width of the blue bar in pixels: two a percent, at most 370.
    int barWidth() const;
    // "   80%", "-> 200%" when the bar is cut, or "    -" for no percentage.
    QString percentText() const;
};

} // namespace vexamat
