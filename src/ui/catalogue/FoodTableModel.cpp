#include "ui/catalogue/FoodTableModel.h"

#include <QSqlError>

namespace vexamat {

FoodTableModel::FoodTableModel(QObject* parent, const QSqlDatabase& db)
    : QSqlTableModel(parent, db) {
    setEditStrategy(QSqlTableModel::OnRowChange);
}

bool FoodTableModel::selectAll() {
    if (!select())
        return false;
    while (canFetchMore())
        fetchMore();
    return true;
}

Qt::ItemFlags FoodTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QSqlTableModel::flags(index);
    if (m_locked)
        f &= ~Qt::ItemIsEditable;
    return f;
}

bool FoodTableModel::submit() {
    if (!isDirty())
        return true;
    if (QSqlTableModel::submit())
        return true;
    const QString reason = lastError().text();
    revertAll();
    Q_EMIT storeFailed(QStringLiteral("Ändringen kunde inte sparas: %1").arg(reason));
    return false;
}

} // namespace vexamat
