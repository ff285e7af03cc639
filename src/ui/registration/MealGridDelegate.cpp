#include "ui/registration/MealGridDelegate.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace vexamat {

MealGridDelegate::MealGridDelegate(QObject* parent, KeyHandler handler)
    : QStyledItemDelegate(parent), m_handler(std::move(handler)) {}

void MealGridDelegate::setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const {
    // The cells show the registration: a text that was not committed is dropped.
}

bool MealGridDelegate::isGridKey(const QKeyEvent* key) {
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Escape:
        return true;
    default:
        return isSearchKey(key);
    }
}

bool MealGridDelegate::isSearchKey(const QKeyEvent* key) {
    const QString text = key->text();
    return text.size() == 1 && text.at(0).unicode() >= 'A' && text.at(0).isPrint();
}

bool MealGridDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* editor = qobject_cast<QLineEdit*>(object);
    if (editor && event->type() == QEvent::KeyPress && m_handler) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (isGridKey(key)) {
            const QString text = editor->text();
            // Closed first: the handler refreshes the grid and moves its current cell.
            Q_EMIT closeEditor(editor, QAbstractItemDelegate::NoHint);
            m_handler(key, text);
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(object, event);
}

} // namespace vexamat
