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
    const QSqlError error = lastError();
    revertAll();
    // SQLite's constraint codes: the code is the key and must be unique.
    const QString code = error.nativeErrorCode();
    if (code == QLatin1String("19") || code == QLatin1String("1555") ||
        code == QLatin1String("2067"))
        Q_EMIT storeFailed(
            QStringLiteral("Koden finns redan i tabellen. Ändringen sparades inte."));
    else
        Q_EMIT storeFailed(QStringLiteral("Ändringen kunde inte sparas: %1").arg(error.text()));
    return false;
}

} // namespace vexamat
