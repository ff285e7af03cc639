#include "support/CellEditing.h"

#include "support/UserActions.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTableWidget>
#include <QTest>

namespace vexamat {

void typeIntoCell(QTableWidget* grid, int row, int column, const QString& text) {
    QVERIFY(grid);
    // A window just shown gets the keyboard, as the window system gives it.
    QWidget* window = grid->window();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    clickCell(grid, row, column);
    typeText(grid, text.left(1));
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY2(editor, "no cell editor opened");
    typeText(editor, text.mid(1));
    const QPointer<QLineEdit> open = editor;
    QTest::keyClick(editor, Qt::Key_Return);
    // The cell takes the text once the editor has closed.
    QTRY_VERIFY(!open || !open->isVisible());
}

} // namespace vexamat
