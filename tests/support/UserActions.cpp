#include "support/UserActions.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QToolBar>

namespace vexamat {

namespace {

QString describe(const QObject* object) {
    if (!object)
        return QStringLiteral("(no window)");
    const QString name = object->objectName();
    return name.isEmpty() ? QString::fromLatin1(object->metaObject()->className()) : name;
}

void fail(const QString& text) {
    QTest::qFail(qPrintable(text), __FILE__, __LINE__);
}

// Opening a menu tells its owner, which may update its items then (a popup menu hides the
// items that do not apply). Runs that for each menu on the way to the action, outermost first.
void announceMenusOf(QAction* action, int depth = 0) {
    if (depth > 8)
        return;
    for (QObject* holder : action->associatedObjects()) {
        if (auto* menu = qobject_cast<QMenu*>(holder)) {
            if (!menu->isVisible()) {
                announceMenusOf(menu->menuAction(), depth + 1);
                Q_EMIT menu->aboutToShow();
            }
        }
    }
}

// Whether a user can reach the action through a menu; why not otherwise.
bool reachable(QAction* action, QString* why, int depth = 0) {
    if (!action->isVisible()) {
        *why = QStringLiteral("\"%1\" is hidden").arg(action->text());
        return false;
    }
    if (!action->isEnabled()) {
        *why = QStringLiteral("\"%1\" is disabled").arg(action->text());
        return false;
    }
    if (depth > 8)
        return false;
    QString inner;
    for (QObject* holder : action->associatedObjects()) {
        if (qobject_cast<QMenuBar*>(holder))
            return true;
        if (auto* toolBar = qobject_cast<QToolBar*>(holder)) {
            if (!toolBar->isHidden())
                return true;
        }
        if (auto* menu = qobject_cast<QMenu*>(holder)) {
            if (menu->isVisible()) // an open popup menu
                return true;
            if (reachable(menu->menuAction(), &inner, depth + 1))
                return true;
            *why = QStringLiteral("its menu cannot be opened: %1").arg(inner);
        }
    }
    if (why->isEmpty())
        *why = QStringLiteral("it is in no menu bar, tool bar or open popup menu");
    return false;
}

} // namespace

void triggerAction(QWidget* window, const QString& objectName) {
    const QList<QAction*> actions =
        window ? window->findChildren<QAction*>(objectName) : QList<QAction*>();
    if (actions.size() != 1) {
        fail(QStringLiteral("%1 menu items named \"%2\" in %3, expected one")
                 .arg(actions.size())
                 .arg(objectName, describe(window)));
        return;
    }
    QAction* action = actions.first();
    announceMenusOf(action);
    QString why;
    if (!reachable(action, &why)) {
        fail(QStringLiteral("The menu item \"%1\" of %2 cannot be chosen: %3")
                 .arg(objectName, describe(window), why));
        return;
    }
    action->trigger();
    for (QObject* holder : action->associatedObjects()) {
        if (auto* menu = qobject_cast<QMenu*>(holder); menu && menu->isVisible())
            menu->hide();
    }
}

void clickButton(QWidget* root, const QString& objectName, Qt::MouseButton mouseButton) {
    QAbstractButton* button = child<QAbstractButton>(root, objectName);
    if (button)
        clickButton(button, mouseButton);
}

void clickButton(QAbstractButton* button, Qt::MouseButton mouseButton) {
    if (!button) {
        fail(QStringLiteral("No button to click"));
        return;
    }
    if (!button->isVisibleTo(button->window())) {
        fail(QStringLiteral("The button \"%1\" (\"%2\") of %3 is hidden")
                 .arg(button->objectName(), button->text(), describe(button->window())));
        return;
    }
    if (!button->isEnabled()) {
        fail(QStringLiteral("The button \"%1\" (\"%2\") of %3 is disabled")
                 .arg(button->objectName(), button->text(), describe(button->window())));
        return;
    }
    // A check box or radio button takes a click on its box and caption, not on the empty
    // rest of a wide widget: click its box.
    QPoint at = button->rect().center();
    QStyleOptionButton option;
    option.initFrom(button);
    if (qobject_cast<QCheckBox*>(button))
        at =
            button->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, button).center();
    else if (qobject_cast<QRadioButton*>(button))
        at = button->style()
                 ->subElementRect(QStyle::SE_RadioButtonIndicator, &option, button)
                 .center();
    QTest::mouseClick(button, mouseButton, {}, at);
}

