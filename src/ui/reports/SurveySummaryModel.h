#pragma once

#include "core/reports/SurveySummary.h"

#include <QAbstractTableModel>
#include <QStringList>

namespace vexamat {

// The summary grid: 1,499 rows under the titles, columns 1 to 74 (row 0's titles as the
// column headers, the row numbers as the row headers). Rows past the grid are not shown.
class SurveySummaryModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // titles: the summary grid's columns 0..74 of row 0.
    void setSummary(const QStringList& titles, const QList<SurveySummary::Row>& rows);

private:
    QStringList m_titles;
    QList<QStringList> m_cells; // at most the grid's rows, each columns 0..74
};

} // namespace vexamat
