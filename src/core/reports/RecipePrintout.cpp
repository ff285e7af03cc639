#include "core/reports/RecipePrintout.h"

#include "core/registration/Conversions.h"
#include "core/registration/MealGridText.h"
#include "core/reports/ReportNumber.h"

namespace vexamat {

QString RecipePrintout::amount(double grams) {
    if (grams >= 999)
        return ReportNumber::fixed(grams / 1000.0, 2) + QStringLiteral(" kg");
    return ReportNumber::fixed(grams, 0) + QStringLiteral(" g");
}

QList<RecipePrintout::Row> RecipePrintout::rows(const Registration::Meal& meal,
                                                const QString& portionsText,
                                                const QStringList& methodLines,
                                                const NutrientValues& mealSum,
                                                const EnergyShares& shares) {
    const double portions = TextToReal(portionsText);
    QList<Row> out;
    for (int r = 1; r <= Registration::kLastRow; ++r) {
        const MealGridText::Row cells = MealGridText::row(meal[r]);
        if (cells[0].isEmpty())
            continue;
        const QString unitPart = cells[2].isEmpty() || cells[2] == QLatin1String("port")
                                     ? QString()
                                     : QLatin1Char('=') + cells[1] + cells[2];
        Row row{cells[0].left(kNameLength), cells[3] + QLatin1Char('g') + unitPart, QString()};
        const double a = portions * double(TextToReal(cells[3]));
        row.gram2 = amount(a);
        if (a < 0.0001) {
            row.gram1.clear();
            row.gram2.clear();
        }
        out.append(row);
    }
    out.append(Row{});
    out.append(Row{});
    for (const QString& line : methodLines)
        out.append(Row{line, {}, {}});
    out.append(Row{});
    const auto whole = [](float v) { return ReportNumber::fixed(v, 0); };
    out.append(Row{QStringLiteral("Näring/port:  kJ ") +
                       whole(mealSum[nutrientSlot(nutrient::Kj)]) + QStringLiteral("  kcal ") +
                       whole(mealSum[nutrientSlot(nutrient::Kcal)]) + QStringLiteral("  Prot ") +
                       whole(mealSum[nutrientSlot(nutrient::Protein)]) +
                       QStringLiteral("g  Fett ") + whole(mealSum[nutrientSlot(nutrient::Fat)]) +
                       QStringLiteral("g  Kolh ") +
                       whole(mealSum[nutrientSlot(nutrient::Carbohydrate)]) + QLatin1Char('g'),
                   {},
                   {}});
    out.append(Row{QStringLiteral("Energifördelning:   Prot ") + whole(shares.protein) +
                       QStringLiteral("%     Fett ") + whole(shares.fat) +
                       QStringLiteral("%     Kolh ") + whole(shares.carbohydrate) +
                       QLatin1Char('%'),
                   {},
                   {}});
    return out;
}

} // namespace vexamat
