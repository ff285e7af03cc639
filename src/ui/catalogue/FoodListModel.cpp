#include "ui/catalogue/FoodListModel.h"

namespace vexamat {

void FoodListModel::setFoodList(FoodList list) {
    beginResetModel();
    m_list = std::move(list);
    endResetModel();
}

int FoodListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_list.size();
}

QVariant FoodListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_list.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return m_list.lines.at(index.row());
    return {};
}

Qt::ItemFlags FoodListModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    // Dragged onto the meal grid, which takes the list's current food.
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled;
}

} // namespace vexamat
