#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <optional>

namespace vexamat {

// One record of a table: its values by field position, with the field names shared by all
// records read together. A NULL field (a missing value) is told apart from 0.
class TableRecord {
public:
    TableRecord() = default;
    TableRecord(std::shared_ptr<const QStringList> fieldNames, QList<QVariant> values);

    bool isValid() const { return m_fields != nullptr; }
    int fieldCount() const { return int(m_values.size()); }
    QString fieldName(int pos) const;
    // Position of a field, letter case ignored; -1 when there is none.
    int position(const QString& fieldName) const;

    bool isNull(int pos) const;
    bool isNull(const QString& fieldName) const { return isNull(position(fieldName)); }
    QVariant value(int pos) const;
    QVariant value(const QString& fieldName) const { return value(position(fieldName)); }
    // The field as text; NULL gives an empty text.
    QString text(int pos) const;
    QString text(const QString& fieldName) const { return text(position(fieldName)); }
    // The field as a number; NULL or not a number gives std::nullopt.
    std::optional<double> number(int pos) const;
    std::optional<double> number(const QString& fieldName) const {
        return number(position(fieldName));
    }
    double numberOr(int pos, double fallback) const { return number(pos).value_or(fallback); }

private:
    std::shared_ptr<const QStringList> m_fields;
    QList<QVariant> m_values;
};

} // namespace vexamat
