#include "core/recipes/MealTools.h"

#include "core/catalogue/OwnFoodCopy.h"
#include "core/catalogue/TableSchema.h"
#include "core/catalogue/VexamatDatabase.h"
#include "core/registration/Conversions.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include <cmath>

namespace vexamat {

namespace {

// A typed number: blanks around it allowed, a decimal comma or point; nothing else.
bool typedNumber(const QString& text, float* value) {
    QString t = text.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return false;
    *value = float(v);
    return true;
}

} // namespace

bool MealTools::portionsOf(const QString& text, float* portions) {
    float n = 0;
    if (!typedNumber(text, &n) || n < 1)
        return false;
    *portions = n;
    return true;
}

void MealTools::divide(Registration::Meal& meal, float portions) {
    for (int r = 1; r <= Registration::kLastRow; ++r) {
        MealRow& row = meal[std::size_t(r)];
        if (!row.isEmpty())
            row.gram /= portions;
    }
}

float MealTools::totalGrams(const Registration::Meal& meal) {
    float sum = 0;
    for (int r = 1; r <= Registration::kLastRow; ++r) {
        if (!meal[std::size_t(r)].isEmpty())
            sum += meal[std::size_t(r)].gram;
    }
    return sum;
}

bool MealTools::weightOf(const QString& text, float* grams) {
    float w = 0;
    if (!typedNumber(text, &w) || w < 0.1f)
        return false;
    *grams = w;
    return true;
}

NutrientValues MealTools::per100g(const NutrientValues& mealSum, float finishedGrams) {
    NutrientValues v{};
    const float f = finishedGrams / 100.0f;
    for (int s = 0; s < kNutrientCount; ++s)
        v[std::size_t(s)] = mealSum[std::size_t(s)] / f;
    return v;
}

bool MealTools::storeOwnFood(const VexamatDatabase& database, const QString& name,
                             float finishedGrams, const NutrientValues& values, Stored* stored,
                             QString* error) {
    QSqlDatabase db = database.db();
    const auto fail = [&](const QString& reason) {
        db.rollback();
        if (error)
            *error = QStringLiteral("Artikeln kunde inte läggas upp: ") + reason;
        return false;
    };
    if (!db.transaction())
        return fail(db.lastError().text());
    const QString table = TableSchema::quoted(TableSchema::Egna);

    QString code;
    QSqlQuery find(db);
    find.setForwardOnly(true);
    if (!find.exec(QStringLiteral("SELECT \"Kod\" FROM %1 WHERE \"Livsmedel\" IS NULL OR "
                                  "TRIM(\"Livsmedel\") = '' OR UPPER(\"Livsmedel\") = 'RESERV' "
                                  "ORDER BY \"Kod\" LIMIT 1")
                       .arg(table)))
        return fail(find.lastError().text());
    if (find.next())
        code = find.value(0).toString();
    find.finish();
    if (code.isEmpty()) {
        // No placeholder left: the food gets a record of its own rather than being lost.
        code = OwnFoodCopy::nextCode(database);
        QSqlQuery insert(db);
        if (!insert.prepare(QStringLiteral("INSERT INTO %1 (\"Kod\") VALUES (?)").arg(table)))
            return fail(insert.lastError().text());
        insert.addBindValue(code);
        if (!insert.exec())
            return fail(insert.lastError().text());
    }

    const QList<FieldDef> fields = TableSchema::fields(TableSchema::Egna);
    QStringList sets{QStringLiteral("\"Livsmedel\" = ?"), QStringLiteral("\"Portionsstorlek\" = ?"),
                     QStringLiteral("\"Enhet\" = ?")};
    for (int i = 0; i < kNutrientCount; ++i)
        sets << TableSchema::quoted(fields[TableSchema::kFirstNutrientPosition + i].name) +
                    QStringLiteral(" = ?");
    QSqlQuery update(db);
    if (!update.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE \"Kod\" = ?")
                            .arg(table, sets.join(QStringLiteral(", ")))))
        return fail(update.lastError().text());
    update.addBindValue(name.left(100));
    update.addBindValue(double(finishedGrams));
    update.addBindValue(QStringLiteral("port"));
    for (int i = 0; i < kNutrientCount; ++i)
        update.addBindValue(double(values[std::size_t(i)]));
    update.addBindValue(code);
    if (!update.exec())
        return fail(update.lastError().text());
    if (!db.commit())
        return fail(db.lastError().text());
    if (stored)
        *stored = {code, name.left(100)};
    return true;
}

} // namespace vexamat
