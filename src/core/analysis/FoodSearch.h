#pragma once

#include "core/analysis/FoodList.h"
#include "core/catalogue/FoodCatalogue.h"

#include <QList>
#include <QPair>

namespace vexamat {

class FoodTable;

// Searches and filters over the in-memory catalogue; the food list only shows the result.
class FoodSearch {
public:
    static inline const QString kNoHits = QStringLiteral("Ingen träff på  ");

    static QString companionLine(const FoodRecord& food);
    // The code between the first "{" and the first "}" of a companion line.
    static QString codeOfCompanion(const QString& companion);

    // The name search: for livtab100, fabrikant, egna and dabas in turn, the foods whose
    // upper-case name begins with the text, then those that contain it (both words, in any
    // order, when the text holds a blank), under the section headings. The list is replaced
    // and the number of food lines returned; the own and general recipes that match follow
    // under their headings, which show only when they have a match; an empty text leaves the list
    // as it is and returns -1. With onlyRawMaterials only the national food table's raw-material
    // groups are searched, under no headings.
    static int BuildFoodList(const FoodCatalogue& catalogue, const QString& text, bool withDabas,
                             FoodList* list, bool onlyRawMaterials = false);

    // Every livtab100 food whose group contains the text (letter case ignored). An empty
    // text changes nothing (false): the list keeps what it shows.
    static bool FilterByGroup(const FoodCatalogue& catalogue, const QString& group, FoodList* list);
    // Every fabrikant food whose code contains the fragment (letter case ignored).
    static bool FilterByManufacturer(const FoodCatalogue& catalogue, const QString& fragment,
                                     FoodList* list);

    // The manufacturer drop-down: caption and code fragment, the heading first.
    static const QList<QPair<QString, QString>>& manufacturers();

    // The web address of a food's article page: the fabrikant field "www", or for a DABAS
    // code ("dab" + GTIN) the public article page on the given host. Empty when there is none.
    static QString articleUrl(const QString& code, const FoodTable& fabrikant,
                              const QString& dabasHost);
    static QString dabasArticleUrl(const QString& code, const QString& dabasHost);
    // The text as a web address to open: http or https (an address without a scheme, such
    // as "www.arla.se", is taken as http). Empty for anything else, file:// included, so
    // that a table field can never open a local file or a program.
    static QString webLink(const QString& text);
};

} // namespace vexamat
