#pragma once

#include "core/catalogue/FoodRecord.h"
#include "core/catalogue/FoodSection.h"

#include <QString>

#include <vector>

namespace vexamat {

class FoodCatalogue;
class VexamatDatabase;

// The two registers as food-like entries of the catalogue, so that the search lists a
// recipe and a pick hands on its code. Codes follow title order and are never stored.
class RecipeIndex {
public:
    static inline const QString kOwnPrefix = QStringLiteral("receptegna");
    static inline const QString kGeneralPrefix = QStringLiteral("receptallm");

    // Rebuilds catalogue.OwnRecipes and GeneralRecipes with their counts: FoodCount[4] the
    // general count, FoodCount[3] the larger of the two. A register of any size is kept
    // whole.
    static void LoadRecipeIndex(const VexamatDatabase& database, FoodCatalogue& catalogue);

    // The title of the entry with this code, searched in the index its prefix names;
    // empty when no entry has it.
    static QString titleOfCode(const FoodCatalogue& catalogue, const QString& code);
    // The code of the first entry of the index whose title equals title; empty when none.
    static QString codeOfTitle(const FoodSection& index, const QString& title);
    // Whether a code names a recipe of the own register ("egna"), else the general.
    static bool isOwnCode(const QString& code) { return code.contains(kOwnPrefix); }
};

} // namespace vexamat
