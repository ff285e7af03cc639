#include "core/analysis/NutrientTopList.h"

#include "core/catalogue/FoodTable.h"
#include "core/catalogue/NutrientNames.h"
#include "core/catalogue/Nutrients.h"
#include "core/catalogue/TableSchema.h"
#include "core/text/TextCodec.h"

#include <QDir>
#include <QSqlQuery>

#include <algorithm>
#include <vector>

namespace vexamat {

namespace {

constexpr double kSmallest = 0.011;
constexpr int kAmountWidth = 10;

QString amountText(double amount) {
    return QStringLiteral("%1").arg(amount, kAmountWidth, 'f', 2);
}

// The digits of an amount text ("   12.50") as a whole number of hundredths.
qint64 hundredths(const QString& amount) {
    qint64 n = 0;
    for (const QChar c : amount) {
        if (c.isDigit())
            n = n * 10 + (c.unicode() - '0');
    }
    return n;
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
    // Only the three fields needed, streamed: reading whole records costs most of the time.
    const QString nameField = QStringLiteral("Livsmedel");
    const QString portionField = QStringLiteral("Portionsstorlek");
    const QString valueField = table.fieldNames().value(nutrientNo - 1);
    const QString unit = names.NutrientUnit[nutrientNo];
    struct Entry {
        qint64 amount; // the amount as its text shows it, in hundredths
        QString line;
    };
    std::vector<Entry> entries;
    const auto number = [](const QVariant& v) {
        bool ok = false;
        const double d = v.isNull() ? 0 : v.toDouble(&ok);
        return ok ? d : 0.0;
    };
    table.scan({nameField, portionField, valueField}, [&](const QSqlQuery& row) {
        const QString name = row.value(0).toString();
        if (name == QLatin1String("RESERV"))
            return;
        const double value = number(row.value(2));
        if (!(value > kSmallest))
            return;
        double portion = number(row.value(1));
        if (portion < 0.5)
            portion = 0;
        QString amount;
        QString line;
        if (!perPortion) {
            amount = amountText(value);
            line = amount + u' ' + unit + u' ' + name;
        } else if (portion > 0.1) {
            amount = amountText(value * portion / 100);
            line = amount + u' ' + unit + u' ' + name + QStringLiteral(" (") +
                   QString::number(portion, 'f', 0) + QStringLiteral(" g)");
        } else {
            return;
        }
        entries.push_back({hundredths(amount), std::move(line)});
    });
    // Ordered as the lines' text, which with the amount right-aligned first is the order of
    // the amount; equal amounts follow the rest of the line. Richest first.
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        if (a.amount != b.amount)
            return a.amount > b.amount;
        return QStringView(a.line).compare(QStringView(b.line), Qt::CaseInsensitive) > 0;
    });
    result.lines.reserve(qsizetype(entries.size()));
    for (Entry& e : entries)
        result.lines << std::move(e.line);
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
