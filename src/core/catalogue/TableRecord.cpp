#include "core/catalogue/TableRecord.h"

namespace vexamat {

TableRecord::TableRecord(std::shared_ptr<const QStringList> fieldNames, QList<QVariant> values)
    : m_fields(std::move(fieldNames)), m_values(std::move(values)) {}

QString TableRecord::fieldName(int pos) const {
    if (!m_fields || pos < 0 || pos >= m_fields->size())
        return {};
    return m_fields->at(pos);
}

int TableRecord::position(const QString& fieldName) const {
    if (!m_fields)
        return -1;
    for (int i = 0; i < m_fields->size(); ++i) {
        if (m_fields->at(i).compare(fieldName, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

bool TableRecord::isNull(int pos) const {
    return pos < 0 || pos >= m_values.size() || m_values.at(pos).isNull();
}

QVariant TableRecord::value(int pos) const {
    if (pos < 0 || pos >= m_values.size())
        return {};
    return m_values.at(pos);
}

QString TableRecord::text(int pos) const {
    if (isNull(pos))
        return {};
    return m_values.at(pos).toString();
}

std::optional<double> TableRecord::number(int pos) const {
    if (isNull(pos))
        return std::nullopt;
    bool ok = false;
    const double v = m_values.at(pos).toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return v;
}

} // namespace vexamat
