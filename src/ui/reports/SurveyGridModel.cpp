#include "ui/reports/SurveyGridModel.h"

#include "core/reports/SurveyProject.h"

namespace vexamat {

SurveyGridModel::SurveyGridModel(SurveyProject& project, QObject* parent)
    : QAbstractTableModel(parent), m_project(project) {}

int SurveyGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : SurveyProject::kRows - 1;
}

int SurveyGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : SurveyProject::kColumns - 1;
}

QVariant SurveyGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return m_project.cell(projectRow(index), projectColumn(index));
}

bool SurveyGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const QString text = value.toString();
    const int r = projectRow(index);
    const int c = projectColumn(index);
    if (m_project.cell(r, c) == text)
        return true;
    m_project.setCell(r, c, text);
    Q_EMIT dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    Q_EMIT cellEdited(r, c);
    return true;
}

QVariant SurveyGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return m_project.cell(0, section + 1);
    return m_project.cell(section + 1, 0);
}

Qt::ItemFlags SurveyGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

void SurveyGridModel::projectRowChanged(int projectRow) {
    Q_EMIT dataChanged(index(projectRow - 1, 0), index(projectRow - 1, columnCount() - 1));
    Q_EMIT headerDataChanged(Qt::Vertical, projectRow - 1, projectRow - 1);
}

void SurveyGridModel::projectReset() {
    beginResetModel();
    endResetModel();
}

} // namespace vexamat
