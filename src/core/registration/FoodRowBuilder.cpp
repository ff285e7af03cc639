#include "core/registration/FoodRowBuilder.h"

#include "core/catalogue/FoodRecord.h"
#include "core/catalogue/FoodTable.h"
#include "core/catalogue/TableSchema.h"
#include "core/registration/Conversions.h"

namespace vexamat {

std::optional<FoodRowBuilder::Found> FoodRowBuilder::find(const Tables& tables,
                                                          const QString& code) {
    const std::pair<const FoodTable*, Source> order[] = {
        {&tables.livtab100, Source::Livtab100},
        {&tables.fabrikant, Source::Fabrikant},
        {&tables.egna, Source::Egna},
        {&tables.dabas, Source::Dabas},
    };
    for (const auto& [table, source] : order) {
        if (!table->isOpen())
            continue;
        if (std::optional<TableRecord> record = table->findByCode(code))
            return Found{source, std::move(*record)};
    }
    return std::nullopt;
}

QStringList FoodRowBuilder::fill(MealRow& row, const QString& code, const Found& found,
                                 bool withWaste) {
    const TableRecord& rec = found.record;
    QStringList messages;
    row.clear();
    row.kod = code.left(FoodRecord::kKodLength);
    row.livsmedel = rec.text(QStringLiteral("Livsmedel")).left(FoodRecord::kLivsmedelLength);
    row.enhet = rec.text(QStringLiteral("Enhet")).left(FoodRecord::kEnhetLength);
    const float portion = TextToReal(rec.text(QStringLiteral("Portionsstorlek")));
    row.enhetsvikt = portion;
    row.gram = portion;
    row.kgpris = TextToReal(rec.text(QStringLiteral("kgpris")));
    if (found.source == Source::Livtab100) {
        for (int k = 0; k < MealRow::kAltUnitCount; ++k) {
            row.altEnhet[k] = rec.text(QStringLiteral("enhet%1").arg(k + 1));
            row.altPort[k] = TextToReal(rec.text(QStringLiteral("port%1").arg(k + 1)));
        }
        if (withWaste)
            row.avfall = TextToReal(rec.text(QStringLiteral("Avfall _%_")));
    }
    if (found.source == Source::Fabrikant) {
        if (row.enhet == QLatin1String("tablett"))
            messages << QStringLiteral("Skriv 100 gram för en tablett, 200 gram för två osv.");
        else if (row.enhet == QLatin1String("dagsdos"))
            messages << QStringLiteral(
                "100 i gramkolumnen motsvarar en dagsdos, 50 en halvdagsdos osv.");
    }
    for (int i = 0; i < kNutrientCount; ++i) {
        const int pos = TableSchema::kFirstNutrientPosition + i;
        const std::optional<double> v = pos < rec.fieldCount() ? rec.number(pos) : std::nullopt;
        row.naring[i] = v ? float(*v) : -1.0f;
    }
    return messages;
}

QString FoodRowBuilder::notFoundMessage(const QString& code) {
    return QStringLiteral("Livsmedel med nr ") + code + QStringLiteral(" finns ej.");
}

} // namespace vexamat
