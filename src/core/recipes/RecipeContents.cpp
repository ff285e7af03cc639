#include "core/recipes/RecipeContents.h"

#include "core/catalogue/FoodTable.h"
#include "core/recipes/Kodgram.h"
#include "core/registration/Conversions.h"

#include <cmath>

namespace vexamat {

QStringList RecipeContents::ingredientLines(const QString& kodgram, const Tables& tables) {
    QStringList lines;
    for (const KodgramEntry& e : Kodgram::parse(kodgram)) {
        // An entry of grams only (no unit part) shows its amount as stored.
        const QString grams =
            e.unitWeight.isEmpty() && e.unitName.isEmpty()
                ? e.grams
                : QStringLiteral("%1").arg(
                      QString::number(std::round(double(TextToReal(e.grams))), 'f', 0), 7);
        for (const FoodTable* t :
             {&tables.livtab100, &tables.dabas, &tables.egna, &tables.livtab2005}) {
            if (!t->isOpen())
                continue;
            if (const std::optional<TableRecord> rec = t->findByCode(e.code))
                lines << grams + QStringLiteral("g    ") + rec->text(QStringLiteral("Livsmedel"));
        }
    }
    return lines;
}

} // namespace vexamat
