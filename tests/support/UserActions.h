#pragma once

#include <QList>
#include <QObject>
#include <QPoint>
#include <QString>
#include <Qt>

class QAbstractButton;
class QAbstractItemView;
class QComboBox;
class QWidget;

namespace vexamat {

// What a user does to the program's windows, for UI tests. Each step fails the test with a
// message naming the control when the user could not do it: the control is missing, hidden
// or disabled. Controls are found by object name, as the description names them.

// A user chooses a menu item: the QAction named objectName under window must exist, be
// enabled and be visible in a menu a user can open (a menu bar of the window, an open popup
// menu, or a visible submenu of one of those). Then it is triggered, and an open popup menu
// that held it closes, as after a click.
void triggerAction(QWidget* window, const QString& objectName);

// A menu item that the program keeps hidden and nothing shows, triggered by name, as no user
// can. Fails when the item is missing, or visible (then a test chooses it as a user does).
void triggerHiddenAction(QWidget* window, const QString& objectName);

// Clicks the button (any QAbstractButton) named objectName under root with the mouse; fails
// when the button is missing, hidden in its window or disabled. A check box or radio button
// is clicked on its box.
void clickButton(QWidget* root, const QString& objectName, Qt::MouseButton button = Qt::LeftButton);
void clickButton(QAbstractButton* button, Qt::MouseButton mouseButton = Qt::LeftButton);

// Presses a button that the program keeps hidden and nothing shows (a maintenance step, an
// option of an older layout), by name, as no user can: its clicked signal runs as on a click.
// Fails when the button is missing, or visible (then a test clicks it as a user does).
void pressHiddenButton(QWidget* root, const QString& objectName);

// Chooses the item at index in a combo box with the arrow keys, as a user does from the
// keyboard: each step chooses the next item, as it does for a user.
void chooseComboItem(QComboBox* combo, int index);

// Clicks the cell at row, column of a table or list view: on the viewport at the cell's
// centre, after scrolling it into view.
void clickCell(QAbstractItemView* view, int row, int column = 0,
               Qt::MouseButton button = Qt::LeftButton);
void doubleClickCell(QAbstractItemView* view, int row, int column = 0);

// What a list view shows: its number of lines, the text of one, and the first line whose text
// matches (-1 when none does).
int lineCount(const QAbstractItemView* view);
QString lineText(const QAbstractItemView* view, int row);
int findLine(const QAbstractItemView* view, const QString& text,
             Qt::MatchFlags flags = Qt::MatchExactly);

// Types text key by key into the widget, as a keyboard would; unlike QTest::keyClicks it also
// types å, ä, ö and other letters outside ASCII.
void typeText(QWidget* widget, const QString& text);

// A right click at pos (widget coordinates) that asks for a context menu, as the window system
// sends it: the press, the context-menu event, the release.
void rightClickForMenu(QWidget* widget, QPoint pos);

// Reports a missing or ambiguous child as a test failure; used by child<T>().
void failChildLookup(const QObject* root, const QString& name, const char* typeName, int found);

// The one object of type T named name under root (searched recursively). Fails the test,
// naming what was looked for, and gives nullptr when there is none or more than one.
template <typename T> T* child(const QObject* root, const QString& name) {
    const QList<T*> found = root ? root->findChildren<T*>(name) : QList<T*>();
    if (found.size() != 1) {
        failChildLookup(root, name, T::staticMetaObject.className(), int(found.size()));
        return nullptr;
    }
    return found.first();
}

} // namespace vexamat
