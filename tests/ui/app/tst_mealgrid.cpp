#include "core/AppState.h"
#include "support/MainWindowFixture.h"
#include "support/UserActions.h"
#include "ui/app/TForm1.h"
#include "ui/catalogue/FoodPickerPanel.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace vexamat;

namespace {

// The meal buttons, breakfast first.
QString mealButton(int meal) {
    static const char* const names[9] = {"SpeedButton1",  "SpeedButton2",  "SpeedButton3",
                                         "SpeedButton4",  "SpeedButton12", "SpeedButton13",
                                         "SpeedButton14", "SpeedButton15", "SpeedButton16"};
    return QString::fromLatin1(names[meal]);
}

// What the main window keeps without showing it: which list the food list shows, the last
// search and the food a popup menu was opened on. The one place these tests read the
// window's internals.
QString listShows(TForm1* form) {
    return form->foodPicker().listShows();
}
QString lastSearch(TForm1* form) {
    return form->foodPicker().lastSearch();
}
QString popupCode(TForm1* form) {
    return form->foodPicker().popupCode();
}

} // namespace

// Receives the addresses the program opens instead of the desktop's browser.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public Q_SLOTS:
    void open(const QUrl& url) { urls << url; }
};

class TestMealGrid : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void quickSearchAndDoubleClick();
    void oneSearchPerBurstOfTyping();
    void antalAndGramCommit_data();
    void antalAndGramCommit();
    void arrowInReadOnlyColumn();
    void passingOverCellsChangesNothing();
    void letterInTheGridStartsASearch();
    void clockTimeCarriesDown();
    void unitListOnRightClick();
    void increaseAndDecrease();
    void dropInsertsAtTheRow();
    void mealsAndDays();
    void mealTypePickList();
    void headingLineAddsNothing();
    void quickSearchOffAddsATypedCode();
    void searchByName();
    void favouritesWrittenOnExit();
    void brokenPickListFiles();
    void articleLinkOfADabasFood();
    void viewModeColours();
    void moveDefaultUnit();

private:
    TForm1* form() { return m_fx->form(); }
    QTableWidget* grid() { return child<QTableWidget>(form(), QStringLiteral("StringGridMaltid")); }
    QListView* list() { return child<QListView>(form(), QStringLiteral("ListBoxLivs")); }
    QLineEdit* searchBox() { return child<QLineEdit>(form(), QStringLiteral("Edit1")); }
    QTimer* searchTimer() { return child<QTimer>(form(), QStringLiteral("Timer1")); }
    QListWidget* units() { return child<QListWidget>(form(), QStringLiteral("ListBoxVikter")); }
    const MealRow& row(int r, int meal = -1) {
        return m_fx->state->registration.row(m_fx->state->CurrentDay,
                                             meal < 0 ? m_fx->state->CurrentMeal : meal, r);
    }
    void search(const QString& text) {
        searchBox()->clear();
        typeText(searchBox(), text);
        QTRY_VERIFY(!searchTimer()->isActive());
    }
    // Searches and double-clicks the first line that is the named food.
    void addFood(const QString& text, const QString& name) {
        search(text);
        const int line = findLine(list(), name);
        QVERIFY2(line >= 0, qPrintable(name));
        doubleClickCell(list(), line);
    }
    QLineEdit* openEditor(int tableRow, int column, const QString& firstKey) {
        clickCell(grid(), tableRow, column);
        typeText(grid(), firstKey);
        return grid()->viewport()->findChild<QLineEdit*>();
    }
    QPoint cellCenter(int tableRow, int column) {
        return grid()->visualRect(grid()->model()->index(tableRow, column)).center();
    }
    // Right-clicks the food list's line and so opens its popup menu.
    void openFoodMenu(int line) {
        const QModelIndex index = list()->model()->index(line, 0);
        list()->scrollTo(index);
        rightClickForMenu(list()->viewport(), list()->visualRect(index).center());
        QVERIFY(child<QMenu>(form(), QStringLiteral("PopupMenu1"))->isVisible());
    }

    std::unique_ptr<MainWindowFixture> m_fx;
};

void TestMealGrid::init() {
    m_fx = std::make_unique<MainWindowFixture>();
    QVERIFY(m_fx->data.isValid());
    QCOMPARE(m_fx->startResult(), WindowSet::Result::Ok);
    form()->show();
    form()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form()));
}

