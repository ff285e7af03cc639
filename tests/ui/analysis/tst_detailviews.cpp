#include "core/analysis/FoodContributions.h"
#include "support/MainWindowFixture.h"
#include "support/MealActions.h"
#include "support/UserActions.h"
#include "ui/Windows.h"
#include "ui/analysis/HorizontalBarChart.h"
#include "ui/analysis/TFormGramTotal.h"
#include "ui/analysis/TFormNvPer100g.h"
#include "ui/analysis/TFormNvPerKg.h"
#include "ui/analysis/TFormVisaNv.h"
#include "ui/analysis/TFormsiffror.h"
#include "ui/app/TForm1.h"

#include <QBarCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QPieSeries>
#include <QPieSlice>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <algorithm>

using namespace vexamat;

namespace {

// The texts of one row of a grid, columns 0..columns - 1.
QStringList rowOf(QTableWidget* grid, int row) {
    QStringList cells;
    for (int c = 0; c < grid->columnCount(); ++c)
        cells << grid->item(row, c)->text();
    return cells;
}

// Types over the whole text of an edit as a user does: select all, then the new text.
void retype(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        typeText(edit, text);
}

// The bar labels of a chart, top bar first.
QStringList barsOf(QWidget* window) {
    return child<HorizontalBarChart>(window, QStringLiteral("Chart1"))->labels();
}

// The lines of a list.
QStringList linesOf(QListWidget* list) {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

// The slice labels of a pie chart.
QStringList slicesOf(QWidget* window, const QString& chart) {
    QStringList labels;
    const QList<QAbstractSeries*> series = child<QChartView>(window, chart)->chart()->series();
    if (series.isEmpty())
        return labels;
    for (QPieSlice* slice : qobject_cast<QPieSeries*>(series.first())->slices())
        labels << slice->label();
    return labels;
}

} // namespace

// The default data: kJ, kcal and protein are the first three chosen nutrients; the need is
// 9600 kJ a day. Korv stroganoff: 300 g with 635 kJ and 6 g protein per 100 g. Sill inlagd:
// 40 g with 795 kJ and 10 g protein per 100 g.
class TstDetailViews : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<MainWindowFixture> f;
    TForm1* form() const { return f->form(); }
    void click(const char* name) { clickButton(form(), QString::fromLatin1(name)); }
    void addStroganoff() {
        addFoodFromList(form(), QStringLiteral("stroganoff"), QStringLiteral("Korv stroganoff"));
    }
    void addSill() {
        addFoodFromList(form(), QStringLiteral("sill"), QStringLiteral("Sill inlagd"));
    }

private Q_SLOTS:
    void init() {
        f = std::make_unique<MainWindowFixture>();
        QCOMPARE(f->startResult(), WindowSet::Result::Ok);
        form()->resize(837, 760);
        form()->show();
        click("ButtonEnklare");
    }
    void cleanup() { f.reset(); }

