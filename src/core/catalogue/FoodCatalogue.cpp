#include "core/catalogue/FoodCatalogue.h"

#include "core/catalogue/FoodTable.h"
#include "core/text/SwedishText.h"

#include <QVariant>

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
    const QList<TableRecord> records = table.recordsInNameOrder(fields);
    std::vector<FoodRecord> out;
    out.reserve(records.size());
    for (const TableRecord& r : records) {
        FoodRecord f;
        f.kod = r.text(0).left(FoodRecord::kKodLength);
        f.livsmedel = r.text(1).left(FoodRecord::kLivsmedelLength);
        f.upperName = SwedishText::upper(f.livsmedel);
        f.enhet = r.text(2).left(FoodRecord::kEnhetLength);
        f.portionsstorlek = portionText(r.value(3));
        if (withGroup)
            f.grupp1 = r.text(4).left(FoodRecord::kGruppLength);
        out.push_back(std::move(f));
    }
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
    for (const FoodRecord& f : MainFoods)
        addSorted(groupList, f.grupp1, 1);
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
    for (const FoodRecord& f : DabasFoods)
        addSorted(brandList, f.grupp1, 0);
    DabasLoaded = true;
    return ok;
}

} // namespace vexamat