void TestMealGrid::cleanup() {
    m_fx.reset();
}

void TestMealGrid::quickSearchAndDoubleClick() {
    search(QStringLiteral("mjölk"));
    QCOMPARE(lineText(list(), 0), QStringLiteral("Mjölk fett 3%"));
    QCOMPARE(listShows(form()), QStringLiteral("namn"));
    addFood(QStringLiteral("mjölk"), QStringLiteral("Mjölk fett 3%"));
    QCOMPARE(row(1).kod, QStringLiteral("1_101"));
    QCOMPARE(grid()->item(0, 0)->text(), QStringLiteral("Mjölk fett 3%"));
    QCOMPARE(grid()->item(0, 1)->text(), QStringLiteral("1,0"));
    QCOMPARE(grid()->item(0, 2)->text(), QStringLiteral("dl"));
    QCOMPARE(grid()->item(0, 3)->text(), QStringLiteral("103"));
    QCOMPARE(grid()->currentRow(), 0);
    QCOMPARE(grid()->currentColumn(), 3);
    QVERIFY(child<QPlainTextEdit>(form(), QStringLiteral("MemoHogerklick"))->isVisible());
    QVERIFY(child<QTimer>(form(), QStringLiteral("TimerHogerKlick"))->isActive());
    QVERIFY(form()->hasUnsavedChanges());
    QCOMPARE(m_fx->state->RecentFoods.names(), QStringList{QStringLiteral("Mjölk fett 3%")});
    QVERIFY(m_fx->dialogs.messages.isEmpty());
}

void TestMealGrid::oneSearchPerBurstOfTyping() {
    searchBox()->clear();
    typeText(searchBox(), QStringLiteral("gr"));
    QVERIFY(searchTimer()->isActive());
    const int before = lineCount(list());
    QTest::qWait(200);
    typeText(searchBox(), QStringLiteral("ö"));
    QCOMPARE(lineCount(list()), before); // not searched yet
    QTRY_VERIFY(!searchTimer()->isActive());
    // The search ran once, on the text present when it fired.
    QVERIFY(lineText(list(), lineCount(list()) - 1) != QStringLiteral("Ingen träff på  GR"));
    for (int i = 0; i < lineCount(list()); ++i) {
        const QString line = lineText(list(), i);
        QVERIFY2(line.startsWith(QLatin1String("    ")) ||
                     line.toUpper().contains(QStringLiteral("GRÖ")),
                 qPrintable(line));
    }
}

void TestMealGrid::antalAndGramCommit_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<float>("gram");
    QTest::addColumn<QString>("gramCell");
    QTest::newRow("antal 1,5") << 1 << "1,5" << 154.5f << "155";
    QTest::newRow("gram 45") << 3 << "45" << 45.0f << "45";
}

void TestMealGrid::antalAndGramCommit() {
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(float, gram);
    QFETCH(QString, gramCell);
    addFood(QStringLiteral("mjölk"), QStringLiteral("Mjölk fett 3%"));
    m_fx->state->history.setClean();
    QLineEdit* editor = openEditor(0, column, typed.left(1));
    QVERIFY(editor);
    typeText(editor, typed.mid(1));
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(row(1).gram, gram);
    QCOMPARE(grid()->item(0, 3)->text(), gramCell);
    QCOMPARE(grid()->currentColumn(), 4);
    QVERIFY(form()->hasUnsavedChanges());
}

void TestMealGrid::arrowInReadOnlyColumn() {
    addFood(QStringLiteral("mjölk"), QStringLiteral("Mjölk fett 3%"));
    clickCell(grid(), 0, 0);
    // Moving never complains; only typing into the column does.
    QTest::keyClick(grid(), Qt::Key_Down);
    QVERIFY2(m_fx->dialogs.messages.isEmpty(), qPrintable(m_fx->dialogs.messages.join('|')));
    QCOMPARE(grid()->currentRow(), 1);
    QTest::keyClick(grid(), Qt::Key_Up);
    QCOMPARE(grid()->currentRow(), 0);
    QLineEdit* editor = openEditor(0, 0, QStringLiteral("5"));
    QVERIFY(editor);
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(m_fx->dialogs.messages,
             QStringList{QStringLiteral("Du kan inte ändra i denna kolumn")});
    QCOMPARE(row(1).livsmedel, QStringLiteral("Mjölk fett 3%"));
}

