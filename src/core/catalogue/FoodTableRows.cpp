#include "core/catalogue/FoodTableRows.h"

#include "core/catalogue/TableSchema.h"
#include "core/catalogue/VexamatDatabase.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace vexamat {

bool FoodTableRows::addEmpty(const VexamatDatabase& database, const QString& table,
                             const QString& code, QString* error) {
    const auto fail = [error](const QString& message) {
        if (error)
            *error = message;
        return false;
    };
    const QString trimmed = code.trimmed();
    if (trimmed.isEmpty())
        return fail(QStringLiteral("Koden får inte vara tom."));
    QSqlQuery exists(database.db());
    exists.prepare(
        QStringLiteral("SELECT 1 FROM %1 WHERE \"Kod\" = ?").arg(TableSchema::quoted(table)));
    exists.bindValue(0, trimmed);
    if (exists.exec() && exists.next())
        return fail(QStringLiteral("Koden %1 finns redan i tabellen.").arg(trimmed));
    QSqlQuery insert(database.db());
    insert.prepare(QStringLiteral("INSERT INTO %1 (\"Kod\", \"Livsmedel\") VALUES (?, '')")
                       .arg(TableSchema::quoted(table)));
    insert.bindValue(0, trimmed);
    if (!insert.exec())
        return fail(
            QStringLiteral("Livsmedlet kan inte läggas till: %1").arg(insert.lastError().text()));
    return true;
}

} // namespace vexamat
