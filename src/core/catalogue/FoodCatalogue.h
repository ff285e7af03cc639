#pragma once

#include "core/catalogue/FoodRecord.h"
#include "core/catalogue/FoodSection.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace vexamat {

class FoodTable;

// The in-memory catalogue: a summary of every food of the four food tables, in name order,
// and the recipe indexes. The arrays grow to hold a table of any size.
class FoodCatalogue {
public:
    static inline const QString kGroupHeading = QStringLiteral(" Livsmedelsgrupper");
    static inline const QString kBrandHeading = QStringLiteral("  Välj varumärke");

    FoodSection MainFoods;      // livtab100
    FoodSection FabrikantFoods; // fabrikant
    FoodSection EgnaFoods;      // egna
    FoodSection OwnRecipes;     // recept
    FoodSection GeneralRecipes; // recept2
    FoodSection DabasFoods;     // dabas
    std::array<int, 5> FoodCount{};
    int DabasCount = 0;
    bool DabasLoaded = false;

    // The sorted group list (heading first) and brand list, as the drop-downs show them.
    QStringList groupList{kGroupHeading};
    QStringList brandList{kBrandHeading};

    // Reads livtab100 (building the group list), fabrikant and egna, in that order.
    // Stops at the first table that cannot be read, with its message.
    bool LoadCatalogue(const FoodTable& livtab100, const FoodTable& fabrikant,
                       const FoodTable& egna, QString* error);
    // Reads egna again (the own-foods editor's "Klar").
    void loadEgna(const FoodTable& egna);
    // Reads dabas and builds the brand list; DabasLoaded is set also after an error.
    bool LoadDabas(const FoodTable& dabas, QString* error);

    // Makes the table's text form of a number: decimal comma, no needless decimals.
    static QString portionText(const QVariant& value);

private:
    static std::vector<FoodRecord> readTable(const FoodTable& table, bool withGroup);
    static void addSorted(QStringList& list, const QString& item, int firstCompared);
    // The list with the items it lacks added in sorted place (see addSorted), in one sort.
    static QStringList sortedList(QStringList list, const QStringList& items, int firstCompared);
};

} // namespace vexamat