void TestMealGrid::passingOverCellsChangesNothing() {
    addFood(QStringLiteral("mjölk"), QStringLiteral("Mjölk fett 3%"));
    addFood(QStringLiteral("mjölk"), QStringLiteral("Mjölk fett 3%"));
    m_fx->state->registration.row(0, 0, 1).gram = 150.0f; // Antal shows 1,5, which is 154,5 g
    m_fx->state->registration.row(0, 0, 2).klockan = QStringLiteral("08:00");
    form()->Recalculate();
    m_fx->state->history.setClean();
    for (int column : {1, 3, 4}) {
        clickCell(grid(), 0, column);
        QTest::keyClick(grid(), Qt::Key_Down);
        QTest::keyClick(grid(), Qt::Key_Up);
    }
    clickCell(grid(), 0, 4);
    QTest::keyClick(grid(), Qt::Key_Return);
    QCOMPARE(row(1).gram, 150.0f);
    QCOMPARE(row(2).klockan, QStringLiteral("08:00"));
    QVERIFY(!form()->hasUnsavedChanges());
    QVERIFY(m_fx->dialogs.messages.isEmpty());
}

void TestMealGrid::letterInTheGridStartsASearch() {
    clickCell(grid(), 0, 3);
    typeText(grid(), QStringLiteral("b"));
    QCOMPARE(searchBox()->text(), QStringLiteral("b"));
    QVERIFY(searchTimer()->isActive());
    QVERIFY(row(1).isEmpty());
    // A digit edits the cell instead.
    QLineEdit* editor = openEditor(0, 3, QStringLiteral("5"));
    QVERIFY(editor);
    QCOMPARE(editor->text(), QStringLiteral("5"));
}

