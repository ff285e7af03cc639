#pragma once

#include "core/diabetes/CarbohydrateSettings.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace vexamat {

struct CalculationResults;

// Insulin doses by the carbohydrate method: the carbohydrates of a meal divided by the typed
// ratio (grams covered by one unit), and the carbohydrate factor of each quarter hour of the
// day for the timeline's suggested doses. A ratio or factor that is 0, too small or no number
// gives no dose.
class CarbohydrateCounting {
public:
    static constexpr int kCarbohydrateNo = 21;
    static constexpr int kSlots = 97;            // quarter hours 0..95 and 96, rows without time
    static constexpr double kMinRatio = 0.1;     // a ratio at or below this gives no dose
    static constexpr double kMinFactor = 0.001;  // a factor below this gives no dose
    static constexpr double kMinDailyDose = 1.0; // the 500 rule needs more than this
    static constexpr float kStartScale = 4.0f;   // the timeline's dose bars at start

    // One row of the counting grid: a meal (0..8) or the whole day (9).
    struct Row {
        QString carbohydrates; // whole grams; empty below 0.1 g
        QString dose;          // one decimal with a point; empty when there is no dose
        QString barLabel;      // the meal's short name, a blank and the dose
        double doseValue = 0;
    };
    using Factors = std::array<float, kSlots>;

    // The dose of carbs grams with the ratio as typed; 0 when there is none.
    static double dose(double carbs, const QString& ratioText);
    // One decimal with a point; empty when it reads 0.0.
    static QString doseText(double dose);
    // The nine meals and the whole day of a day.
    static QList<Row> count(const CalculationResults& results, int day,
                            const CarbohydrateSettings& settings);
    // Whether any row of count() holds a dose.
    static bool hasDose(const QList<Row>& rows);

    // The factor of each quarter-hour slot: hour h's factor for slots 4h..4h+3, hour 23's for
    // slot 96.
    static Factors factorBySlot(const CarbohydrateSettings& settings);

    // The carbohydrate factor by the 500 rule: numerator / daily dose; none when the daily
    // dose is at most 1 or either text is no number.
    static std::optional<double> factorBy500Rule(const QString& numerator,
                                                 const QString& dailyDose);

    // A suggested dose bar of the timeline: the carbohydrates of slot s divided by its factor.
    struct InsulinBar {
        int slot = 0;
        double hours = 0;  // (slot - 1) / 4, just before the food bar of the slot
        double height = 0; // the dose times the scale
        double dose = 0;   // units of insulin, before the scale
    };
    static QList<InsulinBar> insulinBars(const CalculationResults& results, const Factors& factors,
                                         float scale);
};

} // namespace vexamat
