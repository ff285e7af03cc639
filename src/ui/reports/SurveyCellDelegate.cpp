#include "ui/reports/SurveyCellDelegate.h"

#include <QLineEdit>

namespace vexamat {

SurveyCellDelegate::SurveyCellDelegate(QObject* keyFilter, QObject* parent)
    : QStyledItemDelegate(parent), m_keyFilter(keyFilter) {}

QWidget* SurveyCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                          const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->setObjectName(QStringLiteral("Grid1Editor"));
        auto* self = const_cast<SurveyCellDelegate*>(this);
        connect(line, &QLineEdit::textEdited, self,
                [self, line] { Q_EMIT self->commitData(line); });
    }
    return editor;
}

void SurveyCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* line = qobject_cast<QLineEdit*>(editor);
    // The view has given the editor to this delegate's own filter by now, which takes Enter
    // and Escape; installed after it, the window's filter sees them first.
    if (line)
        line->installEventFilter(m_keyFilter);
    if (line && line->text() == index.data(Qt::EditRole).toString())
        return;
    QStyledItemDelegate::setEditorData(editor, index);
}

} // namespace vexamat
