#pragma once

#include "core/catalogue/TableRecord.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

namespace vexamat {

class VexamatDatabase;

// A table of the database opened by name: find a record on the primary index, find by the
// wholesaler article number, walk it in name order, read fields by name or position.
class FoodTable {
public:
    FoodTable() = default;
    FoodTable(const VexamatDatabase& database, const QString& table);

    // Checks that the table exists with its field layout; a Swedish message when not.
    bool open(QString* error);
    bool isOpen() const { return m_open; }
    const QString& name() const { return m_table; }
    const QStringList& fieldNames() const { return *m_fields; }
    int position(const QString& fieldName) const;

    std::optional<TableRecord> findByCode(const QString& key) const;
    std::optional<TableRecord> findByArticleNumber(const QString& articleNumber) const;
    // The records of many codes at once, by code; codes the table lacks are left out.
    QHash<QString, TableRecord> findByCodes(const QStringList& keys) const;

    // All records (or only the named fields) in name order: Swedish order of the name
    // field, letter case ignored.
    QList<TableRecord> recordsInNameOrder(const QStringList& fields = {}) const;
    QList<TableRecord> recordsInKeyOrder(const QStringList& fields = {}) const;
    // Hands every row's values of the fields (by position) to visit, in no set order, without
    // keeping the rows: for a pass over a large table.
    void scan(const QStringList& fields,
              const std::function<void(const QSqlQuery& row)>& visit) const;
    int count() const;

private:
    std::optional<TableRecord> findOne(const QString& field, const QString& value) const;
    QList<TableRecord> select(const QStringList& fields, const QString& orderBy) const;

    QSqlDatabase m_db;
    QString m_table;
    QString m_keyField;
    QString m_nameField;
    std::shared_ptr<const QStringList> m_fields = std::make_shared<QStringList>();
    bool m_open = false;
};

} // namespace vexamat
