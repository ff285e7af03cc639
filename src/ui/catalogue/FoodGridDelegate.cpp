#include "ui/catalogue/FoodGridDelegate.h"

#include "core/text/NumberText.h"
#include "ui/Dialogs.h"

#include <QLineEdit>

namespace vexamat {

FoodGridDelegate::FoodGridDelegate(Dialogs& dialogs, QWidget* owner, QList<FieldDef> fields)
    : QStyledItemDelegate(owner), m_dialogs(dialogs), m_owner(owner), m_fields(std::move(fields)) {}

bool FoodGridDelegate::isNumber(int column) const {
    return column >= 0 && column < m_fields.size() && m_fields.at(column).type == FieldType::Float;
}

void FoodGridDelegate::initStyleOption(QStyleOptionViewItem* option,
                                       const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (!isNumber(index.column()))
        return;
    const QVariant value = index.data(Qt::EditRole);
    bool ok = false;
    const double v = value.toDouble(&ok);
    option->text = value.isNull() || !ok
                       ? QString()
                       : NumberText::format(v, m_decimals.value(index.column(), 2));
    option->displayAlignment = Qt::AlignRight | Qt::AlignVCenter;
}

QWidget* FoodGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                        const QModelIndex& index) const {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QStringLiteral("cellEditor"));
    const int column = index.column();
    if (column >= 0 && column < m_fields.size() && m_fields.at(column).type == FieldType::Text &&
        m_fields.at(column).size > 0)
        edit->setMaxLength(m_fields.at(column).size);
    return edit;
}

void FoodGridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* edit = static_cast<QLineEdit*>(editor);
    const QVariant value = index.data(Qt::EditRole);
    if (isNumber(index.column()) && !value.isNull()) {
        QString text = QString::number(value.toDouble(), 'g', 15);
        text.replace(QLatin1Char('.'), QLatin1Char(','));
        edit->setText(text);
    } else {
        // A longer text already stored (an imported group name) is not cut by editing it.
        const QString text = value.toString();
        if (text.size() > edit->maxLength())
            edit->setMaxLength(int(text.size()));
        edit->setText(text);
    }
}

void FoodGridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                    const QModelIndex& index) const {
    const QString text = static_cast<QLineEdit*>(editor)->text();
    if (index.column() == 0 && text.trimmed().isEmpty()) {
        m_dialogs.message(m_owner, QStringLiteral("Koden får inte vara tom."),
                          Dialogs::Icon::Warning);
        return;
    }
    if (!isNumber(index.column())) {
        model->setData(index, text);
        return;
    }
    const NumberText::Parsed parsed = NumberText::parse(text);
    switch (parsed.kind) {
    case NumberText::Kind::Empty:
        model->setData(index, QVariant());
        break;
    case NumberText::Kind::Number:
        model->setData(index, parsed.value);
        break;
    case NumberText::Kind::Invalid:
        m_dialogs.message(m_owner,
                          QStringLiteral("\"%1\" är inget tal. Skriv ett tal, till exempel 12,5, "
                                         "eller lämna rutan tom.")
                              .arg(text.trimmed()),
                          Dialogs::Icon::Warning);
        break;
    }
}

} // namespace vexamat
