#pragma once

#include "core/catalogue/TableSchema.h"

#include <QHash>
#include <QList>
#include <QStyledItemDelegate>

namespace vexamat {

class Dialogs;

// Shows and edits the cells of a food table: numbers with a decimal comma and the column's
// decimals, text no longer than its field. A value that is no number is refused with a
// message and never stored.
class FoodGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    // dialogs and owner (the window the messages belong to) outlive the delegate.
    FoodGridDelegate(Dialogs& dialogs, QWidget* owner, QList<FieldDef> fields);

    // At most this many decimals shown in a number column (2 when not set).
    void setDecimals(int column, int decimals) { m_decimals.insert(column, decimals); }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    bool isNumber(int column) const;

    Dialogs& m_dialogs;
    QWidget* m_owner;
    QList<FieldDef> m_fields;
    QHash<int, int> m_decimals;
};

} // namespace vexamat
