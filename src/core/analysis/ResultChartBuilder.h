#pragma once

#include "core/analysis/ResultChartData.h"

#include <QString>

namespace vexamat {

struct AppState;

// Turns the engine's results into the bars, labels, title, pies and price of the main
// window's result charts, for the current view, day and meal.
class ResultChartBuilder {
public:
    struct Options {
        bool missingValuesMode = false; // bars count the foods that lack a value
        bool valueLabels = false;       // labels show the bar's percentage ("Värde")
        QString daySelectorText;        // "dag3" or "DAG3"
    };

    static constexpr unsigned kGreen = 0x008000;
    static constexpr unsigned kRed = 0xFF0000;
    static constexpr unsigned kBlue = 0x0000FF;
    static constexpr unsigned kYellow = 0xFFFF00;

    static ResultChartData build(const AppState& state, const Options& options);
    static QString DrawChartTitle(const AppState& state, const Options& options);
    // How many bars a page of the chart holds so that no page holds a single bar; a bar
    // needs pixelsPerBar of the chart's height.
    static int FitBarsPerPage(int chartHeight, int selectedCount, int pixelsPerBar = 28);
    // The day box's text for a day: capitals when the day holds food.
    static QString daySelectorText(const AppState& state, int day);
    // Amount text as the bar labels show it: width 6, the nutrient's decimals, a point.
    static QString formatAmount(float value, int decimals);
};

} // namespace vexamat
