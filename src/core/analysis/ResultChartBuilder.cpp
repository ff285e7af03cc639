#include "core/analysis/ResultChartBuilder.h"

#include "core/AppState.h"
#include "core/analysis/EnergyPie.h"
#include "core/registration/Conversions.h"

#include <algorithm>
#include <cmath>

namespace vexamat {

namespace {

constexpr float kNoShare = 0.001f;

// value / share, 0 when the share is none.
float perShare(float value, float share) {
    return share <= kNoShare ? 0.0f : value / share;
}

QString mealWord(const AppState& s) {
    switch (s.CurrentMeal) {
    case 0:
        return s.settings.WholeDayMode ? QStringLiteral("Hela ") : QStringLiteral("Frukost ");
    case 1:
        return QStringLiteral("Lunch ");
    case 2:
        return QStringLiteral("Middag ");
    default:
        return QStringLiteral("Mellanmål %1 ").arg(s.CurrentMeal - 2);
    }
}

QString mealNameOf(const AppState& s, int meal) {
    return meal == 0 && s.settings.WholeDayMode ? QStringLiteral("Hela dagen") : MealName(meal);
}

} // namespace

QString ResultChartBuilder::formatAmount(float value, int decimals) {
    return QString::asprintf("%6.*f", std::max(decimals, 0), static_cast<double>(value));
}

int ResultChartBuilder::FitBarsPerPage(int chartHeight, int selectedCount, int pixelsPerBar) {
    int value =
        std::min(static_cast<int>(std::nearbyint(chartHeight / double(std::max(pixelsPerBar, 1)))),
                 selectedCount);
    for (int k = 1; k <= 4; ++k) {
        if (selectedCount == k * value + 1)
            --value;
    }
    return value;
}

QString ResultChartBuilder::daySelectorText(const AppState& state, int day) {
    const bool hasFood = state.results->DaySum[day][nutrientSlot(nutrient::Kj)] > 0.1f;
    return (hasFood ? QStringLiteral("DAG%1") : QStringLiteral("dag%1")).arg(day + 1);
}

QString ResultChartBuilder::DrawChartTitle(const AppState& s, const Options& o) {
    const QString missing = QStringLiteral("Antal livsmedel som saknar näringsuppgift ");
    switch (s.ViewMode) {
    case 0:
        return (o.missingValuesMode ? missing : QStringLiteral("Näring i % av behovet för ")) +
               mealWord(s) + o.daySelectorText;
    case 1:
        if (o.missingValuesMode)
            return missing;
        return QStringLiteral("Näring i % av behovet för hela ") + o.daySelectorText;
    default:
        if (o.missingValuesMode)
            return missing;
        if (s.DayColourMeal >= 1)
            return QStringLiteral("Näring för ") + mealNameOf(s, s.DayColourMeal - 1) +
                   QStringLiteral(" under perioden i % av behovet.");
        return QStringLiteral("Näring i % av dagsbehovet för perioden");
    }
}

ResultChartData ResultChartBuilder::build(const AppState& s, const Options& o) {
    const CalculationResults& r = *s.results;
    const NutrientNames& names = s.names;
    const int day = s.CurrentDay;
    const int meal = s.CurrentMeal;
    const int days = r.DaysWithIntake;
    const float mealShare = s.settings.MealShare[meal];

    ResultChartData out;
    out.title = DrawChartTitle(s, o);
    out.mealShareMissing = mealShare <= kNoShare;

    for (int no = kFirstNutrientNo; no <= kLastNutrientNo; ++no) {
        if (!s.selection.isSelected(no))
            continue;
        const int n = nutrientSlot(no);
        ResultChartData::Bar bar;
        bar.nutrientNo = no;

        const int missing = s.ViewMode == 0   ? r.MealMissing[day][meal][n]
                            : s.ViewMode == 1 ? r.DayMissing[day][n]
                                              : r.PeriodMissing[n];
        if (missing > 0)
            out.anyMissing = true;
        if (o.missingValuesMode) {
            bar.label = (names.NutrientName[no] + QStringLiteral("   ")).left(15) +
                        QString::number(missing) + QStringLiteral(" st");
            bar.segments << ResultChartData::Segment{0, static_cast<float>(missing) * 10.0f};
            out.bars << bar;
            continue;
        }

        float amount = 0;
        float percent = 0;
        if (s.ViewMode == 0) {
            amount = r.MealSum[day][meal][n];
            const Registration::Meal& rows = s.registration.meal(day, meal);
            for (int row = 1; row <= Registration::kLastRow; ++row) {
                if (!rows[row].isEmpty())
                    bar.segments << ResultChartData::Segment{
                        row - 1, perShare(r.RowPercent(day, meal, row)[n], mealShare)};
            }
            percent = perShare(r.MealPercent[day][meal][n], mealShare);
        } else if (s.ViewMode == 1) {
            amount = r.DaySum[day][n];
            for (int m = 0; m < Registration::kMeals; ++m)
                bar.segments << ResultChartData::Segment{m, r.MealPercent[day][m][n]};
            percent = r.DayPercent[day][n];
        } else if (s.DayColourMeal < 1) {
            amount = r.PeriodAverage[n];
            for (int d = 0; d < Registration::kDays; ++d)
                bar.segments << ResultChartData::Segment{
                    d, days < 1 ? 0.0f : r.DayPercent[d][n] / static_cast<float>(days)};
            percent = r.PeriodPercent[n];
        } else {
            const int m = std::min(s.DayColourMeal - 1, Registration::kMeals - 1);
            const float share = s.settings.MealShare[m];
            amount = days < 1 ? 0.0f : r.MealPeriodSum[m][n] / static_cast<float>(days);
            float sum = 0;
            for (int d = 0; d < Registration::kDays; ++d) {
                sum += r.MealPercent[d][m][n];
                bar.segments << ResultChartData::Segment{
                    d, days < 1
                           ? 0.0f
                           : perShare(r.MealPercent[d][m][n] / static_cast<float>(days), share)};
            }
            percent = days < 1 ? 0.0f : perShare(sum / static_cast<float>(days), share);
        }
        const QString name = (names.NutrientName[no] + QLatin1Char(' ')).left(13);
        bar.label =
            o.valueLabels
                ? name + QString::number(static_cast<double>(percent), 'f', 0) + QLatin1Char('%')
                : name + formatAmount(amount, names.NutrientDecimals[no]) + names.NutrientUnit[no];
        out.bars << bar;
    }

    const EnergyShares& e = s.ViewMode == 0   ? r.MealEnergyShares[day][meal]
                            : s.ViewMode == 1 ? r.DayEnergyShares[day]
                                              : r.PeriodEnergyShares;
    out.actualEnergy = EnergyPie::slices(e);
    const auto& ideal = s.norm.NormEnergyShare;
    out.idealEnergy << ResultChartData::Slice{QStringLiteral("Prot"), ideal[0], kGreen}
                    << ResultChartData::Slice{QStringLiteral("Fett"), ideal[1], kRed}
                    << ResultChartData::Slice{QStringLiteral("Kolh"), ideal[2], kBlue};
    if (e.alcohol > 1.0f)
        out.idealEnergy << ResultChartData::Slice{QStringLiteral("Alko max"), 5.0f, kYellow};

    const auto kr = [](float v) { return FormatComma(v, 2) + QStringLiteral(" kr"); };
    if (s.ViewMode == 0)
        out.priceText = QStringLiteral("Pris ") + s.CurrentMealName + QStringLiteral(":  ") +
                        kr(r.MealPrice[day][meal]);
    else if (s.ViewMode == 1)
        out.priceText = QStringLiteral("Pris ") + o.daySelectorText + QStringLiteral(":  ") +
                        kr(r.DayPrice[day]);
    else
        out.priceText = QStringLiteral("Pris alla dagar:  ") + kr(r.TotalPrice);
    return out;
}

} // namespace vexamat
