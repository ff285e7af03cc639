#include "core/norms/OwnEnergyNorm.h"

#include "core/AppState.h"
#include "core/catalogue/FoodTable.h"
#include "core/catalogue/NutrientNames.h"
#include "core/catalogue/TableRecord.h"
#include "core/catalogue/TableSchema.h"
#include "core/catalogue/VexamatDatabase.h"
#include "core/files/OwnNormFile.h"
#include "core/registration/Conversions.h"
#include "core/text/NumberText.h"

#include <QSqlError>
#include <QSqlQuery>

#include <cmath>

namespace vexamat {

namespace {
constexpr float kKjPerKcal = 4.184f;
} // namespace

int OwnEnergyNorm::normNumber(int sex, int age) {
    if (age < 10)
        return age >= 6 ? 25 : 24;
    const int base = sex == 1 ? 0 : 10;
    if (age <= 13)
        return base + 1;
    if (age <= 17)
        return base + 2;
    if (age <= 30)
        return base + 3;
    if (age <= 60)
        return base + 4;
    if (age <= 74)
        return base + 5;
    return base + 6;
}

bool OwnEnergyNorm::ageIsWhole(const QString& age) {
    bool ok = false;
    age.trimmed().toInt(&ok);
    return ok;
}

int OwnEnergyNorm::age(const QString& text) {
    return text.trimmed().toInt();
}

QString OwnEnergyNorm::sumText(const OwnNormInputs& in) {
    const float sum = TextToReal(in.protein) + TextToReal(in.fat) + TextToReal(in.carbohydrate);
    return QString::number(double(sum), 'f', 0) + QStringLiteral("%");
}

OwnEnergyNorm::Proposal OwnEnergyNorm::propose(const OwnNormInputs& in,
                                               const std::optional<NormRow>& row,
                                               const NutrientValues& previous) {
    Proposal out;
    if (!ageIsWhole(in.age)) {
        out.message = kAgeNotWhole;
        return out;
    }
    if (age(in.age) < 2)
        out.message = kYoungAge;
    out.made = true;
    out.values = previous;
    if (row) {
        for (int s = 0; s < kRowItems; ++s)
            out.values[s] = row->values[s];
    }
    const float kcal = TextToReal(in.kcal);
    const float kj = kcal * kKjPerKcal;
    out.values[nutrientSlot(nutrient::Kcal)] = kcal;
    out.values[nutrientSlot(nutrient::Kj)] = kj;
    out.values[nutrientSlot(nutrient::Protein)] = kj * TextToReal(in.protein) / 1700.0f;
    out.values[nutrientSlot(nutrient::Fat)] = kj * TextToReal(in.fat) / 3700.0f;
    out.values[nutrientSlot(nutrient::Carbohydrate)] = kj * TextToReal(in.carbohydrate) / 1700.0f;
    return out;
}

QStringList OwnEnergyNorm::cells(const NutrientValues& values, const NutrientNames& names) {
    QStringList out;
    for (int s = 0; s < kNutrientCount; ++s)
        out << QString::number(double(values[s]), 'f', names.decimals(nutrientNoOfSlot(s)));
    return out;
}

NormEstimate OwnEnergyNorm::estimate(const OwnNormInputs& in, const QStringList& cells) {
    NormEstimate out;
    out.kind = kKind;
    out.label = QStringLiteral("Norm: ") +
                (in.sex == 1 ? QStringLiteral("Man ") : QStringLiteral("Kvinna ")) +
                QStringLiteral(" ") + in.age + QStringLiteral(" år ") + in.kcal +
                QStringLiteral(" kcal/dag");
    for (int s = 0; s < kNutrientCount; ++s)
        out.need[s] = TextToReal(cells.value(s));
    out.headline.emplace_back(QStringLiteral("energy_kcal"),
                              double(out.need[nutrientSlot(nutrient::Kcal)]));
    out.headline.emplace_back(QStringLiteral("energy_kj"),
                              double(out.need[nutrientSlot(nutrient::Kj)]));
    return out;
}

std::array<float, 6> OwnEnergyNorm::energyShares(const OwnNormInputs& in) {
    const float fat = TextToReal(in.fat);
    // Order: protein, fat, carbohydrate, saturated, monounsaturated, polyunsaturated.
    return {TextToReal(in.protein), fat,           TextToReal(in.carbohydrate),
            fat * 0.3333f,          fat * 0.4167f, fat * 0.25f};
}

std::optional<NormEstimate> OwnEnergyNorm::fromFile(const QString& path, const AppState&,
                                                    QString* error) {
    OwnNormFile::Contents contents;
    if (!OwnNormFile::read(path, contents, error))
        return std::nullopt;
    return estimate(contents.inputs, contents.cells);
}

std::optional<int> OwnEnergyNorm::saveAsNamedNorm(const VexamatDatabase& database,
                                                  const QString& name, const QStringList& cells,
                                                  QString* error) {
    FoodTable normer(database, TableSchema::Normer);
    if (!normer.open(error))
        return std::nullopt;
    std::optional<int> free;
    for (const TableRecord& record : normer.recordsInKeyOrder()) {
        const QString norm = record.text(1);
        if (norm.isEmpty() || norm.toUpper() == QLatin1String("LEDIG")) {
            free = int(record.numberOr(0, 0));
            break;
        }
    }
    if (!free) {
        if (error)
            *error = kNoFreeRow;
        return std::nullopt;
    }
    const QStringList& fields = normer.fieldNames();
    QStringList sets{QStringLiteral("\"%1\" = ?").arg(fields.value(1))};
    for (int c = 0; c < kNutrientCount; ++c)
        sets << QStringLiteral("\"%1\" = ?")
                    .arg(fields.value(TableSchema::kFirstNutrientPosition + c));
    QSqlQuery query(database.db());
    query.prepare(QStringLiteral("UPDATE \"%1\" SET %2 WHERE \"%3\" = ?")
                      .arg(TableSchema::Normer, sets.join(QStringLiteral(", ")), fields.value(0)));
    query.addBindValue(name);
    for (int c = 0; c < kNutrientCount; ++c) {
        // Stored as a number: the table keeps numbers, not texts with a decimal comma.
        const float v = TextToReal(cells.value(c));
        query.addBindValue(v < 0.0001f ? QVariant() : QVariant(double(v)));
    }
    query.addBindValue(*free);
    if (!query.exec()) {
        if (error)
            *error = query.lastError().text();
        return std::nullopt;
    }
    return free;
}

} // namespace vexamat
