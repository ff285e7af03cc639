#include "core/AppState.h"
#include "core/catalogue/Nutrients.h"
#include "core/files/NormFile.h"
#include "core/text/TextCodec.h"
#include "support/MainWindowFixture.h"
#include "support/MealActions.h"
#include "support/UserActions.h"
#include "ui/Windows.h"
#include "ui/analysis/Tformnvval.h"
#include "ui/app/TForm1.h"
#include "ui/app/TFormHelp.h"
#include "ui/catalogue/FoodPickerPanel.h"
#include "ui/norms/TFormInst.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGraphicsTextItem>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace vexamat;

// What a new user meets on a first try of the program: texts that must show whole, the search
// box, moving in the grid, amounts, favourites, saving over a file and closing.
class TestNewUser : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void textsShowWhole_data();
    void textsShowWhole();
    void manyNutrientsKeepTheirBarLabels();
    void searchBoxHintIsNoText();
    void refusedAmounts_data();
    void refusedAmounts();
    void sameClockTimeCarriesDownAgain();
    void favouriteRemovedByItsCode();
    void savingOverAnotherFileAsks_data();
    void savingOverAnotherFileAsks();
    void openedNormReachesTheSettings();
    void closingEndsTheProgram();

private:
    TForm1* form() { return m_fx->form(); }
    QTableWidget* grid() { return child<QTableWidget>(form(), QStringLiteral("StringGridMaltid")); }
    QListView* foods() { return child<QListView>(form(), QStringLiteral("ListBoxLivs")); }
    QLineEdit* searchBox() { return child<QLineEdit>(form(), QStringLiteral("Edit1")); }
    const MealRow& row(int r) { return m_fx->state->registration.row(0, 0, r); }
    void setExtended(bool extended) {
        if (form()->isExtendedLayout() != extended)
            clickButton(form(), QStringLiteral("ButtonEnklare"));
        QCOMPARE(form()->isExtendedLayout(), extended);
    }
    void closeWithoutSaving() {
        if (form()->hasUnsavedChanges())
            m_fx->dialogs.queueAnswer(Dialogs::Answer::No);
        form()->close();
    }

    std::unique_ptr<MainWindowFixture> m_fx;
};

void TestNewUser::init() {
    m_fx = std::make_unique<MainWindowFixture>();
    QCOMPARE(m_fx->startResult(), WindowSet::Result::Ok);
    form()->show();
    form()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form()));
}

void TestNewUser::cleanup() {
    if (form()->isVisible())
        closeWithoutSaving();
    m_fx.reset();
}

void TestNewUser::textsShowWhole_data() {
    QTest::addColumn<bool>("extended");
    QTest::newRow("enkel") << false;
    QTest::newRow("utökad") << true;
}

void TestNewUser::textsShowWhole() {
    QFETCH(bool, extended);
    setExtended(extended);
    // A bold meal button, a time, a long name and the largest amount a row may hold.
    addFoodFromList(form(), QStringLiteral("mjölk"), QStringLiteral("Mjölk fett 3%"));
    typeIntoGridCell(form(), 0, 3, QStringLiteral("10000"));
    typeIntoGridCell(form(), 0, 4, QStringLiteral("07:30"));
    QCOMPARE(row(1).gram, 10000.0f);
    QVERIFY(child<QAbstractButton>(form(), QStringLiteral("SpeedButton1"))->font().bold());
    QCoreApplication::processEvents();

    QStringList clipped;
    for (QAbstractButton* b : form()->findChildren<QAbstractButton*>()) {
        if (!b->isVisibleTo(form()) || b->text().isEmpty())
            continue;
        if (b->width() < b->sizeHint().width())
            clipped << QStringLiteral("%1 \"%2\": %3 < %4")
                           .arg(b->objectName(), b->text())
                           .arg(b->width())
                           .arg(b->sizeHint().width());
    }
    for (QLabel* l : form()->findChildren<QLabel*>()) {
        if (l->isVisibleTo(form()) && l->width() < l->fontMetrics().horizontalAdvance(l->text()))
            clipped << l->objectName() + QStringLiteral(" \"") + l->text() + QLatin1Char('"');
    }
    QHeaderView* header = grid()->horizontalHeader();
    const QFontMetrics headingMetrics(header->font());
    const QFontMetrics cellMetrics(grid()->font());
    for (int c = 0; c < grid()->columnCount(); ++c) {
        const QString heading = grid()->horizontalHeaderItem(c)->text();
        if (header->sectionSize(c) < headingMetrics.horizontalAdvance(heading) + 8)
            clipped << QStringLiteral("rubriken \"%1\"").arg(heading);
        const QString cell = grid()->item(0, c)->text();
        if (grid()->columnWidth(c) < cellMetrics.horizontalAdvance(cell) + 6)
            clipped << QStringLiteral("cellen \"%1\" i kolumnen \"%2\"").arg(cell, heading);
    }
    auto* day = child<QComboBox>(form(), QStringLiteral("ComboBox1"));
    if (day->width() < day->sizeHint().width())
        clipped << QStringLiteral("dagrutan");
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral("; "))));
}

