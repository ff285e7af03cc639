#include "core/recipes/RecipeIndex.h"

#include "core/catalogue/FoodCatalogue.h"
#include "core/catalogue/TableSchema.h"
#include "core/catalogue/VexamatDatabase.h"
#include "core/text/SwedishText.h"

#include <QSqlQuery>
#include <QVariant>

#include <algorithm>

namespace vexamat {

namespace {

std::vector<FoodRecord> readIndex(const VexamatDatabase& database, const QString& table,
                                  const QString& prefix) {
    struct Row {
        QString title;
        QString portions;
    };
    std::vector<Row> rows;
    QSqlQuery q(database.db());
    q.setForwardOnly(true);
    if (q.exec(QStringLiteral("SELECT \"Rubrik\", \"GrundPort\" FROM %1")
                   .arg(TableSchema::quoted(table)))) {
        while (q.next())
            rows.push_back(
                {q.value(0).toString(), q.value(1).isNull() ? QString() : q.value(1).toString()});
    }
    // Swedish title order, the same order the browsers show.
    std::sort(rows.begin(), rows.end(),
              [](const Row& a, const Row& b) { return SwedishText::lessThan(a.title, b.title); });
    std::vector<FoodRecord> index;
    index.reserve(rows.size());
    for (std::size_t n = 0; n < rows.size(); ++n) {
        FoodRecord f;
        f.kod = (prefix + QString::number(n)).left(FoodRecord::kKodLength);
        f.livsmedel = rows[n].title; // whole, so that a long title is still found
        f.portionsstorlek = rows[n].portions.left(FoodRecord::kPortionLength);
        f.upperName = SwedishText::upper(f.livsmedel);
        index.push_back(std::move(f));
    }
    return index;
}

} // namespace

void RecipeIndex::LoadRecipeIndex(const VexamatDatabase& database, FoodCatalogue& catalogue) {
    catalogue.OwnRecipes = readIndex(database, TableSchema::Recept, kOwnPrefix);
    catalogue.GeneralRecipes = readIndex(database, TableSchema::Recept2, kGeneralPrefix);
    catalogue.FoodCount[3] = int(catalogue.OwnRecipes.size());
    catalogue.FoodCount[4] = int(catalogue.GeneralRecipes.size());
    if (catalogue.FoodCount[4] > catalogue.FoodCount[3])
        catalogue.FoodCount[3] = catalogue.FoodCount[4];
}

QString RecipeIndex::titleOfCode(const FoodCatalogue& catalogue, const QString& code) {
    const FoodSection* index = code.contains(kOwnPrefix)       ? &catalogue.OwnRecipes
                               : code.contains(kGeneralPrefix) ? &catalogue.GeneralRecipes
                                                               : nullptr;
    if (!index)
        return {};
    for (const FoodRecord& f : *index) {
        if (f.kod == code)
            return f.livsmedel;
    }
    return {};
}

QString RecipeIndex::codeOfTitle(const FoodSection& index, const QString& title) {
    for (const FoodRecord& f : index) {
        if (f.livsmedel == title)
            return f.kod;
    }
    return {};
}

} // namespace vexamat
