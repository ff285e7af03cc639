#include "core/catalogue/VexamatDatabase.h"

#include "core/catalogue/TableSchema.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

namespace vexamat {

namespace {
QAtomicInt g_connectionCounter;
}

VexamatDatabase::~VexamatDatabase() {
    close();
}

bool VexamatDatabase::openConnection(const QString& path, QString* error) {
    close();
    m_connection = QStringLiteral("vexamat-%1").arg(g_connectionCounter.fetchAndAddRelaxed(1));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(path);
    if (!db.open()) {
        if (error)
            *error =
                QStringLiteral("Kan inte öppna databasen %1: %2").arg(path, db.lastError().text());
        return false;
    }
    m_path = path;
    return true;
}

bool VexamatDatabase::open(const QString& path, QString* error) {
    if (!QFileInfo::exists(path)) {
        if (error)
            *error = QStringLiteral("Databasen %1 finns inte.").arg(path);
        return false;
    }
    if (!openConnection(path, error))
        return false;
    // SQLite opens any file lazily; reading the schema tells whether it is a database.
    QSqlQuery q(db());
    if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
        if (error)
            *error =
                QStringLiteral("Filen %1 är ingen databas: %2").arg(path, q.lastError().text());
        close();
        return false;
    }
    // A damaged page would otherwise be read as fewer foods or other values, without a word.
    QStringList problems;
    if (q.exec(QStringLiteral("PRAGMA quick_check"))) {
        while (q.next())
            problems << q.value(0).toString();
    } else {
        problems << q.lastError().text();
    }
    if (problems != QStringList{QStringLiteral("ok")}) {
        if (error)
            *error = QStringLiteral("Databasen %1 är skadad (%2). Lägg tillbaka en säkerhetskopia "
                                    "av filen, eller bygg standarddata på nytt med "
                                    "\"vexamat-cli make-db --source data --out MAPP\".")
                         .arg(path, problems.mid(0, 3).join(QStringLiteral("; ")));
        close();
        return false;
    }
    return true;
}

bool VexamatDatabase::create(const QString& path, QString* error) {
    if (!openConnection(path, error))
        return false;
    for (const QString& table : TableSchema::allTables()) {
        if (!createTable(table, error)) {
            close();
            return false;
        }
    }
    return true;
}

bool VexamatDatabase::createTable(const QString& table, QString* error) {
    QSqlQuery q(db());
    for (const QString& statement : TableSchema::createStatements(table)) {
        if (!q.exec(statement)) {
            if (error)
                *error = QStringLiteral("Kan inte skapa tabellen %1: %2")
                             .arg(table, q.lastError().text());
            return false;
        }
    }
    return true;
}

void VexamatDatabase::close() {
    if (m_connection.isEmpty())
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
    m_connection.clear();
    m_path.clear();
}

bool VexamatDatabase::isOpen() const {
    return !m_connection.isEmpty() && db().isOpen();
}

QSqlDatabase VexamatDatabase::db() const {
    return QSqlDatabase::database(m_connection, false);
}

bool VexamatDatabase::hasTable(const QString& table) const {
    return db().tables().contains(table);
}

bool VexamatDatabase::checkTable(const QString& table, QString* error) const {
    if (!hasTable(table)) {
        if (error)
            *error = QStringLiteral("Tabellen %1 saknas i databasen %2.").arg(table, m_path);
        return false;
    }
    const QSqlRecord record = db().record(table);
    const QList<FieldDef> expected = TableSchema::fields(table);
    if (record.count() != expected.size()) {
        if (error)
            *error = QStringLiteral("Tabellen %1 i %2 har %3 fält, men ska ha %4.")
                         .arg(table, m_path)
                         .arg(record.count())
                         .arg(expected.size());
        return false;
    }
    for (int i = 0; i < expected.size(); ++i) {
        if (record.fieldName(i) != expected.at(i).name) {
            if (error)
                *error =
                    QStringLiteral("Tabellen %1 i %2: fält %3 heter \"%4\", men ska heta \"%5\".")
                        .arg(table, m_path)
                        .arg(i)
                        .arg(record.fieldName(i), expected.at(i).name);
            return false;
        }
    }
    return true;
}

} // namespace vexamat