    void buttonsShowInTheExtendedLayoutOnly_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::newRow("figures") << "ButtonVisaSiffror"
                                 << "Näringen i siffror";
        QTest::newRow("per kg") << "ButtonNvPerKg"
                                << "Per kg kroppsvikt";
        QTest::newRow("per 100 g") << "ButtonNv100g"
                                   << "Näring per 100g";
    }
    void buttonsShowInTheExtendedLayoutOnly() {
        QFETCH(QString, button);
        QFETCH(QString, caption);
        auto* b = child<QPushButton>(form(), button);
        QVERIFY(b->isVisible());
        QCOMPARE(b->text(), caption);
        click("ButtonEnklare");
        QVERIFY(!b->isVisible());
    }

    void figuresFollowTheMeal() {
        TFormsiffror* w = f->windows().Formsiffror;
        QVERIFY(!w->isVisible());
        click("ButtonVisaSiffror");
        QVERIFY(w->isVisible());
        QCOMPARE(w->windowTitle(),
                 QStringLiteral("Klicka på en rad i måltiden för att se radens näring."));
        auto* grid = child<QTableWidget>(w, QStringLiteral("StringGrid1"));
        QCOMPARE(grid->rowCount(), 100);
        QCOMPARE(grid->columnCount(), 6);
        // An empty registration: zeros, and nothing for the empty current row.
        QCOMPARE(rowOf(grid, 0), (QStringList{"", "", "Frukost", "dag1", "RDI", "% av RDI"}));
        QCOMPARE(rowOf(grid, 1), (QStringList{"Energi kJ", "", "     0", "     0", "9600", "0%"}));

        addStroganoff();
        QCOMPARE(rowOf(grid, 0), (QStringList{"", "Korv stroganoff  300 gram", "Frukost", "DAG1",
                                              "RDI", "% av RDI"}));
        QCOMPARE(rowOf(grid, 1),
                 (QStringList{"Energi kJ", "1905", "  1905", "  1905", "9600", "20%"}));
        QCOMPARE(rowOf(grid, 3).mid(0, 4), (QStringList{"Protein g", "18.0", "  18.0", "  18.0"}));

        // Lunch: the meal column follows the meal, the day column keeps the whole day.
        clickButton(form(), QStringLiteral("SpeedButton2"));
        addSill();
        QCOMPARE(rowOf(grid, 0).at(2), QStringLiteral("Lunch"));
        QCOMPARE(rowOf(grid, 3).mid(2, 2), (QStringList{"   4.0", "  22.0"}));

        // A click on the first row of the meal grid shows that row.
        clickCell(child<QTableWidget>(form(), QStringLiteral("StringGridMaltid")), 0, 0);
        QCOMPARE(rowOf(grid, 0).at(1), QStringLiteral("Sill inlagd  40 gram"));
        QCOMPARE(rowOf(grid, 3).at(1), QStringLiteral("4.0"));

        // Closed, the window is not refilled; opened again, it catches up.
        w->close();
        addStroganoff();
        QCOMPARE(rowOf(grid, 3).at(2), QStringLiteral("   4.0"));
        click("ButtonVisaSiffror");
        QCOMPARE(rowOf(grid, 3).mid(2, 2), (QStringList{"  22.0", "  40.0"}));
    }

    void perKgFollowsTheWeight() {
        TFormNvPerKg* w = f->windows().FormNvPerKg;
        click("ButtonNvPerKg");
        QVERIFY(w->isVisible());
        QCOMPARE(w->windowTitle(), QStringLiteral("Näring per kg kroppsvikt"));
        auto* grid = child<QTableWidget>(w, QStringLiteral("StringGrid1"));
        auto* kg = child<QLineEdit>(w, QStringLiteral("Editkg"));
        QCOMPARE(kg->text(), QStringLiteral("10"));
        QCOMPARE(grid->columnCount(), 5);
        addStroganoff();
        QCOMPARE(rowOf(grid, 0),
                 (QStringList{"", "Korv stroganoff", "Frukost", "DAG1", "Alla dagar"}));
        QCOMPARE(rowOf(grid, 3), (QStringList{"Protein g", "1.8", "   1.8", "   1.8", "   1.8"}));

        retype(kg, QStringLiteral("20"));
        QCOMPARE(rowOf(grid, 3), (QStringList{"Protein g", "0.9", "   0.9", "   0.9", "   0.9"}));
        // No weight: the figures stay as they were, and nothing is divided by it.
        retype(kg, QStringLiteral("0"));
        QCOMPARE(rowOf(grid, 3).at(2), QStringLiteral("   0.9"));
        retype(kg, QString());
        addSill();
        QCOMPARE(rowOf(grid, 3).at(2), QStringLiteral("   0.9"));
        retype(kg, QStringLiteral("5,5"));
        QCOMPARE(rowOf(grid, 3).at(2), QStringLiteral("   4.0")); // 22 g / 5.5 kg
    }

    void per100gFollowsTheCorrectedWeight() {
        TFormNvPer100g* w = f->windows().FormNvPer100g;
        click("ButtonNv100g");
        QVERIFY(w->isVisible());
        QCOMPARE(w->windowTitle(), QStringLiteral("Måltidens näring per 100 gram"));
        auto* grid = child<QTableWidget>(w, QStringLiteral("StringGrid1"));
        auto* gram = child<QLineEdit>(w, QStringLiteral("EditGram"));
        auto* corrected = child<QLineEdit>(w, QStringLiteral("EditKorrigeradVikt"));
        QCOMPARE(child<QPlainTextEdit>(w, QStringLiteral("Memo1"))->toPlainText(),
                 QStringLiteral("Här visas näringen för en måltid/recept per 100 gram.\n"
                                "Om vikten har ändrats vid tillagningen skriver du den\n"
                                "nya vikten i \"Korrigerad vikt\"."));
        QVERIFY(gram->isReadOnly());
        // An empty meal: no figures.
        QCOMPARE(gram->text(), QStringLiteral("0"));
        QCOMPARE(rowOf(grid, 2), (QStringList{"Protein g", ""}));

        addStroganoff();
        addSill();
        // 340 g with 22 g protein.
        QCOMPARE(gram->text(), QStringLiteral("340"));
        QCOMPARE(rowOf(grid, 2), (QStringList{"Protein g", "   6.5"}));
        retype(corrected, QStringLiteral("200"));
        QCOMPARE(rowOf(grid, 2), (QStringList{"Protein g", "  11.0"}));
        retype(corrected, QString());
        QCOMPARE(rowOf(grid, 2), (QStringList{"Protein g", "   6.5"}));
    }

    // Right-clicks a food of the food list and chooses "Visa näringen per 100g".
    void lookUp(const QString& search, const QString& name) {
        searchFoods(form(), search);
        auto* foods = child<QListView>(form(), QStringLiteral("ListBoxLivs"));
        const int line = findLine(foods, name);
        QVERIFY2(line >= 0, qPrintable(name));
        rightClickForMenu(foods->viewport(),
                          foods->visualRect(foods->model()->index(line, 0)).center());
        QTRY_VERIFY(child<QMenu>(form(), QStringLiteral("PopupMenu1"))->isVisible());
        triggerAction(form(), QStringLiteral("Visanringenper100g1"));
    }

    void foodPer100gFromThePopupMenu() {
        TFormVisaNv* w = f->windows().FormVisaNv;
        QVERIFY(!w->isVisible());
        lookUp(QStringLiteral("stroganoff"), QStringLiteral("Korv stroganoff"));
        QVERIFY(w->isVisible());
        QCOMPARE(w->windowTitle(), QStringLiteral("Näring per 100 g"));
        auto* left = child<QListWidget>(w, QStringLiteral("ListBoxVisaNv"));
        auto* right = child<QListWidget>(w, QStringLiteral("ListBoxVisaNv1"));
        // The chosen nutrients, labels cut or padded to ten letters.
        QCOMPARE(linesOf(left).mid(0, 5), (QStringList{"Korv stroganoff", "", "Energi kJ 635",
                                                       "Energi kca152", "Protein g 6.0"}));
        QCOMPARE(linesOf(left).size(), 2 + 9);
        QVERIFY(linesOf(right).isEmpty());
        const QStringList stroganoffPie = slicesOf(w, QStringLiteral("ChartEnergi"));
        QCOMPARE(stroganoffPie.size(), 3);
        QVERIFY(stroganoffPie.first().startsWith(QLatin1String("Prot ")));
        QVERIFY(slicesOf(w, QStringLiteral("ChartEnergi2")).isEmpty());

        // The next food on the left, the one before it on the right with its pie.
        lookUp(QStringLiteral("sill"), QStringLiteral("Sill inlagd"));
        QCOMPARE(linesOf(left).first(), QStringLiteral("Sill inlagd"));
        QCOMPARE(linesOf(right).first(), QStringLiteral("Korv stroganoff"));
        QCOMPARE(slicesOf(w, QStringLiteral("ChartEnergi2")), stroganoffPie);
        QVERIFY(slicesOf(w, QStringLiteral("ChartEnergi")) != stroganoffPie);

        // The same nutrient is highlighted on both sides.
        clickCell(left, 4);
        QCOMPARE(right->currentRow(), 4);

        // With the left side locked a third food replaces only the right side.
        clickButton(w, QStringLiteral("CheckBoxLatsta"));
        lookUp(QStringLiteral("stroganoff"), QStringLiteral("Korv stroganoff"));
        QCOMPARE(linesOf(left).first(), QStringLiteral("Sill inlagd"));
        QCOMPARE(linesOf(right).first(), QStringLiteral("Korv stroganoff"));
        QCOMPARE(slicesOf(w, QStringLiteral("ChartEnergi2")), stroganoffPie);

        // Every nutrient on request.
        clickButton(w, QStringLiteral("CheckBoxVisaAllaNv"));
        lookUp(QStringLiteral("sill"), QStringLiteral("Sill inlagd"));
        QCOMPARE(linesOf(right).size(), 2 + 72);
        QCOMPARE(linesOf(left).size(), 2 + 9);
        QVERIFY(f->dialogs.messages.isEmpty());
    }

    void foodLookupClosesOnAClickInTheMainWindow_data() {
        QTest::addColumn<bool>("closeByItself");
        QTest::addColumn<bool>("inTheFoodList");
        QTest::newRow("the food list, stays") << false << true;
        QTest::newRow("the food list, closes") << true << true;
        QTest::newRow("the main window, stays") << false << false;
        QTest::newRow("the main window, closes") << true << false;
    }
    void foodLookupClosesOnAClickInTheMainWindow() {
        QFETCH(bool, closeByItself);
        QFETCH(bool, inTheFoodList);
        TFormVisaNv* w = f->windows().FormVisaNv;
        lookUp(QStringLiteral("sill"), QStringLiteral("Sill inlagd"));
        QVERIFY(w->isVisible());
        if (closeByItself)
            clickButton(w, QStringLiteral("CheckBoxStayOnTop"));
        if (inTheFoodList)
            clickCell(child<QListView>(form(), QStringLiteral("ListBoxLivs")), 0);
        else
            QTest::mouseClick(form(), Qt::LeftButton, {}, QPoint(2, form()->height() - 2));
        QCOMPARE(w->isVisible(), !closeByItself);
    }

    void foodContributionsFollowTheMeals() {
        TFormGramTotal* w = f->windows().FormGramTotal;
        QVERIFY(!w->isVisible());
        click("ButtonGram");
        QVERIFY(w->isVisible());
        QCOMPARE(w->windowTitle(), QStringLiteral("Livsmedelsvikt"));
        auto* nutrients = child<QListWidget>(w, QStringLiteral("ListBoxNv"));
        QCOMPARE(nutrients->count(), 71);
        QCOMPARE(nutrients->item(0)->text(), QStringLiteral("Vikt"));
        QCOMPARE(nutrients->item(3)->text(), QStringLiteral("Protein g"));
        QVERIFY(barsOf(w).isEmpty());

        // The same food in two meals of the day: one bar of the summed grams.
        addStroganoff();
        clickButton(form(), QStringLiteral("SpeedButton2"));
        addStroganoff();
        addSill();
        QCOMPARE(barsOf(w), (QStringList{"Korv stroganoff   600", "Sill inlagd    40"}));
        QVERIFY(!child<QWidget>(w, QStringLiteral("SpinButton1"))->isVisible());

        clickCell(nutrients, 3);
        QCOMPARE(w->windowTitle(), QStringLiteral("Protein g"));
        QCOMPARE(barsOf(w),
                 (QStringList{"Korv stroganoff (600.0g)   36.0g", "Sill inlagd (40.0g)    4.0g"}));

        // Another day: nothing on the current day, the sum of all days has it all.
        chooseComboItem(child<QComboBox>(form(), QStringLiteral("ComboBox1")), 1);
        QVERIFY(barsOf(w).isEmpty());
        addSill();
        QCOMPARE(barsOf(w), (QStringList{"Sill inlagd (40.0g)    4.0g"}));
        clickButton(w, QStringLiteral("RadioGroup1Item1"));
        QCOMPARE(barsOf(w),
                 (QStringList{"Korv stroganoff (600.0g)   36.0g", "Sill inlagd (80.0g)    8.0g"}));

        // Closed, it is not refilled until it is opened again.
        w->close();
        addStroganoff();
        QCOMPARE(barsOf(w).first(), QStringLiteral("Korv stroganoff (600.0g)   36.0g"));
        click("ButtonGram");
        QCOMPARE(barsOf(w).first(), QStringLiteral("Korv stroganoff (900.0g)   54.0g"));
    }

    void foodContributionsArePaged() {
        // 30 foods of 1..30 g on the first breakfast.
        for (int i = 1; i <= 30; ++i) {
            MealRow& row = f->state->registration.row(0, 0, i);
            row.kod = QStringLiteral("99");
            row.livsmedel = QStringLiteral("Mat %1").arg(i, 2, 10, QLatin1Char('0'));
            row.gram = float(i);
            row.naring.fill(0.0f);
            row.naring[std::size_t(nutrientSlot(nutrient::Kj))] = 100;
        }
        form()->Recalculate();
        TFormGramTotal* w = f->windows().FormGramTotal;
        w->resize(760, 560);
        click("ButtonGram");
        auto* spin = child<QWidget>(w, QStringLiteral("SpinButton1"));
        QVERIFY(spin->isVisible());
        const int perPage = FoodContributions::pointsPerPage(
            child<QChartView>(w, QStringLiteral("Chart1"))->height(), 30);
        QVERIFY(perPage > 1 && perPage < 30);
        QStringList page = barsOf(w);
        QCOMPARE(page.size(), perPage);
        QCOMPARE(page.first(), QStringLiteral("Mat 30    30"));

        clickButton(w, QStringLiteral("SpinButton1Down"));
        page = barsOf(w);
        QCOMPARE(page.first(), QStringLiteral("Mat %1    %1").arg(30 - perPage));
        clickButton(w, QStringLiteral("SpinButton1Up"));
        QCOMPARE(barsOf(w).first(), QStringLiteral("Mat 30    30"));
        clickButton(w, QStringLiteral("SpinButton1Up"));
        QCOMPARE(barsOf(w).first(), QStringLiteral("Mat 30    30"));

        // The last page ends with the smallest food and never goes past it.
        for (int i = 0; i < 30; ++i)
            clickButton(w, QStringLiteral("SpinButton1Down"));
        QCOMPARE(barsOf(w).last(), QStringLiteral("Mat 01     1"));
    }
};

QTEST_MAIN(TstDetailViews)
#include "tst_detailviews.moc"
