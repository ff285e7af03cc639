#include "support/TableFixture.h"

#include "core/catalogue/TableSchema.h"
#include "core/catalogue/VexamatDatabase.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QtDebug>

namespace vexamat {

bool TableFixture::insert(VexamatDatabase& db, const QString& table, const Record& record) {
    QStringList names;
    QStringList marks;
    for (const auto& field : record) {
        names << TableSchema::quoted(field.first);
        marks << QStringLiteral("?");
    }
    QSqlQuery q(db.db());
    q.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                  .arg(TableSchema::quoted(table), names.join(QLatin1Char(',')),
                       marks.join(QLatin1Char(','))));
    for (const auto& field : record)
        q.addBindValue(field.second);
    if (!q.exec()) {
        qWarning() << "TableFixture::insert" << table << q.lastError().text();
        return false;
    }
    return true;
}

TableFixture::Record TableFixture::food(const QString& kod, const QString& name,
                                        const QString& group, const QString& unit, double portion,
                                        const Record& more) {
    Record r{{QStringLiteral("Kod"), kod},
             {QStringLiteral("Livsmedel"), name},
             {QStringLiteral("Grupp1"), group},
             {QStringLiteral("Enhet"), unit},
             {QStringLiteral("Portionsstorlek"), portion}};
    r.insert(r.end(), more.begin(), more.end());
    return r;
}

} // namespace vexamat
