#include "core/diabetes/ReadingTime.h"
#include "support/CellEditing.h"
#include "support/MainWindowFixture.h"
#include "support/MealActions.h"
#include "support/UserActions.h"
#include "ui/Windows.h"
#include "ui/analysis/HorizontalBarChart.h"
#include "ui/app/TForm1.h"
#include "ui/diabetes/TFormDygn.h"
#include "ui/diabetes/TFormGlukos.h"
#include "ui/diabetes/TFormInsulin.h"
#include "ui/diabetes/TFormKolhkvot.h"
#include "ui/diabetes/TFormKolhydratrakning.h"
#include "ui/norms/NumberBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using namespace vexamat;

namespace {

// A food of 100 g with carbs grams of carbohydrate and 1000 kJ.
MealRow food(const QString& name, float carbs) {
    MealRow r;
    r.kod = QStringLiteral("99");
    r.livsmedel = name;
    r.enhet = QStringLiteral("g");
    r.enhetsvikt = 1;
    r.gram = 100;
    r.naring.fill(0.0f);
    r.naring[0] = 1000;
    r.naring[1] = 240;
    r.naring[21 - 15] = carbs;
    return r;
}

QString mmol(double value) {
    return QLocale().toString(value, 'f', 1) + QStringLiteral(" mmol");
}

} // namespace

class TestDiabetesWindows : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> f;
    TForm1* form() const { return f->form(); }
    AppState& state() { return *f->state; }
    Windows& windows() { return f->windows(); }

    TFormDygn* openTimeline() {
        clickButton(form(), QStringLiteral("Button8"));
        TFormDygn* dygn = windows().FormDygn;
        [&] { QTRY_VERIFY(dygn->isVisible()); }();
        return dygn;
    }

    // The clock time of the first meal row, typed with the main window in front.
    void typeIntoMealClock(const QString& text) {
        form()->activateWindow();
        QTRY_VERIFY(form()->isActiveWindow());
        typeIntoGridCell(form(), 0, 4, text);
    }

