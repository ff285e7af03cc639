#pragma once

#include <QAbstractTableModel>

namespace vexamat {

class SurveyProject;

// The survey grid as a table view shows it: the project's rows 1.. and columns 1.., with
// row 0's titles as the column headers and column 0's numbers as the row headers. View
// row i, column j is the project's row i + 1, column j + 1.
class SurveyGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The project is owned by the caller and outlives the model.
    explicit SurveyGridModel(SurveyProject& project, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The project changed behind the model: one row, or everything.
    void projectRowChanged(int projectRow);
    void projectReset();

    static int projectRow(const QModelIndex& index) { return index.row() + 1; }
    static int projectColumn(const QModelIndex& index) { return index.column() + 1; }
    QModelIndex indexOf(int projectRow, int projectColumn) const {
        return index(projectRow - 1, projectColumn - 1);
    }

Q_SIGNALS:
    // The user changed a cell's text.
    void cellEdited(int projectRow, int projectColumn);

private:
    SurveyProject& m_project;
};

} // namespace vexamat
