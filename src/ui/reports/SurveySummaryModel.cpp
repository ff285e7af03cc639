#include "ui/reports/SurveySummaryModel.h"

#include <algorithm>

namespace vexamat {

int SurveySummaryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : SurveySummary::kGridRows - 1;
}

int SurveySummaryModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : SurveySummary::kColumns - 1;
}

QVariant SurveySummaryModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole || index.row() >= m_cells.size())
        return {};
    return m_cells[index.row()].value(index.column() + 1);
}

QVariant SurveySummaryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return m_titles.value(section + 1);
    return QString::number(section + 1);
}

void SurveySummaryModel::setSummary(const QStringList& titles,
                                    const QList<SurveySummary::Row>& rows) {
    beginResetModel();
    m_titles = titles;
    m_cells.clear();
    const qsizetype shown = std::min<qsizetype>(rows.size(), SurveySummary::kGridRows - 1);
    m_cells.reserve(shown);
    for (qsizetype i = 0; i < shown; ++i)
        m_cells << SurveySummary::cells(rows[i]);
    endResetModel();
}

} // namespace vexamat
