#include "core/catalogue/OwnFoodCopy.h"

#include "core/catalogue/TableSchema.h"
#include "core/catalogue/VexamatDatabase.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

namespace vexamat {

QString OwnFoodCopy::nextCode(const VexamatDatabase& database) {
    qint64 largest = 0;
    QSqlQuery q(database.db());
    q.setForwardOnly(true);
    if (q.exec(
            QStringLiteral("SELECT \"Kod\" FROM %1").arg(TableSchema::quoted(TableSchema::Egna)))) {
        while (q.next()) {
            const QString code = q.value(0).toString().trimmed();
            if (!code.startsWith(QLatin1String("egna"), Qt::CaseInsensitive))
                continue;
            bool ok = false;
            const qint64 n = code.mid(4).toLongLong(&ok);
            if (ok && n > largest && code.mid(4).front().isDigit())
                largest = n;
        }
    }
    const qint64 next = largest + 1;
    return (next >= 100 ? QStringLiteral("egna") : QStringLiteral("egna0")) + QString::number(next);
}

bool OwnFoodCopy::copy(const VexamatDatabase& database, const QString& livtabCode, Result* result,
                       QString* error) {
    const auto fail = [error](const QString& message) {
        if (error)
            *error = message;
        return false;
    };
    QSqlQuery read(database.db());
    if (!read.prepare(QStringLiteral("SELECT * FROM %1 WHERE \"Kod\" = ?")
                          .arg(TableSchema::quoted(TableSchema::Livtab100))))
        return fail(read.lastError().text());
    read.bindValue(0, livtabCode);
    if (!read.exec() || !read.next())
        return fail(
            QStringLiteral("Livsmedlet %1 finns inte i livsmedelstabellen.").arg(livtabCode));

    const int fieldCount = TableSchema::kFoodFieldCount;
    const QString name = read.value(1).toString();
    result->code = nextCode(database);
    result->name = name + QStringLiteral(" (slv") + livtabCode + QLatin1Char(')');

    QStringList marks;
    for (int i = 0; i < fieldCount; ++i)
        marks << QStringLiteral("?");
    QSqlQuery write(database.db());
    if (!write.prepare(
            QStringLiteral("INSERT INTO %1 VALUES (%2)")
                .arg(TableSchema::quoted(TableSchema::Egna), marks.join(QLatin1Char(',')))))
        return fail(write.lastError().text());
    write.bindValue(0, result->code);
    write.bindValue(1, result->name);
    for (int i = 2; i < fieldCount; ++i)
        write.bindValue(i, read.value(i));
    if (!write.exec())
        return fail(QStringLiteral("Livsmedlet kan inte sparas i egna tabellen: %1")
                        .arg(write.lastError().text()));
    return true;
}

} // namespace vexamat
