#include "ui/catalogue/FoodTableSortModel.h"

#include "core/text/SwedishText.h"

namespace vexamat {

FoodTableSortModel::FoodTableSortModel(QObject* parent) : QSortFilterProxyModel(parent) {
    // Rows stay where they are while being edited; a sort button orders them again.
    setDynamicSortFilter(false);
}

bool FoodTableSortModel::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const QString a = left.data(Qt::EditRole).toString();
    const QString b = right.data(Qt::EditRole).toString();
    if (left.column() == 1) {
        const int c = SwedishText::compare(a, b);
        if (c != 0)
            return c < 0;
        return left.siblingAtColumn(0).data().toString() <
               right.siblingAtColumn(0).data().toString();
    }
    return a < b;
}

} // namespace vexamat
