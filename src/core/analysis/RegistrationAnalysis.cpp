#include "core/analysis/RegistrationAnalysis.h"

#include "core/AppState.h"

#include <QJsonArray>

namespace vexamat {

namespace {

// Single-precision values shown with the digits they hold, not float noise.
double clean(float v) {
    return QString::number(double(v), 'g', 7).toDouble();
}

QJsonObject perNutrient(const NutrientValues& values) {
    QJsonObject o;
    for (int s = 0; s < kNutrientCount; ++s)
        o.insert(QString::number(nutrientNoOfSlot(s)), clean(values[s]));
    return o;
}

QJsonObject perNutrient(const NutrientCounts& counts) {
    QJsonObject o;
    for (int s = 0; s < kNutrientCount; ++s)
        o.insert(QString::number(nutrientNoOfSlot(s)), counts[s]);
    return o;
}

QJsonObject shares(const EnergyShares& e) {
    return QJsonObject{
        {QStringLiteral("protein"), clean(e.protein)},
        {QStringLiteral("fat"), clean(e.fat)},
        {QStringLiteral("carbohydrate"), clean(e.carbohydrate)},
        {QStringLiteral("alcohol"), clean(e.alcohol)},
        {QStringLiteral("sucrose"), clean(e.sucrose)},
        {QStringLiteral("saturated"), clean(e.saturated)},
        {QStringLiteral("monounsaturated"), clean(e.monounsaturated)},
        {QStringLiteral("polyunsaturated"), clean(e.polyunsaturated)},
        {QStringLiteral("omega3"), clean(e.omega3)},
        {QStringLiteral("omega6"), clean(e.omega6)},
    };
}

QString number(float v, int decimals) {
    return QString::number(double(v), 'f', decimals);
}

QString nutrientLabel(const AppState& state, int no) {
    const QString name = state.names.NutrientName[no];
    const QString unit = state.names.NutrientUnit[no];
    if (name.isEmpty())
        return QStringLiteral("Näringsämne %1").arg(no);
    return unit.isEmpty() ? name : QStringLiteral("%1 (%2)").arg(name, unit);
}

void textBlock(QStringList& out, const AppState& state, const QString& indent,
               const NutrientValues& sum, const NutrientCounts& missing,
               const NutrientValues& percent, const EnergyShares& e) {
    for (int s = 0; s < kNutrientCount; ++s) {
        const int no = nutrientNoOfSlot(s);
        const int decimals = qBound(0, state.names.NutrientDecimals[no], 3);
        QString line = indent + QStringLiteral("%1 %2").arg(no).arg(nutrientLabel(state, no), -40) +
                       QStringLiteral(" %1").arg(number(sum[s], decimals), 12) +
                       QStringLiteral(" %1 %").arg(number(percent[s], 0), 6);
        if (missing[s] > 0)
            line += QStringLiteral("  saknas i %1 livsmedel").arg(missing[s]);
        out << line;
    }
    out << indent + QStringLiteral("Energifördelning: protein %1 %, fett %2 %, kolhydrater %3 %, "
                                   "alkohol %4 %")
                        .arg(number(e.protein, 1), number(e.fat, 1), number(e.carbohydrate, 1),
                             number(e.alcohol, 1));
}

} // namespace

bool RegistrationAnalysis::mealHasFood(const AppState& state, int day, int meal) {
    for (const MealRow& row : state.registration.meal(day, meal)) {
        if (!row.isEmpty() && !row.isClockRow())
            return true;
    }
    return false;
}

bool RegistrationAnalysis::dayHasFood(const AppState& state, int day) {
    for (int m = 0; m < Registration::kMeals; ++m) {
        if (mealHasFood(state, day, m))
            return true;
    }
    return false;
}

QJsonObject RegistrationAnalysis::toJson(AppState& state) {
    state.recalculate();
    const CalculationResults& r = *state.results;
    QJsonObject root;
    root.insert(QStringLiteral("days_with_intake"), r.DaysWithIntake);
    root.insert(QStringLiteral("norm"),
                QJsonObject{{QStringLiteral("kind"), state.norm.NormKind},
                            {QStringLiteral("label"), state.norm.NormLabel},
                            {QStringLiteral("need"), perNutrient(state.norm.ActiveNeed)}});
    root.insert(QStringLiteral("period"),
                QJsonObject{{QStringLiteral("average"), perNutrient(r.PeriodAverage)},
                            {QStringLiteral("missing"), perNutrient(r.PeriodMissing)},
                            {QStringLiteral("percent"), perNutrient(r.PeriodPercent)},
                            {QStringLiteral("energy_shares"), shares(r.PeriodEnergyShares)}});
    QJsonArray days;
    for (int d = 0; d < Registration::kDays; ++d) {
        if (!dayHasFood(state, d))
            continue;
        QJsonArray meals;
        for (int m = 0; m < Registration::kMeals; ++m) {
            if (!mealHasFood(state, d, m))
                continue;
            meals.append(QJsonObject{
                {QStringLiteral("meal"), m},
                {QStringLiteral("name"), MealName(m)},
                {QStringLiteral("sum"), perNutrient(r.MealSum[d][m])},
                {QStringLiteral("missing"), perNutrient(r.MealMissing[d][m])},
                {QStringLiteral("percent"), perNutrient(r.MealPercent[d][m])},
                {QStringLiteral("energy_shares"), shares(r.MealEnergyShares[d][m])},
            });
        }
        days.append(QJsonObject{
            {QStringLiteral("day"), d + 1},
            {QStringLiteral("sum"), perNutrient(r.DaySum[d])},
            {QStringLiteral("missing"), perNutrient(r.DayMissing[d])},
            {QStringLiteral("percent"), perNutrient(r.DayPercent[d])},
            {QStringLiteral("energy_shares"), shares(r.DayEnergyShares[d])},
            {QStringLiteral("meals"), meals},
        });
    }
    root.insert(QStringLiteral("days"), days);
    return root;
}

QStringList RegistrationAnalysis::toText(AppState& state) {
    state.recalculate();
    const CalculationResults& r = *state.results;
    QStringList out;
    out << QStringLiteral("Norm: %1 (%2)").arg(state.norm.NormLabel, state.norm.NormKind)
        << QStringLiteral("Dagar med intag: %1").arg(r.DaysWithIntake) << QString()
        << QStringLiteral("Perioden, medelvärde per dag:");
    textBlock(out, state, QStringLiteral("  "), r.PeriodAverage, r.PeriodMissing, r.PeriodPercent,
              r.PeriodEnergyShares);
    for (int d = 0; d < Registration::kDays; ++d) {
        if (!dayHasFood(state, d))
            continue;
        out << QString() << QStringLiteral("Dag %1:").arg(d + 1);
        textBlock(out, state, QStringLiteral("  "), r.DaySum[d], r.DayMissing[d], r.DayPercent[d],
                  r.DayEnergyShares[d]);
        for (int m = 0; m < Registration::kMeals; ++m) {
            if (!mealHasFood(state, d, m))
                continue;
            out << QString() << QStringLiteral("  Dag %1, %2:").arg(d + 1).arg(MealName(m));
            textBlock(out, state, QStringLiteral("    "), r.MealSum[d][m], r.MealMissing[d][m],
                      r.MealPercent[d][m], r.MealEnergyShares[d][m]);
        }
    }
    return out;
}

} // namespace vexamat