private Q_SLOTS:
    void init() {
        f = std::make_unique<MainWindowFixture>();
        QCOMPARE(f->startResult(), WindowSet::Result::Ok);
        form()->show();
        if (!form()->isExtendedLayout())
            clickButton(form(), QStringLiteral("ButtonEnklare"));
        QVERIFY(form()->isExtendedLayout());
    }
    void cleanup() {
        f->dialogs.verifyAllUsed();
        f.reset();
    }

    void buttonsOpenTheirWindows() {
        TFormDygn* dygn = openTimeline();
        QCOMPARE(dygn->windowTitle(),
                 QStringLiteral("Fördelning av %1 under dag1").arg(state().names.label(16)));
        QVERIFY(!windows().FormGlukos->isVisible());
        clickButton(dygn, QStringLiteral("CheckBoxBlodsocker"));
        QTRY_VERIFY(windows().FormGlukos->isVisible());
        clickButton(dygn, QStringLiteral("CheckBoxBlodsocker"));
        QTRY_VERIFY(!windows().FormGlukos->isVisible());

        clickButton(dygn, QStringLiteral("BitBtnInsulin"));
        QTRY_VERIFY(windows().FormInsulin->isVisible());

        QVERIFY(!dygn->ButtonOka->isVisible());
        clickButton(dygn, QStringLiteral("CheckBoxKolhberakning"));
        QTRY_VERIFY(windows().FormKolhkvot->isVisible());
        QVERIFY(dygn->ButtonOka->isVisible());
        QVERIFY(dygn->ButtonMinska->isVisible());

        clickButton(form(), QStringLiteral("ButtonInsulin"));
        QTRY_VERIFY(windows().FormKolhydratrakning->isVisible());
        // The simple layout offers neither.
        clickButton(form(), QStringLiteral("ButtonEnklare"));
        QVERIFY(!child<QPushButton>(form(), QStringLiteral("Button8"))->isVisible());
        QVERIFY(!child<QPushButton>(form(), QStringLiteral("ButtonInsulin"))->isVisible());
    }

    void glucoseReadingsShowInTheTimeline() {
        TFormDygn* dygn = openTimeline();
        clickButton(dygn, QStringLiteral("CheckBoxBlodsocker"));
        QTableWidget* grid = windows().FormGlukos->StringGrid1;
        QTRY_VERIFY(grid->isVisible());
        QVERIFY(!form()->hasUnsavedChanges());
        typeIntoCell(grid, 0, 0, QStringLiteral("7:30"));
        typeIntoCell(grid, 0, 1, QStringLiteral("5,2"));
        typeIntoCell(grid, 1, 0, QStringLiteral("10.00"));
        typeIntoCell(grid, 1, 1, QStringLiteral("8,4"));
        QVERIFY(form()->hasUnsavedChanges());

        const QList<QPointF> points = dygn->Series4->points();
        QCOMPARE(points.size(), 2);
        QCOMPARE(points[0].x(), 7.5);
        QCOMPARE(qRound(points[0].y()), 26);
        QCOMPARE(points[1].x(), 10.0);
        QCOMPARE(qRound(points[1].y()), 42);
        QCOMPARE(dygn->marks(4), (QStringList{mmol(5.2), mmol(8.4)}));
        clickButton(dygn, QStringLiteral("CheckBoxGlukos"));
        QVERIFY(dygn->marks(4).isEmpty());

        // A time that is not one is refused, not read as midnight.
        typeIntoCell(grid, 2, 0, QStringLiteral("kl sju"));
        QCOMPARE(f->dialogs.messages.value(0), NotAReadingTime(QStringLiteral("kl sju")));
        QCOMPARE(grid->item(2, 0)->text(), QString());
        typeIntoCell(grid, 2, 1, QStringLiteral("högt"));
        QCOMPARE(f->dialogs.messages.value(1), NumberBox::notANumber(QStringLiteral("högt")));
        QCOMPARE(grid->item(2, 1)->text(), QString());
        QCOMPARE(dygn->Series4->points().size(), 2);

        // Another day has its own readings; coming back brings the first day's again.
        auto* days = child<QComboBox>(form(), QStringLiteral("ComboBox1"));
        chooseComboItem(days, 1);
        QCOMPARE(grid->item(0, 0)->text(), QString());
        QVERIFY(dygn->Series4->points().isEmpty());
        typeIntoCell(grid, 0, 0, QStringLiteral("12"));
        typeIntoCell(grid, 0, 1, QStringLiteral("6"));
        chooseComboItem(days, 0);
        QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("7:30"));
        QCOMPARE(grid->item(1, 1)->text(), QStringLiteral("8,4"));
        QCOMPARE(dygn->Series4->points().size(), 2);
        QCOMPARE(state().GlucoseStore.reading(1, 1).time, QStringLiteral("12"));

        // Undo takes the last reading back.
        chooseComboItem(days, 1);
        triggerAction(form(), QStringLiteral("ngra1"));
        QCOMPARE(grid->item(0, 1)->text(), QString());
    }

    void timelineFollowsTheMealClock() {
        state().registration.row(0, 0, 1) = food(QStringLiteral("Gröt"), 60);
        form()->Recalculate();
        TFormDygn* dygn = openTimeline();
        // Without a time the food counts at the end of the day.
        QCOMPARE(dygn->bars(1), (QList<QPointF>{{24.0, 100.0}}));
        typeIntoMealClock(QStringLiteral("8:00"));
        QCOMPARE(dygn->bars(1), (QList<QPointF>{{8.0, 100.0}}));
        QCOMPARE(dygn->marks(1), (QStringList{QStringLiteral("240 kc = 100%")}));
        typeIntoMealClock(QStringLiteral("12:30"));
        QCOMPARE(dygn->bars(1), (QList<QPointF>{{12.5, 100.0}}));

        // Another nutrient from the list.
        clickCell(dygn->ListBox1, 4); // kJ, kcal, protein, fat, carbohydrates
        QCOMPARE(state().TimeChartNutrient, 21);
        QCOMPARE(dygn->Label1->text(), state().names.label(21));
        QCOMPARE(dygn->marks(1).value(0).right(7), QStringLiteral(" = 100%"));
    }

    void suggestedInsulinFromTheHourFactors() {
        state().registration.row(0, 0, 1) = food(QStringLiteral("Gröt"), 60);
        state().registration.row(0, 0, 1).klockan = QStringLiteral("8:00");
        state().registration.row(0, 0, 1).tidslot = 32;
        form()->Recalculate();
        TFormDygn* dygn = openTimeline();
        clickButton(dygn, QStringLiteral("CheckBoxKolhberakning"));
        TFormKolhkvot* kvot = windows().FormKolhkvot;
        QTRY_VERIFY(kvot->isVisible());
        QVERIFY(dygn->bars(3).isEmpty());

        // Hour 7 and, filled automatically, every hour after it.
        typeIntoCell(kvot->StringGrid1, 7, 1, QStringLiteral("12"));
        QCOMPARE(kvot->StringGrid1->item(23, 1)->text(), QStringLiteral("12"));
        QCOMPARE(kvot->StringGrid1->item(6, 1)->text(), QString());
        QVERIFY(form()->hasUnsavedChanges());
        // 60 g at 1:12 is 5 units, drawn 4 times as high just before 8:00.
        QCOMPARE(dygn->bars(3), (QList<QPointF>{{31 / 4.0, 20.0}}));
        QCOMPARE(dygn->marks(3), (QStringList{QStringLiteral("5,0 IE")}));
        clickButton(dygn, QStringLiteral("ButtonOka"));
        QCOMPARE(qRound(dygn->bars(3).value(0).y() * 100), 2200);
        clickButton(dygn, QStringLiteral("ButtonMinska"));
        QCOMPARE(qRound(dygn->bars(3).value(0).y() * 100), 2000);

        // A factor of 0 gives no dose rather than a division by zero.
        kvot->CheckBox1->setChecked(false);
        typeIntoCell(kvot->StringGrid1, 8, 1, QStringLiteral("0"));
        QCOMPARE(kvot->StringGrid1->item(9, 1)->text(), QStringLiteral("12"));
        QVERIFY(dygn->bars(3).isEmpty());

        // The 500 rule.
        QCOMPARE(kvot->Editkolhkvot->text(), QStringLiteral("   -"));
        kvot->EditDygnsdos->clear();
        QTest::keyClicks(kvot->EditDygnsdos, QStringLiteral("40"));
        QCOMPARE(kvot->Editkolhkvot->text(), QLocale().toString(12.5, 'f', 1));
        kvot->EditDygnsdos->clear();
        QCOMPARE(kvot->Editkolhkvot->text(), QLocale().toString(12.5, 'f', 1));
        QTest::keyClicks(kvot->EditDygnsdos, QStringLiteral("60"));
        QCOMPARE(kvot->Editkolhkvot->text(), QLocale().toString(8.3, 'f', 1));
    }

    void carbohydrateCountingPerMeal() {
        state().registration.row(0, 0, 1) = food(QStringLiteral("Gröt"), 62);
        state().registration.row(0, 2, 1) = food(QStringLiteral("Pasta"), 75);
        form()->Recalculate();
        clickButton(form(), QStringLiteral("ButtonInsulin"));
        TFormKolhydratrakning* window = windows().FormKolhydratrakning;
        QTRY_VERIFY(window->isVisible());
        QTableWidget* grid = window->StringGrid1;
        QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("62"));
        QCOMPARE(grid->item(1, 1)->text(), QString());
        QCOMPARE(grid->item(9, 0)->text(), QStringLiteral("Hela dagen"));
        QCOMPARE(grid->item(9, 1)->text(), QStringLiteral("137"));
        QVERIFY(!window->Chart1->isVisible());

        typeIntoCell(grid, 0, 2, QStringLiteral("10"));
        QCOMPARE(grid->item(0, 3)->text(), QStringLiteral("6.2"));
        QVERIFY(window->Chart1->isVisible());
        QCOMPARE(window->Chart1->labels().value(0), QStringLiteral("Frukost 6.2"));
        QVERIFY(form()->hasUnsavedChanges());
        typeIntoCell(grid, 9, 2, QStringLiteral("0"));
        QCOMPARE(grid->item(9, 3)->text(), QString());
        typeIntoCell(grid, 2, 2, QStringLiteral("tolv"));
        QCOMPARE(f->dialogs.messages.value(0), NumberBox::notANumber(QStringLiteral("tolv")));
        QCOMPARE(grid->item(2, 2)->text(), QString());
        QCOMPARE(grid->item(2, 3)->text(), QString());
        QCOMPARE(state().carbohydrate.MealRatio[0], QStringLiteral("10"));

        // The counting follows the meal grid.
        state().registration.row(0, 0, 2) = food(QStringLiteral("Bröd"), 18);
        form()->Recalculate();
        QCOMPARE(grid->item(0, 3)->text(), QStringLiteral("8.0"));
    }
};

QTEST_MAIN(TestDiabetesWindows)
#include "tst_diabeteswindows.moc"
