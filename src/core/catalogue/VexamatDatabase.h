#pragma once

#include <QSqlDatabase>
#include <QString>

namespace vexamat {

// The SQLite file vexamat.db in the data folder, holding the food, norm and recipe tables.
class VexamatDatabase {
public:
    static inline const QString kFileName = QStringLiteral("vexamat.db");

    VexamatDatabase() = default;
    ~VexamatDatabase();
    VexamatDatabase(const VexamatDatabase&) = delete;
    VexamatDatabase& operator=(const VexamatDatabase&) = delete;

    // Opens an existing database; false with a Swedish message when the file is missing or
    // is no database.
    bool open(const QString& path, QString* error);
    // Creates a new, empty database file with every table.
    bool create(const QString& path, QString* error);
    void close();

    bool isOpen() const;
    QSqlDatabase db() const;
    QString path() const { return m_path; }
    bool hasTable(const QString& table) const;
    // Checks that the table exists with the expected fields in the expected order.
    bool checkTable(const QString& table, QString* error) const;
    bool createTable(const QString& table, QString* error);

private:
    bool openConnection(const QString& path, QString* error);

    QString m_connection;
    QString m_path;
};

} // namespace vexamat
