#pragma once

#include <QSqlTableModel>

namespace vexamat {

// A food table as the editors' grids show it. Read-only until unlocked; a changed row is
// stored when the user moves to another row, and a failed store is reported, not lost
// silently.
class FoodTableModel : public QSqlTableModel {
    Q_OBJECT
public:
    FoodTableModel(QObject* parent, const QSqlDatabase& db);

    void setLocked(bool locked) { m_locked = locked; }
    bool isLocked() const { return m_locked; }
    // Reads the whole table (not only the first block), so sorting sees every row.
    bool selectAll();

    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool submit() override;

Q_SIGNALS:
    void storeFailed(const QString& message);

private:
    bool m_locked = true;
};

} // namespace vexamat
