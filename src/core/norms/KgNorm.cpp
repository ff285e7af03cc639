#include "core/norms/KgNorm.h"

#include "core/catalogue/FoodTable.h"
#include "core/catalogue/TableSchema.h"
#include "core/catalogue/VexamatDatabase.h"
#include "core/norms/NormActivation.h"
#include "core/norms/NormTable.h"

#include <QSqlError>
#include <QSqlQuery>

#include <cmath>

namespace vexamat {

namespace {

constexpr int kFirst = TableSchema::kFirstNutrientPosition;

} // namespace

void KgNorm::withEnergy(NormRow& perKg) {
    auto& v = perKg.values;
    const float kj = 17.0f * v[nutrientSlot(nutrient::Protein)] +
                     37.0f * v[nutrientSlot(nutrient::Fat)] +
                     17.0f * v[nutrientSlot(nutrient::Carbohydrate)];
    v[nutrientSlot(nutrient::Kj)] = std::rint(kj);
    v[nutrientSlot(nutrient::Kcal)] = std::rint(kj * kKcalPerKj);
}

bool KgNorm::ComputeKgEnergy(const VexamatDatabase& database, bool* changed, QString* error) {
    if (changed)
        *changed = false;
    FoodTable table(database, TableSchema::NormKroppsvikt);
    if (!table.open(error))
        return false;
    const QStringList& fields = table.fieldNames();
    QSqlQuery update(database.db());
    update.prepare(QStringLiteral("UPDATE %1 SET %2 = ?, %3 = ? WHERE %4 = ?")
                       .arg(TableSchema::quoted(TableSchema::NormKroppsvikt),
                            TableSchema::quoted(fields[kFirst]),
                            TableSchema::quoted(fields[kFirst + 1]),
                            TableSchema::quoted(fields[0])));
    for (const NormRow& stored : NormTable::allRows(table)) {
        NormRow row = stored;
        withEnergy(row);
        const int kj = nutrientSlot(nutrient::Kj);
        const int kcal = nutrientSlot(nutrient::Kcal);
        if (row.values[kj] == stored.values[kj] && row.values[kcal] == stored.values[kcal])
            continue;
        if (changed)
            *changed = true;
        update.addBindValue(double(row.values[nutrientSlot(nutrient::Kj)]));
        update.addBindValue(double(row.values[nutrientSlot(nutrient::Kcal)]));
        update.addBindValue(row.Nr);
        if (!update.exec()) {
            if (error)
                *error = QStringLiteral("Kan ej spara energin per kg i normkroppsvikt: %1")
                             .arg(update.lastError().text());
            return false;
        }
    }
    return true;
}

int KgNorm::standardNormNumber(int age, bool man) {
    if (age <= 5)
        return 24;
    if (age <= 9)
        return 25;
    struct Group {
        int to, nr;
    };
    static constexpr Group groups[] = {{13, 1}, {17, 2}, {30, 3}, {60, 4}, {74, 5}};
    int nr = 6;
    for (const Group& g : groups) {
        if (age <= g.to) {
            nr = g.nr;
            break;
        }
    }
    return man ? nr : nr + 10;
}

std::optional<NormRow> KgNorm::standardRow(const FoodTable& normer, int age, bool man) {
    if (!normer.isOpen())
        return std::nullopt;
    if (const std::optional<TableRecord> record =
            normer.findByCode(QString::number(standardNormNumber(age, man))))
        return NormTable::fromRecord(*record);
    return std::nullopt;
}

NutrientValues KgNorm::dayNorm(const NormRow& perKg, float weight,
                               const std::optional<NormRow>& ageRow, NutrientValues base) {
    if (ageRow) {
        for (int i = 0; i < kStandardItems; ++i)
            base[i] = ageRow->values[i];
    }
    for (int c = 0; c < kNutrientCount; ++c) {
        if (perKg.values[c] > kEmpty)
            base[c] = perKg.values[c] * weight;
    }
    return base;
}

QString KgNorm::label(const QString& normName, float kcal) {
    return kLabelPrefix + normName + QStringLiteral("   ") + QString::number(double(kcal), 'f', 0) +
           QStringLiteral(" kcal/dag");
}

void KgNorm::activate(ActiveNorm& norm, const NutrientValues& day, const QString& normName) {
    norm.ActiveNeed = day;
    norm.StandardNeed = day;
    norm.NormLabel = label(normName, day[nutrientSlot(nutrient::Kcal)]);
    norm.NormKind = kKind;
    NormActivation::ComputeNormEnergyShares(norm);
}

NormEstimate KgNorm::estimate(const ActiveNorm& norm, const NutrientValues& day,
                              const QString& normName) {
    ActiveNorm made = norm;
    activate(made, day, normName);
    NormEstimate estimate{made.NormKind, made.NormLabel, made.ActiveNeed, {}};
    estimate.headline = {{QStringLiteral("energy_kcal"), double(day[nutrientSlot(nutrient::Kcal)])},
                         {QStringLiteral("energy_kj"), double(day[nutrientSlot(nutrient::Kj)])}};
    return estimate;
}

} // namespace vexamat
