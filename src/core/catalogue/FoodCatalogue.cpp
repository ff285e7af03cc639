#include "core/catalogue/FoodCatalogue.h"

#include "core/catalogue/FoodTable.h"
#include "core/text/SwedishText.h"

#include <QSet>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>

namespace vexamat {

QString FoodCatalogue::portionText(const QVariant& value) {
    if (value.isNull())
        return {};
    bool ok = false;
    const double v = value.toDouble(&ok);
    if (!ok)
        return value.toString().left(FoodRecord::kPortionLength);
    QString text = QString::number(v, 'g', 15);
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text.left(FoodRecord::kPortionLength);
}

std::vector<FoodRecord> FoodCatalogue::readTable(const FoodTable& table, bool withGroup) {
    QStringList fields{QStringLiteral("Kod"), QStringLiteral("Livsmedel"), QStringLiteral("Enhet"),
                       QStringLiteral("Portionsstorlek")};
    if (withGroup)
        fields << QStringLiteral("Grupp1");
    // One plain pass over the table; the name order is made here, with each name's sort key
    // worked out once, rather than through the name index and a second sort.
    std::vector<FoodRecord> read;
    // The weights as three big-endian bytes each, so that keys compare with memcmp.
    std::string keys;
    std::vector<std::size_t> keyStart{0};
    std::u32string weights;
    table.scan(fields, [&](const QSqlQuery& r) {
        FoodRecord f;
        f.kod = r.value(0).toString().left(FoodRecord::kKodLength);
        const QString name = r.value(1).toString();
        f.livsmedel = name.left(FoodRecord::kLivsmedelLength);
        f.upperName = SwedishText::upper(f.livsmedel);
        f.enhet = r.value(2).toString().left(FoodRecord::kEnhetLength);
        f.portionsstorlek = portionText(r.value(3));
        if (withGroup)
            f.grupp1 = r.value(4).toString().left(FoodRecord::kGruppLength);
        // The whole name orders, as the table's name order does, also past the cut.
        weights.clear();
        SwedishText::appendSortKey(weights, name);
        for (char32_t w : weights) {
            keys.push_back(char((w >> 16) & 0xFF));
            keys.push_back(char((w >> 8) & 0xFF));
            keys.push_back(char(w & 0xFF));
        }
        keyStart.push_back(keys.size());
        read.push_back(std::move(f));
    });
    const auto key = [&](std::size_t i) {
        return std::string_view(keys).substr(keyStart[i], keyStart[i + 1] - keyStart[i]);
    };
    std::vector<std::size_t> order(read.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    // Names that compare equal keep the order of their exact text, then the table's.
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int byKey = key(a).compare(key(b));
        if (byKey != 0)
            return byKey < 0;
        const int byText = QString::compare(read[a].livsmedel, read[b].livsmedel);
        return byText != 0 ? byText < 0 : a < b;
    });
    std::vector<FoodRecord> out;
    out.reserve(read.size());
    for (std::size_t i : order)
        out.push_back(std::move(read[i]));
    return out;
}

QStringList FoodCatalogue::sortedList(QStringList list, const QStringList& items,
                                      int firstCompared) {
    // Each new item goes after the items that sort before or equal to it, as in a sorted
    // drop-down, so equal-sorting items keep the order they were met in; the heading stays
    // first. Items already there (from firstCompared on) are not added twice.
    QSet<QString> present;
    for (qsizetype i = firstCompared; i < list.size(); ++i)
        present.insert(list.at(i));
    QStringList added;
    for (const QString& item : items) {
        if (!present.contains(item)) {
            present.insert(item);
            added << item;
        }
    }
    if (added.isEmpty())
        return list;
    QStringList sorted = list.mid(1);
    sorted << added;
    std::stable_sort(sorted.begin(), sorted.end(), SwedishText::lessThan);
    QStringList out = list.mid(0, 1);
    out << sorted;
    return out;
}

void FoodCatalogue::addSorted(QStringList& list, const QString& item, int firstCompared) {
    for (int i = firstCompared; i < list.size(); ++i) {
        if (list.at(i) == item)
            return;
    }
    // A sorted drop-down places a new item after the items that sort before or equal to it;
    // the heading stays first even where an empty item would sort before it.
    qsizetype at = list.size();
    for (qsizetype i = 1; i < list.size(); ++i) {
        if (SwedishText::compare(item, list.at(i)) < 0) {
            at = i;
            break;
        }
    }
    list.insert(at, item);
}

bool FoodCatalogue::LoadCatalogue(const FoodTable& livtab100, const FoodTable& fabrikant,
                                  const FoodTable& egna, QString* error) {
    groupList = QStringList{kGroupHeading};
    addSorted(groupList, QStringLiteral("Bröd"), 1);
    const auto failed = [error](const FoodTable& t) {
        if (error)
            *error = QStringLiteral("Tabellen %1 kan inte läsas.").arg(t.name());
        return false;
    };
    if (!livtab100.isOpen())
        return failed(livtab100);
    MainFoods = readTable(livtab100, true);
    QStringList groups;
    groups.reserve(qsizetype(MainFoods.size()));
    for (const FoodRecord& f : MainFoods)
        groups << f.grupp1;
    groupList = sortedList(groupList, groups, 1);
    FoodCount[0] = int(MainFoods.size());
    if (!fabrikant.isOpen())
        return failed(fabrikant);
    FabrikantFoods = readTable(fabrikant, false);
    FoodCount[1] = int(FabrikantFoods.size());
    if (!egna.isOpen())
        return failed(egna);
    loadEgna(egna);
    return true;
}

void FoodCatalogue::loadEgna(const FoodTable& egna) {
    EgnaFoods = readTable(egna, false);
    FoodCount[2] = int(EgnaFoods.size());
}

bool FoodCatalogue::LoadDabas(const FoodTable& dabas, QString* error) {
    bool ok = true;
    if (dabas.isOpen()) {
        DabasFoods = readTable(dabas, true);
    } else {
        DabasFoods.clear();
        ok = false;
        if (error)
            *error = QStringLiteral("Tabellen %1 kan inte läsas.").arg(dabas.name());
    }
    DabasCount = int(DabasFoods.size());
    QStringList brands;
    brands.reserve(qsizetype(DabasFoods.size()));
    for (const FoodRecord& f : DabasFoods)
        brands << f.grupp1;
    brandList = sortedList(brandList, brands, 0);
    DabasLoaded = true;
    return ok;
}

} // namespace vexamat
