#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace vexamat {

struct AppState;

// The tables of figures of the detail views: the selected nutrients in the current row, meal
// and day against the need, the same per kg body weight, and the current meal per 100 g.
// Cells are the texts the windows show, row 0 holding the headings.
class NutrientFigures {
public:
    // Cells by row, then column; row k (from 1) is the k-th selected nutrient.
    using Table = QList<QStringList>;

    struct Per100g {
        QString weightText; // the meal's weight in whole grams
        QStringList labels; // one per selected nutrient
        QStringList values; // per 100 g, or all empty when the weight is 0.1 g or less
    };

    // Selected nutrient numbers 15..86, ascending.
    static QList<int> selectedNutrients(const AppState& state);
    // Six columns: label, current row, meal, day, need, % of need.
    static Table figures(const AppState& state);
    // Five columns: label, current row, meal, day, period average, each per kg; nothing
    // when the weight text is no weight above 0.1 kg.
    static std::optional<Table> perKg(const AppState& state, const QString& kgText);
    // The current meal per 100 g of its weight, or of the corrected weight when one is typed.
    static Per100g per100g(const AppState& state, const QString& correctedWeightText);
    // Grams of the non-empty rows of the current meal.
    static float mealWeight(const AppState& state);
};

} // namespace vexamat
