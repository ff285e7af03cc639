#pragma once

#include "core/norms/ActiveNorm.h"
#include "core/norms/NormEstimate.h"
#include "core/norms/NormRow.h"

#include <QList>
#include <QString>

#include <optional>

namespace vexamat {

class FoodTable;

// One row of the activity grid as the user sees it: the shown name ("Sova (1.0)"), the
// minutes and the activity's BMR factor. A row with an empty name is a free row.
struct ActivityRow {
    QString name;
    QString minutes;
    QString factor;
};

// What the activity window computes from: the texts of its boxes and its activity rows.
struct ActivityInputs {
    QString age = QStringLiteral("15");
    QString weight = QStringLiteral("55");
    int sex = 0; // 0 woman, 1 man
    QList<ActivityRow> rows;
};

// The day's energy use, in kcal.
struct ActivityResult {
    float bmr = 0;
    QStringList
        kcalPerMinute;     // per input row, as the grid shows it (2 decimals); empty for a free row
    QList<float> rowKcal;  // per input row; 0 for a free row
    float total = 0;       // extra energy of all activities
    float expenditure = 0; // bmr + total
    float minutesLeft = 0; // of the day's 1440; may be negative
};

// The bars of the activity window's chart: the day's intake against the day's expenditure,
// in kcal or kJ.
struct ActivityChartBars {
    QString title;
    float intake = 0;
    float rest = 0;     // the BMR
    float activity = 0; // the activities' extra energy
};

// The basal metabolic rate for sex, age and weight plus the extra energy of the day's
// activities, and the norm of kind "aktivnorm" made from it.
class EnergyExpenditure {
public:
    static inline const QString kKind = QStringLiteral("aktivnorm");
    static constexpr float kMinutesPerDay = 1440.0f;
    static constexpr float kKjPerKcal = 4.184f;
    // The BMR the window starts with, kept while the age is outside the table.
    static constexpr float kStartBmr = 1356.0f;
    static constexpr int kGridRows = 39;

    // The age as the norm tables read it: rounded to the nearest whole year, halves to even.
    static int roundedAge(const QString& ageText);
    // kcal per day; nullopt for an age outside 0..110.
    static std::optional<float> bmr(int age, float weight, bool man);
    // previousBmr is kept when the age is outside the table.
    static ActivityResult compute(const ActivityInputs& inputs, float previousBmr);
    // The number of the standard norm row for the age group; 0 when none is defined.
    static int normNumber(int age, bool man);
    // "Kvinna 15 år, 55 kg.  1417 kcal/dag"
    static QString label(const ActivityInputs& inputs, float expenditure);
    // Makes the expenditure the active norm: nutrients 0..50 from the age group's standard
    // row (when found; the rest stays), energy from the expenditure, protein, fat and the
    // fatty acids from the norm's energy shares.
    static void activate(ActiveNorm& norm, const ActivityInputs& inputs,
                         const ActivityResult& result, const std::optional<NormRow>& ageRow);
    static void activate(ActiveNorm& norm, const ActivityInputs& inputs,
                         const ActivityResult& result, const FoodTable& normer);
    static ActivityChartBars chartBars(const ActivityResult& result, const NutrientValues& daySum,
                                       bool kj);
    // The norm activate() gives, without changing norm.
    static NormEstimate estimate(const ActiveNorm& norm, const ActivityInputs& inputs,
                                 const ActivityResult& result, const FoodTable& normer);
};

} // namespace vexamat
