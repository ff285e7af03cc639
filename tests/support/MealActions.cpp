#include "support/MealActions.h"

#include "support/UserActions.h"

#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

namespace vexamat {

void searchFoods(QWidget* mainWindow, const QString& text) {
    auto* box = child<QLineEdit>(mainWindow, QStringLiteral("Edit1"));
    QVERIFY(box);
    box->clear();
    typeText(box, text);
    auto* timer = child<QTimer>(mainWindow, QStringLiteral("Timer1"));
    QTRY_VERIFY(!timer->isActive());
}

void addFoodFromList(QWidget* mainWindow, const QString& text, const QString& name) {
    searchFoods(mainWindow, text);
    auto* foods = child<QListView>(mainWindow, QStringLiteral("ListBoxLivs"));
    const int line = findLine(foods, name);
    QVERIFY2(line >= 0, qPrintable(name));
    doubleClickCell(foods, line);
}

void typeIntoGridCell(QWidget* mainWindow, int tableRow, int column, const QString& text) {
    auto* grid = child<QTableWidget>(mainWindow, QStringLiteral("StringGridMaltid"));
    QVERIFY(grid);
    clickCell(grid, tableRow, column);
    typeText(grid, text.left(1));
    // The cell's editor has the focus; an earlier one may still wait to be deleted.
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY2(editor, "no cell editor opened");
    typeText(editor, text.mid(1));
    QTest::keyClick(editor, Qt::Key_Return);
}

} // namespace vexamat
