#pragma once

#include <QSortFilterProxyModel>

namespace vexamat {

// Orders an editor's grid by code (text order, as the primary index) or by name (Swedish
// order, letter case ignored).
class FoodTableSortModel : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit FoodTableSortModel(QObject* parent = nullptr);

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
};

} // namespace vexamat
