#include "core/recipes/RecipeFetch.h"

#include "core/catalogue/FoodRecord.h"
#include "core/catalogue/FoodTable.h"
#include "core/registration/Conversions.h"
#include "core/registration/FoodRowBuilder.h"
#include "core/registration/MealRow.h"

#include <optional>

namespace vexamat {

namespace {

// The empty rows from the meal's first empty row on, in order.
QList<int> freeRows(const Registration::Meal& meal) {
    QList<int> rows;
    for (int r = 1; r <= Registration::kLastRow; ++r) {
        if (meal[std::size_t(r)].isEmpty())
            rows << r;
    }
    return rows;
}

std::optional<FoodRowBuilder::Found> findFood(const RecipeFetch::Tables& t, const QString& code) {
    using Source = FoodRowBuilder::Source;
    // livtab2005 rows are filled like the other non-main tables: no alternative units.
    const std::pair<const FoodTable*, Source> order[] = {
        {&t.livtab100, Source::Livtab100}, {&t.fabrikant, Source::Fabrikant},
        {&t.egna, Source::Egna},           {&t.dabas, Source::Dabas},
        {&t.livtab2005, Source::Egna},
    };
    for (const auto& [table, source] : order) {
        if (!table->isOpen())
            continue;
        if (std::optional<TableRecord> record = table->findByCode(code))
            return FoodRowBuilder::Found{source, std::move(*record)};
    }
    return std::nullopt;
}

template <typename Item, typename Fill>
RecipeFetch::Result fillFree(Registration::Meal& meal, const QList<Item>& items, Fill&& fill) {
    RecipeFetch::Result result;
    const QList<int> rows = freeRows(meal);
    qsizetype next = 0;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (next >= rows.size()) {
            result.leftOut = int(items.size() - i);
            break;
        }
        MealRow row;
        if (!fill(items[i], row, result))
            continue;
        const int r = rows[next++];
        meal[std::size_t(r)] = row;
        if (result.firstRow == 0)
            result.firstRow = r;
        ++result.filled;
    }
    return result;
}

} // namespace

QStringList RecipeFetch::Result::messages() const {
    QStringList out;
    for (const QString& code : missingCodes)
        out << FoodRowBuilder::notFoundMessage(code);
    if (leftOut > 0)
        out << leftOutMessage(leftOut);
    return out;
}

QString RecipeFetch::leftOutMessage(int count) {
    return QStringLiteral("Måltiden rymmer inte hela receptet: %1 %2 kom inte med.")
        .arg(count)
        .arg(count == 1 ? QStringLiteral("rad") : QStringLiteral("rader"));
}

RecipeFetch::Result RecipeFetch::fillMeal(Registration::Meal& meal,
                                          const QList<KodgramEntry>& entries,
                                          const Tables& tables) {
    return fillFree(meal, entries, [&](const KodgramEntry& e, MealRow& row, Result& result) {
        if (e.code.contains(QLatin1Char(':'))) {
            row.kod = e.code.left(FoodRecord::kKodLength);
            row.livsmedel = e.code.left(FoodRecord::kLivsmedelLength);
            row.enhet = e.unitName.left(FoodRecord::kEnhetLength);
            row.enhetsvikt = TextToReal(e.unitWeight);
            row.gram = TextToReal(e.grams);
            return true;
        }
        const std::optional<FoodRowBuilder::Found> found = findFood(tables, e.code);
        if (!found) {
            result.missingCodes << e.code;
            return false;
        }
        FoodRowBuilder::fill(row, e.code, *found, false);
        row.gram = TextToReal(e.grams);
        if (found->source == FoodRowBuilder::Source::Livtab100) {
            if (!e.unitName.isEmpty())
                row.enhet = e.unitName.left(FoodRecord::kEnhetLength);
            if (!e.unitWeight.isEmpty())
                row.enhetsvikt = TextToReal(e.unitWeight);
        }
        return true;
    });
}

RecipeFetch::Result RecipeFetch::addRows(Registration::Meal& meal, const QList<MealRow>& rows) {
    return fillFree(meal, rows, [](const MealRow& from, MealRow& row, Result&) {
        row = from;
        return true;
    });
}

} // namespace vexamat
