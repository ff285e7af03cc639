#include "core/analysis/FoodContributions.h"

#include "core/AppState.h"
#include "core/text/FixedNumber.h"

#include <algorithm>
#include <cmath>

namespace vexamat {

namespace {

constexpr float kLeastAmount = 0.1f;

struct Entry {
    QString name;
    float grams = 0;
    float amount = 0;
};

} // namespace

QStringList FoodContributions::choices(const NutrientNames& names) {
    QStringList out{QStringLiteral("Vikt")};
    for (int no = kFirstNutrientNo; no <= kLastNutrientNo; ++no) {
        if (no != nutrient::Water && no != nutrient::Ash)
            out << names.label(no);
    }
    return out;
}

int FoodContributions::nutrientOfChoice(int index) {
    if (index == 0)
        return 0;
    if (index == 1 || index == 2)
        return index + 14;
    if (index >= 3 && index + 16 <= kLastNutrientNo)
        return index + 16;
    return -1;
}

FoodContributions::Result FoodContributions::compute(const AppState& s, int q, bool allDays) {
    Result result;
    const bool weight = !isNutrientNo(q);
    result.caption = weight ? QStringLiteral("Livsmedelsvikt") : s.names.label(q);
    const CalculationResults& r = *s.results;
    const std::size_t kj = std::size_t(nutrientSlot(nutrient::Kj));

    QList<Entry> entries;
    entries.reserve(64);
    const int firstDay = allDays ? 0 : s.CurrentDay;
    const int lastDay = allDays ? Registration::kDays - 1 : s.CurrentDay;
    for (int d = firstDay; d <= lastDay; ++d) {
        for (int m = 0; m < Registration::kMeals; ++m) {
            if (!(r.MealSum[d][m][kj] > 0.1f))
                continue;
            for (int i = 1; i <= Registration::kLastRow; ++i) {
                const MealRow& row = s.registration.row(d, m, i);
                if (row.isEmpty())
                    continue;
                const float g = row.gram;
                float a = g;
                if (!weight) {
                    // A missing value adds nothing, so that it never counts as an amount.
                    const float v = row.naring[std::size_t(nutrientSlot(q))];
                    a = v < 0 ? 0.0f : v * 0.01f * g;
                }
                const QString name = row.livsmedel.left(kNameLength);
                auto it = std::find_if(entries.begin(), entries.end(),
                                       [&](const Entry& e) { return e.name == name; });
                if (it != entries.end()) {
                    it->grams += g;
                    it->amount += a;
                } else if (entries.size() < kMaxFoods) {
                    entries.append({name, g, a});
                }
            }
        }
    }

    const int d = weight ? 0 : s.names.decimals(q);
    const QString unit = weight ? QString() : s.names.NutrientUnit[std::size_t(q)];
    for (const Entry& e : entries) {
        if (!(e.amount > kLeastAmount))
            continue;
        Line line;
        line.amount = e.amount;
        line.grams = e.grams;
        line.amountText = FixedNumber::format(e.amount, 6, d);
        line.name = e.name;
        if (!weight)
            line.gramsText =
                QStringLiteral(" (") + FixedNumber::format(e.grams, 0, d) + QStringLiteral("g) ");
        line.barLabel = e.name.left(25) + line.gramsText + line.amountText + unit;
        result.lines << line;
    }
    // Ascending by the amount as shown, then by name.
    std::stable_sort(result.lines.begin(), result.lines.end(), [](const Line& a, const Line& b) {
        const double x = a.amountText.toDouble();
        const double y = b.amountText.toDouble();
        return x != y ? x < y : a.name < b.name;
    });
    return result;
}

int FoodContributions::pointsPerPage(int chartHeight, int lines) {
    int points = std::min(int(std::nearbyint(chartHeight / 28.0)), lines);
    for (int k = 1; k <= 4; ++k) {
        if (lines == k * points + 1)
            --points;
    }
    return std::max(points, 1);
}

} // namespace vexamat
