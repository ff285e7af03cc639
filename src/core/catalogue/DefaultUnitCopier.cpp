#include "core/catalogue/DefaultUnitCopier.h"

#include "core/catalogue/TableSchema.h"
#include "core/catalogue/VexamatDatabase.h"

#include <QSqlError>
#include <QSqlQuery>

namespace vexamat {

int DefaultUnitCopier::copy(const VexamatDatabase& database, QString* error) {
    QSqlQuery query(database.db());
    const QString sql = QStringLiteral("UPDATE %1 SET %2 = %3, %4 = %5")
                            .arg(TableSchema::quoted(TableSchema::Livtab100),
                                 TableSchema::quoted(QStringLiteral("port1")),
                                 TableSchema::quoted(QStringLiteral("Portionsstorlek")),
                                 TableSchema::quoted(QStringLiteral("enhet1")),
                                 TableSchema::quoted(QStringLiteral("Enhet")));
    if (!query.exec(sql)) {
        if (error)
            *error = QStringLiteral("Tabellen livtab100 kunde inte ändras: %1")
                         .arg(query.lastError().text());
        return -1;
    }
    return query.numRowsAffected();
}

} // namespace vexamat
