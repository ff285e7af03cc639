#pragma once

#include "analysis/FoodList.h"
#include "catalogue/FoodCatalogue.h"

namespace vexamat {

// Searches and filters over the in-memory catalogue; the food list only shows the result.
class FoodSearch {
public:
    static QString companionLine(const FoodRecord& food);
    // The code between the first "{" and the first "}" of a companion line.
    static QString codeOfCompanion(const QString& companion);

    // Every livtab100 food whose group contains the text (letter case ignored). An empty
    // text changes nothing (false): the list keeps what it shows.
    static bool FilterByGroup(const FoodCatalogue& catalogue, const QString& group, FoodList* list);
};

} // namespace vexamat