void TestNewUser::manyNutrientsKeepTheirBarLabels() {
    setExtended(true);
    addFoodFromList(form(), QStringLiteral("mjölk"), QStringLiteral("Mjölk fett 3%"));
    // The user ticks every nutrient and keeps the choice.
    triggerAction(form(), QStringLiteral("Vljnringsmnen1"));
    Tformnvval* choice = m_fx->windows().formnvval;
    QTRY_VERIFY(choice->isVisible());
    int ticked = 0;
    for (QCheckBox* box : choice->findChildren<QCheckBox*>()) {
        if (!box->isVisible())
            continue;
        if (!box->isChecked())
            box->click();
        ++ticked;
    }
    QVERIFY(ticked > 20);
    clickButton(choice, QStringLiteral("Button1"));
    QTRY_VERIFY(!choice->isVisible());
    QCoreApplication::processEvents();

    auto* bars = child<QChartView>(form(), QStringLiteral("ChartStapel"));
    bars->grab(); // lays the chart out as when it is painted
    QStringList labels;
    for (QGraphicsItem* item : bars->scene()->items()) {
        if (auto* text = dynamic_cast<QGraphicsTextItem*>(item); text && text->isVisible())
            labels << text->toPlainText();
    }
    QVERIFY(!labels.isEmpty());
    for (const QString& label : labels)
        QVERIFY2(!label.contains(QChar(0x2026)), qPrintable(label));
    // The rest is reached by paging.
    auto* pages = child<QScrollBar>(form(), QStringLiteral("ScrollBarStapel"));
    QVERIFY(pages->maximum() > 0);
}

void TestNewUser::searchBoxHintIsNoText() {
    QVERIFY(searchBox()->text().isEmpty());
    QCOMPARE(searchBox()->placeholderText(), QStringLiteral("Sökord"));
    searchFoods(form(), QStringLiteral("mjölk"));
    QCOMPARE(searchBox()->text(), QStringLiteral("mjölk"));
    QCOMPARE(lineText(foods(), 0), QStringLiteral("Mjölk fett 3%"));
}

void TestNewUser::refusedAmounts_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<float>("grams"); // afterwards; the row held 200 g
    QTest::addColumn<bool>("refused");
    QTest::newRow("negativa gram") << 3 << "-2" << 200.0f << true;
    QTest::newRow("negativt antal") << 1 << "-1" << 200.0f << true;
    QTest::newRow("två decimaltecken") << 3 << "1..5" << 200.0f << true;
    QTest::newRow("över 10 kg") << 3 << "10001" << 200.0f << true;
    QTest::newRow("blanksteg efter") << 3 << "150 " << 150.0f << false;
    QTest::newRow("decimalkomma") << 3 << "12,5" << 12.5f << false;
}

void TestNewUser::refusedAmounts() {
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(float, grams);
    QFETCH(bool, refused);
    addFoodFromList(form(), QStringLiteral("mjölk"), QStringLiteral("Mjölk fett 3%"));
    typeIntoGridCell(form(), 0, 3, QStringLiteral("200"));
    QCOMPARE(row(1).gram, 200.0f);
    m_fx->dialogs.messages.clear();
    typeIntoGridCell(form(), 0, column, typed);
    QCOMPARE(row(1).gram, grams);
    QCOMPARE(!m_fx->dialogs.messages.isEmpty(), refused);
    // The grid shows what the registration holds, never the refused text.
    QCOMPARE(grid()->item(0, 3)->text(), QString::number(qRound(grams)));
}

void TestNewUser::sameClockTimeCarriesDownAgain() {
    addFoodFromList(form(), QStringLiteral("mjölk"), QStringLiteral("Mjölk fett 3%"));
    addFoodFromList(form(), QStringLiteral("banan"), QStringLiteral("Banan"));
    typeIntoGridCell(form(), 0, 4, QStringLiteral("07:30"));
    QCOMPARE(row(2).klockan, QStringLiteral("07:30"));
    typeIntoGridCell(form(), 1, 4, QStringLiteral("09:00"));
    addFoodFromList(form(), QStringLiteral("kaffe"), QStringLiteral("Kaffe bryggt"));
    QCOMPARE(row(3).klockan, QStringLiteral("09:00"));
    // The first row's time typed again holds for every row below it once more.
    typeIntoGridCell(form(), 0, 4, QStringLiteral("07:30"));
    QCOMPARE(row(2).klockan, QStringLiteral("07:30"));
    QCOMPARE(row(3).klockan, QStringLiteral("07:30"));
}

