#pragma once

#include <QStyledItemDelegate>

namespace vexamat {

// Edits a survey cell so that every typed character reaches the project at once (the
// row's amounts are recomputed half a second after the last key, while the cell may still
// be open), and lets the window see the editor's keys.
class SurveyCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    // keyFilter (not owned) watches the keys of every editor.
    SurveyCellDelegate(QObject* keyFilter, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    // Leaves an open editor alone when it already shows the cell's text, so that the
    // cursor stays where the user is typing.
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;

private:
    QObject* m_keyFilter;
};

} // namespace vexamat
