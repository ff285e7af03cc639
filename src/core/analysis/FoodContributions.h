#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace vexamat {

struct AppState;
class NutrientNames;

// Which foods a nutrient (or the weight) comes from: the foods of the current day's meals or
// of all days, summed by name, smallest amount first.
class FoodContributions {
public:
    static constexpr int kMaxFoods = 501; // further foods are not counted
    static constexpr int kNameLength = 80;

    struct Line {
        float amount = 0;
        float grams = 0;
        QString amountText; // (6:d)
        QString name;
        QString gramsText; // " (123g) " for a nutrient, empty for the weight
        QString barLabel;  // name cut to 25, grams text, amount text and unit
    };
    struct Result {
        QString caption;
        QList<Line> lines; // amounts above 0.1, ascending
    };

    // The choices of the nutrient list: "Vikt" and the labels of 15..86 without water and ash.
    static QStringList choices(const NutrientNames& names);
    // The nutrient number of a choice; 0 for the weight, -1 outside the list.
    static int nutrientOfChoice(int index);
    // nutrientNo 0 sums the grams.
    static Result compute(const AppState& state, int nutrientNo, bool allDays);
    // Bars on a page of a chart of this height, never leaving a last page of a single bar;
    // at least 1.
    static int pointsPerPage(int chartHeight, int lines);
};

} // namespace vexamat
