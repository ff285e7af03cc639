#pragma once

#include <QJsonObject>
#include <QStringList>

namespace vexamat {

struct AppState;

// The engine's results for a whole registration, for reading outside the window: the
// period, each day with food and each meal with food, per NutrientNo 15..86.
class RegistrationAnalysis {
public:
    // Runs the engine on the state and gives the results as one JSON object.
    static QJsonObject toJson(AppState& state);
    // The same results as readable Swedish text lines.
    static QStringList toText(AppState& state);

    // Whether a day or a meal holds at least one food (clock-time rows are no food).
    static bool dayHasFood(const AppState& state, int day);
    static bool mealHasFood(const AppState& state, int day, int meal);
};

} // namespace vexamat
