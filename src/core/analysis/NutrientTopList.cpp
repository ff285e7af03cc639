#include "core/analysis/NutrientTopList.h"

#include "core/catalogue/FoodTable.h"
#include "core/catalogue/NutrientNames.h"
#include "core/catalogue/Nutrients.h"
#include "core/catalogue/TableSchema.h"
#include "core/text/TextCodec.h"

#include <QDir>

#include <algorithm>

namespace vexamat {

namespace {

constexpr double kSmallest = 0.011;

QString amountText(double amount) {
    return QStringLiteral("%1").arg(amount, 10, 'f', 2);
}

} // namespace

QString NutrientTopList::heading(const QString& tableName, bool perPortion) {
    QString source;
    if (tableName == TableSchema::Livtab100 || tableName == TableSchema::Livtab2005)
        source = QStringLiteral("Livsmedelsverket");
    else if (tableName == TableSchema::Egna)
        source = QStringLiteral("Egna livsmedel");
    else if (tableName == TableSchema::Fabrikant)
        source = QStringLiteral("Fabrikant livsmedel");
    else if (tableName == TableSchema::Dabas)
        source = QStringLiteral("DABAS livsmedel");
    else
        return {};
    return source + (perPortion ? QStringLiteral(" per portion") : QStringLiteral(" per 100 gram"));
}

NutrientTopList::Result NutrientTopList::build(const FoodTable& table, int nutrientNo,
                                               bool perPortion, const NutrientNames& names) {
    Result result;
    result.heading = heading(table.name(), perPortion);
    if (!isNutrientNo(nutrientNo)) {
        result.error = QStringLiteral("Okänt näringsämne: %1").arg(nutrientNo);
        return result;
    }
    if (!table.isOpen()) {
        result.error = QStringLiteral("Tabellen %1 är inte öppen.").arg(table.name());
        return result;
    }
    // Only the three fields needed: reading whole records costs most of the time.
    const QString nameField = QStringLiteral("Livsmedel");
    const QString portionField = QStringLiteral("Portionsstorlek");
    const QString valueField = table.fieldNames().value(nutrientNo - 1);
    const QString unit = names.NutrientUnit[nutrientNo];
    for (const TableRecord& record :
         table.recordsInKeyOrder({nameField, portionField, valueField})) {
        const QString name = record.text(0);
        if (name == QLatin1String("RESERV"))
            continue;
        const double value = record.numberOr(2, 0);
        if (!(value > kSmallest))
            continue;
        double portion = record.numberOr(1, 0);
        if (portion < 0.5)
            portion = 0;
        if (!perPortion) {
            result.lines << amountText(value) + u' ' + unit + u' ' + name;
        } else if (portion > 0.1) {
            result.lines << amountText(value * portion / 100) + u' ' + unit + u' ' + name +
                                QStringLiteral(" (") + QString::number(portion, 'f', 0) +
                                QStringLiteral(" g)");
        }
    }
    // Sorted as text, which with the amount right-aligned first is the order of the amount;
    // equal amounts follow the rest of the line. Then reversed: richest first.
    std::stable_sort(result.lines.begin(), result.lines.end(),
                     [](const QString& a, const QString& b) {
                         return QString::compare(a, b, Qt::CaseInsensitive) < 0;
                     });
    std::reverse(result.lines.begin(), result.lines.end());
    return result;
}

QStringList NutrientTopList::fileLines(const Result& list, const QString& nutrientLabel,
                                       int count) {
    QStringList lines{QStringLiteral("Näringsinnehåll ") + list.heading,
                      (QStringLiteral("Näringsämne ") + nutrientLabel).left(24), QString()};
    lines << list.lines.mid(0, std::clamp(count, 0, int(list.lines.size())));
    return lines;
}

bool NutrientTopList::write(const QString& path, const QStringList& fileLines, QString* error) {
    QString reason;
    if (TextCodec::writeLines(path, fileLines, &reason))
        return true;
    if (error)
        *error = QStringLiteral("Kunde inte skriva filen %1: %2")
                     .arg(QDir::toNativeSeparators(path), reason);
    return false;
}

} // namespace vexamat
