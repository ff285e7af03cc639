#include "core/recipes/RecipeRegister.h"

#include "core/catalogue/TableSchema.h"
#include "core/catalogue/VexamatDatabase.h"
#include "core/text/SwedishText.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>

namespace vexamat {

namespace {

const QString kColumns = QStringLiteral(
    "\"Rubrik\", \"Grupp1\", \"Grupp2\", \"kodgram\", \"Beskrivning\", \"GrundPort\"");

Recipe recipeOf(const QSqlQuery& q) {
    Recipe r;
    r.rubrik = q.value(0).toString();
    r.grupp1 = q.value(1).toString();
    r.grupp2 = q.value(2).toString();
    r.kodgram = q.value(3).toString();
    r.beskrivning = q.value(4).toString();
    r.grundPort = q.value(5).isNull() ? QString() : q.value(5).toString();
    return r;
}

} // namespace

RecipeRegister::RecipeRegister(const VexamatDatabase& database, Kind kind)
    : m_database(database), m_kind(kind) {}

QString RecipeRegister::tableName(Kind kind) {
    return kind == Kind::Own ? TableSchema::Recept : TableSchema::Recept2;
}

std::optional<Recipe> RecipeRegister::find(const QString& title) const {
    QSqlQuery q(m_database.db());
    q.setForwardOnly(true);
    if (!q.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE \"Rubrik\" = ?")
                       .arg(kColumns, TableSchema::quoted(tableName(m_kind)))))
        return std::nullopt;
    q.addBindValue(title);
    if (!q.exec() || !q.next())
        return std::nullopt;
    return recipeOf(q);
}

QList<Recipe> RecipeRegister::recipes(Order order) const {
    QList<Recipe> out;
    QSqlQuery q(m_database.db());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT %1 FROM %2")
                    .arg(kColumns, TableSchema::quoted(tableName(m_kind)))))
        return out;
    while (q.next())
        out << recipeOf(q);
    const auto key = [order](const Recipe& r) -> const QString& {
        return order == Order::Grupp1 ? r.grupp1 : order == Order::Grupp2 ? r.grupp2 : r.rubrik;
    };
    std::stable_sort(out.begin(), out.end(), [&](const Recipe& a, const Recipe& b) {
        const int c = SwedishText::compare(key(a), key(b));
        return c != 0 ? c < 0 : SwedishText::lessThan(a.rubrik, b.rubrik);
    });
    return out;
}

bool RecipeRegister::save(const Recipe& recipe, QString* error) {
    QSqlDatabase db = m_database.db();
    const auto fail = [&](const QString& reason) {
        db.rollback();
        if (error)
            *error = QStringLiteral("Receptet kunde inte sparas: ") + reason;
        return false;
    };
    if (!db.transaction())
        return fail(db.lastError().text());
    const QString table = TableSchema::quoted(tableName(m_kind));
    QSqlQuery q(db);
    const bool exists = find(recipe.rubrik).has_value();
    const QString sql =
        exists ? QStringLiteral("UPDATE %1 SET \"Grupp1\" = ?, \"Grupp2\" = ?, \"kodgram\" = ?, "
                                "\"Beskrivning\" = ? WHERE \"Rubrik\" = ?")
                     .arg(table)
               : QStringLiteral("INSERT INTO %1 (\"Grupp1\", \"Grupp2\", \"kodgram\", "
                                "\"Beskrivning\", \"Rubrik\") VALUES (?, ?, ?, ?, ?)")
                     .arg(table);
    if (!q.prepare(sql))
        return fail(q.lastError().text());
    q.addBindValue(recipe.grupp1.left(30));
    q.addBindValue(recipe.grupp2.left(30));
    q.addBindValue(recipe.kodgram);
    q.addBindValue(recipe.beskrivning);
    q.addBindValue(recipe.rubrik);
    if (!q.exec())
        return fail(q.lastError().text());
    if (!db.commit())
        return fail(db.lastError().text());
    return true;
}

RecipeRegister::Removed RecipeRegister::remove(const QString& title, QString* error) {
    QSqlQuery q(m_database.db());
    if (!q.prepare(QStringLiteral("DELETE FROM %1 WHERE \"Rubrik\" = ?")
                       .arg(TableSchema::quoted(tableName(m_kind))))) {
        if (error)
            *error = q.lastError().text();
        return Removed::Failed;
    }
    q.addBindValue(title);
    if (!q.exec()) {
        if (error)
            *error = QStringLiteral("Receptet kunde inte tas bort: ") + q.lastError().text();
        return Removed::Failed;
    }
    return q.numRowsAffected() > 0 ? Removed::Done : Removed::NotFound;
}

} // namespace vexamat