void TestMealGrid::clockTimeCarriesDown() {
    for (int i = 0; i < 6; ++i)
        addFood(QStringLiteral("mjölk"), QStringLiteral("Mjölk fett 3%"));
    QLineEdit* editor = openEditor(2, 4, QStringLiteral("0"));
    QVERIFY(editor);
    typeText(editor, QStringLiteral("8:30"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(grid()->item(1, 4)->text(), QString());
    for (int tr = 2; tr < 6; ++tr)
        QCOMPARE(grid()->item(tr, 4)->text(), QStringLiteral("08:30"));
    QCOMPARE(row(7).tidslot, 34);
    // The next food takes the time of the row above it.
    addFood(QStringLiteral("mjölk"), QStringLiteral("Mjölk fett 3%"));
    QCOMPARE(grid()->item(6, 4)->text(), QStringLiteral("08:30"));
}

void TestMealGrid::unitListOnRightClick() {
    addFood(QStringLiteral("mjölk"), QStringLiteral("Mjölk fett 3%"));
    QTest::mouseClick(grid()->viewport(), Qt::RightButton, {}, cellCenter(0, 0));
    QListWidget* units = this->units();
    QVERIFY(units->isVisible());
    QStringList lines;
    for (int i = 0; i < units->count(); ++i)
        lines << units->item(i)->text();
    QCOMPARE(lines, (QStringList{"Mjölk fett 3%", "206 g/glas", "15  g/msk", "5   g/tsk"}));
    clickCell(units, 1);
    QVERIFY(!units->isVisible());
    QCOMPARE(row(1).enhet, QStringLiteral("glas"));
    QCOMPARE(row(1).gram, 206.0f);
    QCOMPARE(grid()->item(0, 2)->text(), QStringLiteral("glas"));
    QCOMPARE(grid()->currentColumn(), 1);
}

void TestMealGrid::increaseAndDecrease() {
    addFood(QStringLiteral("mjölk"), QStringLiteral("Mjölk fett 3%"));
    m_fx->state->history.setClean();
    clickButton(form(), QStringLiteral("Button4"));
    QCOMPARE(grid()->item(0, 3)->text(), QStringLiteral("113"));
    QVERIFY(form()->hasUnsavedChanges());
    m_fx->state->history.setClean();
    clickButton(form(), QStringLiteral("Button5"));
    QVERIFY(form()->hasUnsavedChanges());
    clickButton(form(), QStringLiteral("Button5"));
    QCOMPARE(grid()->item(0, 3)->text(), QStringLiteral("93"));
    // Down to less than a step: asked, and No keeps the row.
    m_fx->state->registration.row(0, 0, 1).gram = 10;
    m_fx->dialogs.queueAnswer(Dialogs::Answer::No);
    clickButton(form(), QStringLiteral("Button5"));
    QCOMPARE(m_fx->dialogs.questions, QStringList{QStringLiteral("Vill du ta bort denna rad?")});
    QCOMPARE(row(1).gram, 10.0f);
    m_fx->dialogs.queueAnswer(Dialogs::Answer::Yes);
    clickButton(form(), QStringLiteral("Button5"));
    QVERIFY(row(1).isEmpty());
    QCOMPARE(grid()->item(0, 0)->text(), QString());
    QCOMPARE(QApplication::focusWidget(), searchBox());
    // "Ta bort rad" removes the current row at once, the rows below move up.
    addFood(QStringLiteral("mjölk"), QStringLiteral("Mjölk fett 3%"));
    addFood(QStringLiteral("fil"), QStringLiteral("Filmjölk fett 3%"));
    clickCell(grid(), 0, 0);
    clickButton(form(), QStringLiteral("Button6"));
    QCOMPARE(grid()->item(0, 0)->text(), QStringLiteral("Filmjölk fett 3%"));
    QCOMPARE(grid()->item(1, 0)->text(), QString());
    QCOMPARE(m_fx->dialogs.questions.size(), 2);
}

void TestMealGrid::dropInsertsAtTheRow() {
    for (const char* name :
         {"Mjölk fett 3%", "Filmjölk fett 3%", "Yoghurt naturell fett 3%", "Fruktyoghurt fett 2%"})
        addFood(QString::fromUtf8(name).left(4), QString::fromUtf8(name));
    search(QStringLiteral("vispgr"));
    clickCell(list(), 0);
    QMimeData* mime = list()->model()->mimeData({list()->currentIndex()});
    const QPoint at = cellCenter(1, 0);
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, mime, Qt::LeftButton, {});
    QApplication::sendEvent(grid()->viewport(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction | Qt::MoveAction, mime, Qt::LeftButton, {});
    QApplication::sendEvent(grid()->viewport(), &drop);
    QCOMPARE(drop.dropAction(), Qt::CopyAction);
    delete mime;
    QStringList names;
    for (int tr = 0; tr < 6; ++tr)
        names << grid()->item(tr, 0)->text();
    QCOMPARE(names, (QStringList{"Mjölk fett 3%", "Vispgrädde fett 40%", "Filmjölk fett 3%",
                                 "Yoghurt naturell fett 3%", "Fruktyoghurt fett 2%", ""}));
    QCOMPARE(lineCount(list()) > 0, true); // the food stays in the list
}

void TestMealGrid::mealsAndDays() {
    addFood(QStringLiteral("mjölk"), QStringLiteral("Mjölk fett 3%"));
    clickButton(form(), mealButton(2));
    QCOMPARE(m_fx->state->CurrentMeal, 2);
    QCOMPARE(grid()->item(0, 0)->text(), QString());
    addFood(QStringLiteral("fil"), QStringLiteral("Filmjölk fett 3%"));
    QCOMPARE(row(1, 2).kod, QStringLiteral("1_104"));
    auto* days = child<QComboBox>(form(), QStringLiteral("ComboBox1"));
    chooseComboItem(days, 3);
    QCOMPARE(m_fx->state->CurrentDay, 3);
    QCOMPARE(m_fx->state->CurrentMeal, 2);
    QCOMPARE(grid()->item(0, 0)->text(), QString());
    chooseComboItem(days, 0);
    clickButton(form(), mealButton(0));
    QCOMPARE(grid()->item(0, 0)->text(), QStringLiteral("Mjölk fett 3%"));
}

void TestMealGrid::mealTypePickList() {
    addFood(QStringLiteral("mjölk"), QStringLiteral("Mjölk fett 3%"));
    addFood(QStringLiteral("fil"), QStringLiteral("Filmjölk fett 3%"));
    // Lunch shown: the breakfast button only switches the meal.
    clickButton(form(), mealButton(1));
    search(QStringLiteral("ägg"));
    clickButton(form(), mealButton(0));
    QCOMPARE(m_fx->state->CurrentMeal, 0);
    QVERIFY(lineText(list(), 0) != QStringLiteral("Filmjölk fett 3%"));
    // Breakfast shown: the button lists the foods used at breakfast.
    clickButton(form(), mealButton(0));
    QCOMPARE(lineCount(list()), 2);
    QCOMPARE(lineText(list(), 0), QStringLiteral("Filmjölk fett 3%"));
    QCOMPARE(list()->currentIndex().row(), 0);
    QTest::keyClick(list(), Qt::Key_Return);
    QCOMPARE(row(3).kod, QStringLiteral("1_104"));
}

void TestMealGrid::headingLineAddsNothing() {
    search(QStringLiteral("qqq"));
    QCOMPARE(lineText(list(), lineCount(list()) - 1), QStringLiteral("Ingen träff på  QQQ"));
    for (int i = 0; i < lineCount(list()); ++i) {
        clickCell(list(), i);
        clickButton(form(), QStringLiteral("Button3"));
    }
    QVERIFY(row(1).isEmpty());
    QVERIFY(m_fx->state->RecentFoods.isEmpty());
    QVERIFY(!form()->hasUnsavedChanges());
    QVERIFY(m_fx->dialogs.messages.isEmpty());
}

void TestMealGrid::quickSearchOffAddsATypedCode() {
    pressHiddenButton(form(), QStringLiteral("CheckBoxSnabbSok"));
    QVERIFY(!child<QCheckBox>(form(), QStringLiteral("CheckBoxSnabbSok"))->isChecked());
    const auto enter = [this](const QString& text) {
        searchBox()->clear();
        typeText(searchBox(), text);
        QTest::keyClick(searchBox(), Qt::Key_Return);
    };
    enter(QStringLiteral("m"));
    QCOMPARE(m_fx->dialogs.messages,
             QStringList{QStringLiteral("Minst två tecken behövs för att söka")});
    enter(QStringLiteral("1101"));
    QCOMPARE(row(1).kod, QStringLiteral("1_101"));
    QCOMPARE(grid()->currentColumn(), 3);
    QVERIFY(m_fx->state->RecentFoods.isEmpty());
    enter(QStringLiteral("12:00 lunch"));
    QCOMPARE(grid()->item(1, 0)->text(), QStringLiteral("12:00 lunch"));
    enter(QStringLiteral("zzzz"));
    QCOMPARE(lastSearch(form()), QStringLiteral("zzzz"));
    QCOMPARE(searchBox()->text(), QString());
    QVERIFY(!searchTimer()->isActive());
}

void TestMealGrid::searchByName() {
    // The menu item is hidden; Ctrl+S reaches it.
    m_fx->dialogs.queueInput(QStringLiteral("y"));
    m_fx->dialogs.queueInput(QStringLiteral("yoghurt"));
    QTest::keySequence(form(), QKeySequence(Qt::CTRL | Qt::Key_S));
    QCOMPARE(m_fx->dialogs.messages,
             QStringList{QStringLiteral("Minst två tecken behövs för att söka")});
    QCOMPARE(m_fx->dialogs.prompts.first(),
             QStringLiteral("Skriv ett ord att söka på (t.ex. soppa)|Sökord+ENTER"));
    QTest::keySequence(form(), QKeySequence(Qt::CTRL | Qt::Key_S));
    QCOMPARE(lastSearch(form()), QStringLiteral("yoghurt"));
    QCOMPARE(list()->currentIndex().data().toString(), QStringLiteral("Yoghurt naturell fett 3%"));
}

void TestMealGrid::favouritesWrittenOnExit() {
    const QString path = m_fx->data.filePath(QStringLiteral("favoriter.txt"));
    QFile::remove(path);
    form()->close(); // no favourites: nothing written
    QVERIFY(!QFile::exists(path));
    search(QStringLiteral("mjölk"));
    openFoodMenu(0);
    QCOMPARE(popupCode(form()), QStringLiteral("1_101"));
    // The item is kept hidden; it is chosen by name.
    triggerHiddenAction(form(), QStringLiteral("illfavoriter1"));
    pressHiddenButton(form(), QStringLiteral("ButtonFavoriter"));
    QCOMPARE(listShows(form()), QStringLiteral("favorit"));
    QCOMPARE(lineCount(list()), 1);
    form()->show(); // a second run, as the user would start it again
    form()->close();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("Mj\xf6lk fett 3%\r\nMj\xf6lk fett 3%{1_101}103@dl\r\n"));
    // Removing it while the favourites are shown refreshes the list.
    openFoodMenu(0);
    QVERIFY(child<QAction>(form(), QStringLiteral("tabort"))->isVisible());
    triggerAction(form(), QStringLiteral("tabort"));
    QCOMPARE(lineCount(list()), 0);
    // A favourites file that cannot be written does not keep the program open.
    m_fx->state->Favourites.add(QStringLiteral("Bröd"), QStringLiteral("Bröd{3_1}30@skiva"));
    m_fx->state->ProgramDir = m_fx->data.filePath(QStringLiteral("saknas/mapp"));
    form()->show();
    QVERIFY(form()->close());
    QVERIFY(!form()->isVisible());
}

void TestMealGrid::brokenPickListFiles() {
    // Written before a second start on the same folder.
    MainWindowFixture* first = m_fx.get();
    first->data.write(QStringLiteral("senaste.txt"), QByteArray("Bröd\r\n"));
    first->data.write(QStringLiteral("favoriter.txt"), QByteArray("Br\xf6"
                                                                  "d\r\nBr\xf6"
                                                                  "d{3_1}30@skiva\r\n"));
    auto second = std::make_unique<AppState>();
    second->DataDir = first->data.path();
    ScriptedDialogs dialogs;
    WindowSet windows(*second, dialogs);
    QCOMPARE(windows.create(), WindowSet::Result::Ok);
    QVERIFY(second->RecentFoods.isEmpty());
    QCOMPARE(second->Favourites.names(), QStringList{QStringLiteral("Bröd")});
    QVERIFY(dialogs.messages.isEmpty());
}

void TestMealGrid::articleLinkOfADabasFood() {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    m_fx->state->DabasHost = QStringLiteral("https://dabas.example");
    search(QStringLiteral("fruktyoghurt jord"));
    const int line = findLine(list(), QStringLiteral("Fruktyoghurt jordgubb /Demomejeriet"));
    QVERIFY(line >= 0);
    openFoodMenu(line);
    triggerAction(form(), QStringLiteral("Artikelnswww1"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QCOMPARE(catcher.urls,
             QList<QUrl>{QUrl(QStringLiteral("https://dabas.example/PublicDb/PublicArticle.aspx?"
                                             "typ=PB&GTIN=02005000000010"))});
}

void TestMealGrid::viewModeColours() {
    QCOMPARE(grid()->item(0, 0)->foreground().color(), QColor(QRgb(0x0000FF)));
    QCOMPARE(grid()->item(9, 2)->foreground().color(), QColor(QRgb(0x0000FF)));
    QCOMPARE(grid()->item(3, 0)->foreground().color(), QColor(QRgb(0xFF00FF)));
    // The view buttons belong to the extended layout.
    clickButton(form(), QStringLiteral("ButtonEnklare"));
    clickButton(form(), QStringLiteral("SpeedButton10"));
    QCOMPARE(m_fx->state->ViewMode, 1);
    QCOMPARE(grid()->item(3, 0)->foreground().color(), QColor(Qt::black));
    QCOMPARE(child<QToolButton>(form(), mealButton(2))->palette().color(QPalette::ButtonText),
             QColor(QRgb(0x008000)));
    clickButton(form(), QStringLiteral("SpeedButton9"));
    QCOMPARE(m_fx->state->ViewMode, 0);
    QCOMPARE(grid()->item(1, 0)->foreground().color(), QColor(QRgb(0xFF0000)));
}

void TestMealGrid::moveDefaultUnit() {
    pressHiddenButton(form(), QStringLiteral("buttonflyttaenhet"));
    QCOMPARE(m_fx->dialogs.messages, QStringList{QStringLiteral("Klart")});
    const std::optional<TableRecord> food =
        m_fx->state->livtab100.findByCode(QStringLiteral("2_104"));
    QVERIFY(food);
    QCOMPARE(food->number(QStringLiteral("port1")), std::optional<double>(140));
    QCOMPARE(food->text(QStringLiteral("enhet1")), QStringLiteral("st"));
    // The next food added carries its default unit first in the unit list.
    addFood(QStringLiteral("fläskkotlett"), QStringLiteral("Fläskkotlett stekt"));
    QTest::mouseClick(grid()->viewport(), Qt::RightButton, {}, cellCenter(0, 0));
    QCOMPARE(units()->item(1)->text(), QStringLiteral("140 g/st"));
    QCOMPARE(units()->item(units()->count() - 1)->text(), QStringLiteral("15  % avfall"));
}

QTEST_MAIN(TestMealGrid)
#include "tst_mealgrid.moc"