void triggerHiddenAction(QWidget* window, const QString& objectName) {
    QAction* action = child<QAction>(window, objectName);
    if (!action)
        return;
    if (action->isVisible()) {
        fail(QStringLiteral("The menu item \"%1\" of %2 is visible: choose it as a user does")
                 .arg(objectName, describe(window)));
        return;
    }
    action->trigger();
    for (QObject* holder : action->associatedObjects()) {
        if (auto* menu = qobject_cast<QMenu*>(holder); menu && menu->isVisible())
            menu->hide();
    }
}

void pressHiddenButton(QWidget* root, const QString& objectName) {
    QAbstractButton* button = child<QAbstractButton>(root, objectName);
    if (!button)
        return;
    if (button->isVisibleTo(button->window())) {
        fail(QStringLiteral("The button \"%1\" of %2 is visible: click it as a user does")
                 .arg(objectName, describe(root)));
        return;
    }
    button->click();
}

void chooseComboItem(QComboBox* combo, int index) {
    if (!combo || index < 0 || index >= combo->count()) {
        fail(QStringLiteral("%1 has no item %2").arg(describe(combo)).arg(index));
        return;
    }
    while (combo->currentIndex() != index) {
        const int before = combo->currentIndex();
        QTest::keyClick(combo, before < index ? Qt::Key_Down : Qt::Key_Up);
        if (combo->currentIndex() == before) {
            fail(QStringLiteral("%1 does not move from item %2 with the arrow keys")
                     .arg(describe(combo))
                     .arg(before));
            return;
        }
    }
}

void clickCell(QAbstractItemView* view, int row, int column, Qt::MouseButton button) {
    if (!view) {
        fail(QStringLiteral("No view to click in"));
        return;
    }
    const QModelIndex index = view->model()->index(row, column);
    if (!index.isValid()) {
        fail(QStringLiteral("%1 has no cell at row %2, column %3")
                 .arg(describe(view))
                 .arg(row)
                 .arg(column));
        return;
    }
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), button, {}, view->visualRect(index).center());
}

void doubleClickCell(QAbstractItemView* view, int row, int column) {
    clickCell(view, row, column);
    if (QTest::currentTestFailed())
        return;
    const QPoint centre = view->visualRect(view->model()->index(row, column)).center();
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
}

int lineCount(const QAbstractItemView* view) {
    return view ? view->model()->rowCount() : 0;
}

QString lineText(const QAbstractItemView* view, int row) {
    return view ? view->model()->index(row, 0).data().toString() : QString();
}

int findLine(const QAbstractItemView* view, const QString& text, Qt::MatchFlags flags) {
    if (!view || view->model()->rowCount() == 0)
        return -1;
    const QModelIndexList found =
        view->model()->match(view->model()->index(0, 0), Qt::DisplayRole, text, 1, flags);
    return found.isEmpty() ? -1 : found.first().row();
}

void typeText(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        const Qt::Key key =
            c == QLatin1Char('\n') ? Qt::Key_Return : Qt::Key(c.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Click, widget, key, QString(c), Qt::NoModifier);
    }
}

void rightClickForMenu(QWidget* widget, QPoint pos) {
    QTest::mousePress(widget, Qt::RightButton, {}, pos);
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, widget->mapToGlobal(pos));
    QApplication::sendEvent(widget, &event);
    QTest::mouseRelease(widget, Qt::RightButton, {}, pos);
}

void failChildLookup(const QObject* root, const QString& name, const char* typeName, int found) {
    if (found == 0)
        fail(QStringLiteral("%1 has no %2 named \"%3\"")
                 .arg(describe(root), QString::fromLatin1(typeName), name));
    else
        fail(QStringLiteral("%1 has %2 objects of type %3 named \"%4\", expected one")
                 .arg(describe(root))
                 .arg(found)
                 .arg(QString::fromLatin1(typeName), name));
}

} // namespace vexamat
