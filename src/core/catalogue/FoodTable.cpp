#include "core/catalogue/FoodTable.h"

#include "core/catalogue/TableSchema.h"
#include "core/catalogue/VexamatDatabase.h"
#include "core/text/SwedishText.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>

namespace vexamat {

FoodTable::FoodTable(const VexamatDatabase& database, const QString& table)
    : m_db(database.db()), m_table(table), m_keyField(TableSchema::keyField(table)) {
    m_nameField = TableSchema::isNormTable(table) ? QStringLiteral("Norm")
                  : (table == TableSchema::Recept || table == TableSchema::Recept2)
                      ? QStringLiteral("Rubrik")
                      : QStringLiteral("Livsmedel");
}

bool FoodTable::open(QString* error) {
    m_open = false;
    if (!m_db.isOpen() || !m_db.tables().contains(m_table)) {
        if (error)
            *error = QStringLiteral("Tabellen %1 finns inte i databasen.").arg(m_table);
        return false;
    }
    const QSqlRecord record = m_db.record(m_table);
    auto names = std::make_shared<QStringList>();
    for (int i = 0; i < record.count(); ++i)
        *names << record.fieldName(i);
    const QList<FieldDef> expected = TableSchema::fields(m_table);
    if (!expected.isEmpty() && names->size() != expected.size()) {
        if (error)
            *error = QStringLiteral("Tabellen %1 har %2 fält, men ska ha %3.")
                         .arg(m_table)
                         .arg(names->size())
                         .arg(expected.size());
        return false;
    }
    m_fields = names;
    m_open = true;
    return true;
}

int FoodTable::position(const QString& fieldName) const {
    for (int i = 0; i < m_fields->size(); ++i) {
        if (m_fields->at(i).compare(fieldName, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

std::optional<TableRecord> FoodTable::findOne(const QString& field, const QString& value) const {
    if (!m_open)
        return std::nullopt;
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT * FROM %1 WHERE %2 = ? LIMIT 1")
                  .arg(TableSchema::quoted(m_table), TableSchema::quoted(field)));
    q.addBindValue(value);
    if (!q.exec() || !q.next())
        return std::nullopt;
    QList<QVariant> values;
    values.reserve(m_fields->size());
    for (int i = 0; i < m_fields->size(); ++i)
        values << q.value(i);
    return TableRecord(m_fields, std::move(values));
}

std::optional<TableRecord> FoodTable::findByCode(const QString& key) const {
    if (m_keyField.isEmpty())
        return std::nullopt;
    return findOne(m_keyField, key);
}

std::optional<TableRecord> FoodTable::findByArticleNumber(const QString& articleNumber) const {
    if (position(QStringLiteral("Grossartnr")) < 0)
        return std::nullopt;
    return findOne(QStringLiteral("Grossartnr"), articleNumber);
}

QHash<QString, TableRecord> FoodTable::findByCodes(const QStringList& keys) const {
    QHash<QString, TableRecord> out;
    if (!m_open || m_keyField.isEmpty())
        return out;
    const int keyPos = position(m_keyField);
    constexpr qsizetype kChunk = 500; // well below SQLite's limit of bound values
    for (qsizetype first = 0; first < keys.size(); first += kChunk) {
        const QStringList chunk = keys.mid(first, kChunk);
        QStringList marks(chunk.size(), QStringLiteral("?"));
        QSqlQuery q(m_db);
        q.setForwardOnly(true);
        q.prepare(QStringLiteral("SELECT * FROM %1 WHERE %2 IN (%3)")
                      .arg(TableSchema::quoted(m_table), TableSchema::quoted(m_keyField),
                           marks.join(QLatin1Char(','))));
        for (const QString& key : chunk)
            q.addBindValue(key);
        if (!q.exec())
            continue;
        while (q.next()) {
            QList<QVariant> values;
            values.reserve(m_fields->size());
            for (int i = 0; i < m_fields->size(); ++i)
                values << q.value(i);
            TableRecord record(m_fields, std::move(values));
            const QString key = record.text(keyPos);
            if (!out.contains(key))
                out.insert(key, std::move(record));
        }
    }
    return out;
}

QList<TableRecord> FoodTable::select(const QStringList& fields, const QString& orderBy) const {
    QList<TableRecord> out;
    if (!m_open)
        return out;
    std::shared_ptr<const QStringList> names = m_fields;
    QString columns = QStringLiteral("*");
    if (!fields.isEmpty()) {
        QStringList quotedFields;
        for (const QString& f : fields)
            quotedFields << TableSchema::quoted(f);
        columns = quotedFields.join(QStringLiteral(", "));
        names = std::make_shared<QStringList>(fields);
    }
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    QString sql = QStringLiteral("SELECT %1 FROM %2").arg(columns, TableSchema::quoted(m_table));
    if (!orderBy.isEmpty())
        sql += QStringLiteral(" ORDER BY ") + TableSchema::quoted(orderBy);
    if (!q.exec(sql))
        return out;
    const int n = int(names->size());
    while (q.next()) {
        QList<QVariant> values;
        values.reserve(n);
        for (int i = 0; i < n; ++i)
            values << q.value(i);
        out << TableRecord(names, std::move(values));
    }
    return out;
}

QList<TableRecord> FoodTable::recordsInNameOrder(const QStringList& fields) const {
    QStringList wanted = fields;
    int namePos = 0;
    if (!wanted.isEmpty()) {
        namePos = int(wanted.indexOf(m_nameField));
        if (namePos < 0) {
            wanted << m_nameField;
            namePos = int(wanted.size()) - 1;
        }
    } else {
        namePos = position(m_nameField);
    }
    QList<TableRecord> out = select(wanted, m_nameField);
    std::stable_sort(out.begin(), out.end(), [namePos](const TableRecord& a, const TableRecord& b) {
        return SwedishText::lessThan(a.text(namePos), b.text(namePos));
    });
    return out;
}

void FoodTable::scan(const QStringList& fields,
                     const std::function<void(const QSqlQuery& row)>& visit) const {
    if (!m_open || fields.isEmpty())
        return;
    QStringList quotedFields;
    for (const QString& f : fields)
        quotedFields << TableSchema::quoted(f);
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT %1 FROM %2")
                    .arg(quotedFields.join(QStringLiteral(", ")), TableSchema::quoted(m_table))))
        return;
    while (q.next())
        visit(q);
}

QList<TableRecord> FoodTable::recordsInKeyOrder(const QStringList& fields) const {
    return select(fields, m_keyField);
}

int FoodTable::count() const {
    QSqlQuery q(m_db);
    if (!q.exec(QStringLiteral("SELECT count(*) FROM %1").arg(TableSchema::quoted(m_table))) ||
        !q.next())
        return 0;
    return q.value(0).toInt();
}

} // namespace vexamat
