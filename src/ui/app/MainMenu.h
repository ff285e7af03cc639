#pragma once

#include <QObject>
#include <QString>

class QAction;
class QMainWindow;

namespace vexamat {

struct Windows;

// The main window's menus, written as one table: each item's menu, name, caption, in which
// layout it shows and, for an item that opens a window, which window. Items whose window is
// not built yet stay hidden in both layouts.
class MainMenu : public QObject {
    Q_OBJECT
public:
    // The window and the window set are kept and must outlive the menu.
    MainMenu(QMainWindow& window, Windows& windows);

    // The item with this object name; nullptr when there is none.
    QAction* action(const QString& name) const;
    // Shows the items of the chosen layout.
    void setExtended(bool extended);
    // How every item that opens a window opens it.
    static void openWindow(QWidget* window);

private:
    QMainWindow& m_window;
    Windows& m_windows;
};

} // namespace vexamat
