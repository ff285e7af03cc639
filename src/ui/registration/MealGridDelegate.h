#pragma once

#include <QStyledItemDelegate>

#include <functional>

class QKeyEvent;

namespace vexamat {

// The cell editor of the meal grid: keys typed into an open cell go to the main window
// first (Enter and the arrows commit the typed text into the registration, letters start a
// search); the grid's own item is never written, since the grid is only a view.
class MealGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    // Gets a grid key (see isGridKey) typed into an open cell, with the cell's text; the
    // editor is closed by then.
    using KeyHandler = std::function<void(QKeyEvent*, const QString& text)>;

    MealGridDelegate(QObject* parent, KeyHandler handler);

    // Enter, the up and down arrows, Escape and the search keys.
    static bool isGridKey(const QKeyEvent* key);
    // A character from "A" on (letters, also å, ä, ö): typing a food name starts a search.
    static bool isSearchKey(const QKeyEvent* key);

    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    KeyHandler m_handler;
};

} // namespace vexamat
