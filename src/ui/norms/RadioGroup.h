#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

namespace vexamat {

// A titled group of radio buttons with one chosen item, as the norm windows use for sex,
// activity and illness. The buttons are named objectName + "Item" + index.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& objectName, const QString& title, const QStringList& items,
               int chosen, QWidget* parent, Qt::Orientation orientation = Qt::Vertical);

    int index() const;
    // Chooses an item without emitting clicked, as a file being read does.
    void setIndex(int index);

Q_SIGNALS:
    // The user clicked an item.
    void clicked(int index);

private:
    QButtonGroup* m_buttons = nullptr;
};

} // namespace vexamat
