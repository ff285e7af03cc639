#include "analysis/FoodSearch.h"

#include "catalogue/SwedishText.h"

namespace vexamat {

QString FoodSearch::companionLine(const FoodRecord& food) {
    return food.livsmedel + QLatin1Char('{') + food.kod + QLatin1Char('}') + food.portionsstorlek +
           QLatin1Char('@') + food.enhet;
}

QString FoodSearch::codeOfCompanion(const QString& companion) {
    const qsizetype open = companion.indexOf(QLatin1Char('{'));
    const qsizetype close = companion.indexOf(QLatin1Char('}'));
    if (open < 0 || close < open)
        return {};
    return companion.mid(open + 1, close - open - 1);
}

bool FoodSearch::FilterByGroup(const FoodCatalogue& catalogue, const QString& group,
                               FoodList* list) {
    if (group.isEmpty())
        return false;
    list->clear();
    const QString g = SwedishText::upper(group);
    for (const FoodRecord& f : catalogue.MainFoods) {
        if (SwedishText::upper(f.grupp1).contains(g)) {
            list->lines << f.livsmedel;
            list->companions << companionLine(f);
        }
    }
    return true;
}

} // namespace vexamat
