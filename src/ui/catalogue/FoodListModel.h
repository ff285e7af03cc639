#pragma once

#include "core/analysis/FoodList.h"

#include <QAbstractListModel>

namespace vexamat {

// The food list as the list view shows it: one line per row, nothing laid out ahead, so that
// a search with thousands of hits is shown within a frame.
class FoodListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    void setFoodList(FoodList list);
    const FoodList& foodList() const { return m_list; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    FoodList m_list;
};

} // namespace vexamat
