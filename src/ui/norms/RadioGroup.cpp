#include "ui/norms/RadioGroup.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QRadioButton>

namespace vexamat {

RadioGroup::RadioGroup(const QString& objectName, const QString& title, const QStringList& items,
                       int chosen, QWidget* parent, Qt::Orientation orientation)
    : QGroupBox(title, parent) {
    setObjectName(objectName);
    QBoxLayout* layout = orientation == Qt::Vertical
                             ? static_cast<QBoxLayout*>(new QVBoxLayout(this))
                             : new QHBoxLayout(this);
    m_buttons = new QButtonGroup(this);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        button->setObjectName(objectName + QStringLiteral("Item%1").arg(i));
        m_buttons->addButton(button, i);
        layout->addWidget(button);
    }
    setIndex(chosen);
    connect(m_buttons, &QButtonGroup::idClicked, this, &RadioGroup::clicked);
}

int RadioGroup::index() const {
    return m_buttons->checkedId();
}

void RadioGroup::setIndex(int index) {
    if (QAbstractButton* button = m_buttons->button(index))
        button->setChecked(true);
}

} // namespace vexamat