void TestNewUser::favouriteRemovedByItsCode() {
    setExtended(true);
    // Two favourites: Ananas and Banan, as the food list gives them.
    for (const QString& name : {QStringLiteral("Ananas"), QStringLiteral("Banan")}) {
        searchFoods(form(), name.toLower());
        const FoodList& shown = form()->foodPicker().foodList();
        const int i = int(shown.lines.indexOf(name));
        QVERIFY(i >= 0);
        m_fx->state->Favourites.add(shown.lines.at(i), shown.companion(i));
    }
    QCOMPARE(m_fx->state->Favourites.names(),
             (QStringList{QStringLiteral("Ananas"), QStringLiteral("Banan")}));
    clickButton(form(), QStringLiteral("ButtonFavoriter"));
    // The list now shows a group, where Ananas stands first.
    auto* groups = child<QComboBox>(form(), QStringLiteral("ComboBoxSLVgrupp"));
    chooseComboItem(groups, groups->findText(QStringLiteral("Frukt")));
    const int ananas = findLine(foods(), QStringLiteral("Ananas"));
    QVERIFY(ananas >= 0);
    rightClickForMenu(foods()->viewport(),
                      foods()->visualRect(foods()->model()->index(ananas, 0)).center());
    auto* popup = child<QMenu>(form(), QStringLiteral("PopupMenu1"));
    QTRY_VERIFY(popup->isVisible());
    triggerAction(form(), QStringLiteral("tabort"));
    QCOMPARE(m_fx->state->Favourites.names(), QStringList{QStringLiteral("Banan")});
}

void TestNewUser::savingOverAnotherFileAsks_data() {
    QTest::addColumn<bool>("replace");
    QTest::newRow("Nej") << false;
    QTest::newRow("Ja") << true;
}

void TestNewUser::savingOverAnotherFileAsks() {
    QFETCH(bool, replace);
    QTemporaryDir dir;
    const QString kalle = dir.filePath(QStringLiteral("kalle.vexa"));
    QFile old(kalle);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("kalles registrering\r\n");
    old.close();

    addFoodFromList(form(), QStringLiteral("mjölk"), QStringLiteral("Mjölk fett 3%"));
    m_fx->dialogs.queueFileName(dir.filePath(QStringLiteral("kalle"))); // typed without suffix
    m_fx->dialogs.queueAnswer(replace ? Dialogs::Answer::Yes : Dialogs::Answer::No);
    triggerAction(form(), QStringLiteral("SparaBerkning1"));
    QVERIFY(m_fx->dialogs.questions.last().contains(QStringLiteral("finns redan")));
    QFile after(kalle);
    QVERIFY(after.open(QIODevice::ReadOnly));
    QCOMPARE(after.readAll() == "kalles registrering\r\n", !replace);
    QCOMPARE(form()->hasUnsavedChanges(), !replace);
}

void TestNewUser::openedNormReachesTheSettings() {
    // A saved registration whose norm has other energy shares than the default one.
    QTemporaryDir dir;
    addFoodFromList(form(), QStringLiteral("mjölk"), QStringLiteral("Mjölk fett 3%"));
    const QString path = dir.filePath(QStringLiteral("norm.vexa"));
    m_fx->dialogs.queueFileName(path);
    triggerAction(form(), QStringLiteral("SparaBerkning1"));
    ActiveNorm norm = m_fx->state->norm;
    norm.NormKind = QStringLiteral("vald");
    norm.NormLabel = QStringLiteral("Proteinrik");
    norm.ActiveNeed.fill(100.0f);
    norm.ActiveNeed[nutrientSlot(nutrient::Protein)] = 100.0f;
    norm.ActiveNeed[nutrientSlot(nutrient::Fat)] = 50.0f;
    norm.ActiveNeed[nutrientSlot(nutrient::Carbohydrate)] = 200.0f;
    norm.ActiveNeed[nutrientSlot(nutrient::Fibre)] = 0.0f;
    QVERIFY(NormFile::write(dir.filePath(QStringLiteral("norm.norm")), norm));

    auto* ideal = child<QTableWidget>(m_fx->windows().FormInst, QStringLiteral("StringGrid2"));
    QCOMPARE(ideal->item(0, 0)->text(), QStringLiteral("15"));
    m_fx->dialogs.queueFileName(path);
    triggerAction(form(), QStringLiteral("Hmtaberkning1"));
    // Protein 100 g x 1700, fat 50 g x 3700, carbohydrate 200 g x 1700 of the energy.
    QCOMPARE(ideal->item(0, 0)->text(), QStringLiteral("24"));
    QCOMPARE(ideal->item(1, 0)->text(), QStringLiteral("27"));
    QCOMPARE(ideal->item(2, 0)->text(), QStringLiteral("49"));
    // "Verkställ" keeps them.
    clickButton(m_fx->windows().FormInst, QStringLiteral("Button1"));
    QCOMPARE(ideal->item(0, 0)->text(), QStringLiteral("24"));
    QCOMPARE(qRound(m_fx->state->norm.NormEnergyShare[0]), 24);
}

void TestNewUser::closingEndsTheProgram() {
    clickButton(form(), QStringLiteral("ButtonInstruktioner"));
    QWidget* help = m_fx->windows().FormHelp;
    QTRY_VERIFY(help->isVisible());
    form()->close();
    QVERIFY(!form()->isVisible());
    QVERIFY(!help->isVisible());
}

QTEST_MAIN(TestNewUser)
#include "tst_newuser.moc"
