#include "core/analysis/ResultChartBuilder.h"
#include "support/MainWindowFixture.h"
#include "support/MealActions.h"
#include "support/UserActions.h"
#include "ui/Windows.h"
#include "ui/analysis/ResultChartPanel.h"
#include "ui/analysis/ResultCharts.h"
#include "ui/analysis/TFormSalt.h"
#include "ui/analysis/Tformnvval.h"
#include "ui/app/TForm1.h"
#include "ui/diabetes/TFormDagFarger.h"
#include "ui/norms/TFormInst.h"
#include "ui/norms/TFormNorm.h"

#include <QAction>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHorizontalStackedBarSeries>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPieSeries>
#include <QPieSlice>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSqlTableModel>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <QValueAxis>

#include <algorithm>

using namespace vexamat;

namespace {

constexpr int slot(int nutrientNo) {
    return nutrientSlot(nutrientNo);
}

MealRow food(const QString& name, float gram, std::initializer_list<std::pair<int, float>> values) {
    MealRow r;
    r.kod = QStringLiteral("99");
    r.livsmedel = name;
    r.enhet = QStringLiteral("g");
    r.enhetsvikt = 1;
    r.gram = gram;
    r.naring.fill(0.0f);
    for (const auto& [no, v] : values)
        r.naring[slot(no)] = v;
    return r;
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The meal buttons, breakfast first.
QString mealButton(int meal) {
    static const char* const names[9] = {"SpeedButton1",  "SpeedButton2",  "SpeedButton3",
                                         "SpeedButton4",  "SpeedButton12", "SpeedButton13",
                                         "SpeedButton14", "SpeedButton15", "SpeedButton16"};
    return QString::fromLatin1(names[meal]);
}

// The data behind the bar chart and the pies: the one place these tests read the main
// window's internals.
ResultCharts* resultChartsOf(TForm1* form) {
    return form->resultChartPanel().charts();
}

// Reads the remembered layout again, as the next start does.
void restoreLayout(TForm1* form) {
    form->restoreLayout();
}

// Types text into a cell of a table as a user does: a click, F2, the text over the old, Return.
void typeIntoCell(QTableWidget* grid, int row, int column, const QString& text) {
    QVERIFY(grid);
    clickCell(grid, row, column);
    QTest::keyClick(grid, Qt::Key_F2);
    QLineEdit* editor = nullptr;
    for (QLineEdit* open : grid->viewport()->findChildren<QLineEdit*>()) {
        if (open->isVisible())
            editor = open;
    }
    QVERIFY2(editor, qPrintable(grid->objectName()));
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    typeText(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(grid->item(row, column)->text(), text); // committed queued
}

// Values of every bar set at one bar (counted from the top), by set name.
QMap<QString, qreal> segmentsOf(ResultCharts* charts, int bar) {
    QMap<QString, qreal> values;
    const int fromBottom = int(charts->labels().size()) - 1 - bar;
    for (QBarSet* set : charts->barSeries()->barSets()) {
        if (set->at(fromBottom) != 0.0)
            values[set->label()] = set->at(fromBottom);
    }
    return values;
}

} // namespace

class TstAnalysisWindows : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<MainWindowFixture> f;
    TForm1* form() const { return f->form(); }
    AppState& state() const { return *f->state; }
    ResultCharts* charts() const { return resultChartsOf(form()); }
    QChart* barChart() const {
        return child<QChartView>(form(), QStringLiteral("ChartStapel"))->chart();
    }
    QToolButton* mealButtonAt(int meal) const {
        return child<QToolButton>(form(), mealButton(meal));
    }
    void click(const char* name) { clickButton(form(), QString::fromLatin1(name)); }

    // Chooses the nutrients in their window, opened from the menu, and closes it with OK.
    void selectOnly(std::initializer_list<int> numbers) {
        triggerAction(form(), QStringLiteral("Vljnringsmnen1"));
        Tformnvval* w = f->windows().formnvval;
        QVERIFY(w->isVisible());
        for (int no = 15; no <= 86; ++no) {
            QCheckBox* b = w->box(no);
            if (b &&
                b->isChecked() != (std::find(numbers.begin(), numbers.end(), no) != numbers.end()))
                clickButton(b);
        }
        for (int no : numbers)
            QVERIFY(w->box(no)->isChecked());
        clickButton(w, QStringLiteral("Button1"));
    }

    // Protein need 60 g; breakfast 15 g and lunch 18 g of protein on day 1, 30 g on day 3.
    void addFoods() {
        state().norm.ActiveNeed[slot(nutrient::Protein)] = 60.0f;
        state().registration.row(0, 0, 1) =
            food("Gröt", 200, {{nutrient::Kj, 300}, {nutrient::Protein, 5}});
        state().registration.row(0, 0, 2) = food(
            "Mjölk", 100, {{nutrient::Kj, 200}, {nutrient::Protein, 5}, {nutrient::Selenium, -1}});
        state().registration.row(0, 1, 1) =
            food("Fisk", 100, {{nutrient::Kj, 500}, {nutrient::Protein, 18}});
        state().registration.row(2, 2, 1) =
            food("Kyckling", 100, {{nutrient::Kj, 700}, {nutrient::Protein, 30}});
        form()->Recalculate();
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

    void extendedLayoutIsRemembered() {
        auto* enklare = child<QPushButton>(form(), QStringLiteral("ButtonEnklare"));
        auto* chart = child<QChartView>(form(), QStringLiteral("ChartStapel"));
        auto* viewButton = child<QToolButton>(form(), QStringLiteral("SpeedButton9"));
        auto* normer = child<QMenu>(form(), QStringLiteral("Normer1"));
        QCOMPARE(enklare->text(), QStringLiteral("Visa enklare version."));
        QVERIFY(normer->menuAction()->isVisible());
        QVERIFY(child<QMenu>(form(), QStringLiteral("Register1"))->menuAction()->isVisible());
        QVERIFY(child<QAction>(form(), QStringLiteral("Vljnringsmnen1"))->isVisible());
        QVERIFY(child<QAction>(form(), QStringLiteral("Instllningar1"))->isVisible());
        QVERIFY(!viewButton->isHidden());
        QVERIFY(chart->isVisibleTo(form()));
        QCOMPARE(readAll(f->data.filePath("visning.txt")), QByteArray("ut\xf6kad\r\n"));

        click("ButtonEnklare");
        QCOMPARE(enklare->text(), QStringLiteral("Visa fler funktioner."));
        QVERIFY(!normer->menuAction()->isVisible());
        QVERIFY(!chart->isVisibleTo(form()));
        QVERIFY(viewButton->isHidden());
        QCOMPARE(readAll(f->data.filePath("visning.txt")), QByteArray("enkel\r\n"));
        auto* help = child<QPlainTextEdit>(form(), QStringLiteral("MemoHelp"));
        QVERIFY(!help->isHidden());
        QVERIFY(!help->geometry().intersects(enklare->geometry()));

        // The next run starts as the last one ended.
        f->data.write("visning.txt", "ut\xf6kad\r\n");
        restoreLayout(form());
        QCOMPARE(enklare->text(), QStringLiteral("Visa enklare version."));
        QVERIFY(chart->isVisibleTo(form()));
    }

    void barsInTheThreeViews() {
        selectOnly({15, 19});
        addFoods();
        auto* days = child<QComboBox>(form(), QStringLiteral("ComboBox1"));
        QCOMPARE(days->itemText(0), QStringLiteral("DAG1"));
        QCOMPARE(days->itemText(1), QStringLiteral("dag2"));
        QCOMPARE(days->itemText(2), QStringLiteral("DAG3"));
        QVERIFY(mealButtonAt(0)->font().bold());
        QVERIFY(!mealButtonAt(2)->font().bold());

        // Breakfast: 15 g protein against 25 % of 60 g, one segment per food row.
        QCOMPARE(charts()->labels(), (QStringList{"Energi    800kJ", "Protein   15.0g"}));
        QCOMPARE(barChart()->title(), QStringLiteral("Näring i % av behovet för Frukost DAG1"));
        QMap<QString, qreal> protein = segmentsOf(charts(), 1);
        QCOMPARE(protein.size(), 2);
        QCOMPARE(qRound(protein["Series1"] * 1000), qRound(10.0 / 60 * 100 / 0.25 * 1000));
        QCOMPARE(qRound((protein["Series1"] + protein["Series2"]) * 1000), 100000);

        // A changed amount moves the same bars.
        state().registration.row(0, 0, 1).gram = 400;
        form()->Recalculate();
        QCOMPARE(charts()->labels().at(1), QStringLiteral("Protein   25.0g"));
        protein = segmentsOf(charts(), 1);
        QCOMPARE(qRound(protein["Series1"] * 100), qRound(20.0 / 60 * 100 / 0.25 * 100));
        QCOMPARE(qRound((protein["Series1"] + protein["Series2"]) * 100),
                 qRound(25.0 / 15 * 10000));
        state().registration.row(0, 0, 1).gram = 200;
        form()->Recalculate();

        click("SpeedButton10");
        QCOMPARE(charts()->labels().at(1), QStringLiteral("Protein   33.0g"));
        protein = segmentsOf(charts(), 1);
        QCOMPARE(protein.keys(), (QStringList{"Series1", "Series2"}));
        QCOMPARE(qRound(protein["Series1"] * 1000), 25000);
        QCOMPARE(qRound(protein["Series2"] * 1000), 30000);
        QVERIFY(f->windows().FormDagFarger->isHidden());

        click("SpeedButton11");
        QVERIFY(!f->windows().FormDagFarger->isHidden());
        QCOMPARE(barChart()->title(), QStringLiteral("Näring i % av dagsbehovet för perioden"));
        // Two days with intake: (33 + 30) / 2 = 31.5 g, 52.5 % of the need.
        QCOMPARE(charts()->labels().at(1), QStringLiteral("Protein   31.5g"));
        protein = segmentsOf(charts(), 1);
        QCOMPARE(protein.keys(), (QStringList{"Series1", "Series3"}));
        QCOMPARE(qRound(protein["Series1"] * 100), 2750);
        QCOMPARE(qRound((protein["Series1"] + protein["Series3"]) * 100), 5250);

        // The days window chooses the lunches.
        clickButton(f->windows().FormDagFarger, QStringLiteral("RadioGroup1Item2"));
        QCOMPARE(barChart()->title(),
                 QStringLiteral("Näring för Lunch under perioden i % av behovet."));

        auto* procent = child<QPushButton>(form(), QStringLiteral("ButtonProcent"));
        click("ButtonProcent");
        QCOMPARE(procent->text(), QStringLiteral("Värde"));
        QVERIFY(charts()->labels().at(1).endsWith(QLatin1String("%")));
        click("ButtonProcent");
        QCOMPARE(procent->text(), QStringLiteral("%"));
    }

    void missingValuesMode() {
        selectOnly({19, 65});
        addFoods();
        click("SpeedButton8");
        QCOMPARE(barChart()->title(),
                 QStringLiteral("Antal livsmedel som saknar näringsuppgift Frukost DAG1"));
        QCOMPARE(charts()->labels(), (QStringList{"Protein   0 st", "Selen   1 st"}));
        QCOMPARE(segmentsOf(charts(), 1)["Series1"], 10.0);
        QVERIFY(!charts()->valueAxis()->labelsVisible());
        auto* missing = child<QToolButton>(form(), QStringLiteral("SpeedButton8"));
        QCOMPARE(missing->palette().color(QPalette::ButtonText), QColor(Qt::red));

        click("SpeedButton5");
        QVERIFY(charts()->valueAxis()->labelsVisible());
        clickButton(form(), mealButton(1));
        QCOMPARE(missing->palette().color(QPalette::ButtonText), QColor(0, 0, 0x80));
    }

    void zoom() {
        // "Zoom +" shows after "Zoom -".
        QCOMPARE(charts()->maximum(), 200.0);
        click("Button1");
        click("Button1");
        QCOMPARE(charts()->maximum(), 400.0);
        auto* zoomIn = child<QPushButton>(form(), QStringLiteral("Button2"));
        QVERIFY(!zoomIn->isHidden());
        click("Button2");
        click("Button2");
        QVERIFY(!zoomIn->isHidden());
        click("Button2");
        QCOMPARE(charts()->maximum(), 100.0);
        QVERIFY(zoomIn->isHidden());
        // A recalculation keeps the zoom.
        form()->Recalculate();
        QCOMPARE(charts()->maximum(), 100.0);
    }

    void barsArePagedByTheChartHeight() {
        selectOnly({15, 16, 17, 19, 20, 21, 22, 23, 24, 25, 26,
                    27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37});
        form()->resize(837, 760);
        // As many bars as their labels have room for, and never a page with a single bar.
        const int perPage = charts()->barsPerPage();
        QVERIFY(perPage > 1 && perPage < 22);
        QVERIFY(22 % perPage != 1);
        auto* pages = child<QScrollBar>(form(), QStringLiteral("ScrollBarStapel"));
        QVERIFY(pages->isEnabled());
        QCOMPARE(pages->maximum(), 22 - perPage);
        // The first page starts with kJ at the top; scrolling to the end shows the last bars.
        QCOMPARE(charts()->categoryAxis()->max(), charts()->categoryAxis()->categories().last());
        pages->setFocus();
        QTest::keyClick(pages, Qt::Key_End);
        QCOMPARE(pages->value(), pages->maximum());
        QCOMPARE(charts()->categoryAxis()->min(), charts()->categoryAxis()->categories().first());
        QVERIFY(charts()->labels().last().startsWith(QLatin1String("Magnes ")));
    }

    void energyPies() {
        addFoods();
        click("SpeedButton6");
        QVERIFY(!child<QChartView>(form(), QStringLiteral("ChartStapel"))->isVisibleTo(form()));
        QVERIFY(child<QChartView>(form(), QStringLiteral("ChartEnergi"))->isVisibleTo(form()));
        QVERIFY(child<QCheckBox>(form(), QStringLiteral("CheckboxAlkohol"))->isVisibleTo(form()));
        QStringList labels;
        for (QPieSlice* s : charts()->actualPie()->slices())
            labels << s->label();
        QCOMPARE(labels, (QStringList{"Prot 100%", "Fett 0%", "Kolh 0%"}));
        QCOMPARE(charts()->idealPie()->slices().size(), 3);
        click("CheckboxAlkohol");
        QCOMPARE(state().AlcoholFactor, 0);
    }

    void mealWithoutShareShowsTheNote() {
        addFoods();
        auto* note = child<QPlainTextEdit>(form(), QStringLiteral("MemoStapel"));
        clickButton(form(), mealButton(4));
        QVERIFY(!note->isHidden());
        QVERIFY(note->toPlainText().startsWith(
            QStringLiteral("För att få staplar måste du ange hur stor")));
        clickButton(form(), mealButton(0));
        QVERIFY(note->isHidden());
    }

    void wholeDayMode() {
        triggerAction(form(), QStringLiteral("Instllningar1"));
        TFormInst* inst = f->windows().FormInst;
        QVERIFY(!inst->isHidden());
        clickButton(inst, QStringLiteral("RadioGroup1Item1"));
        QVERIFY(state().settings.WholeDayMode);
        QCOMPARE(mealButtonAt(0)->text(), QStringLiteral("Hela dagen"));
        QVERIFY(mealButtonAt(0)->width() >= 374);
        for (int m = 1; m < 9; ++m)
            QVERIFY(mealButtonAt(m)->isHidden());
        QCOMPARE(state().settings.MealShare[0], 1.0f);
        QCOMPARE(barChart()->title(), QStringLiteral("Näring i % av behovet för Hela dag1"));

        clickButton(inst, QStringLiteral("RadioGroup1Item0"));
        QCOMPARE(mealButtonAt(0)->text(), QStringLiteral("Frukost"));
        QVERIFY(mealButtonAt(0)->width() < 374);
        QVERIFY(mealButtonAt(0)->width() >= mealButtonAt(0)->sizeHint().width());
        QVERIFY(!mealButtonAt(8)->isHidden());
        QCOMPARE(state().settings.MealShare[1], 0.3f);
    }

    void applySettings() {
        triggerAction(form(), QStringLiteral("Instllningar1"));
        TFormInst* inst = f->windows().FormInst;
        auto* shares = child<QTableWidget>(inst, QStringLiteral("StringGrid1"));
        typeIntoCell(shares, 0, 0, QStringLiteral("20"));
        typeIntoCell(shares, 3, 0, QStringLiteral("20"));
        typeIntoCell(child<QTableWidget>(inst, QStringLiteral("StringGrid2")), 3, 0,
                     QStringLiteral("12,5"));
        clickButton(inst, QStringLiteral("Button1"));
        QCOMPARE(state().settings.MealShare[0], 0.2f);
        QCOMPARE(state().norm.NormEnergyShare[4], 12.5f);
        QCOMPARE(readAll(f->data.filePath("vexamat.para")),
                 QByteArray("20\r\n30\r\n30\r\n20\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"
                            "15\r\n30\r\n55\r\n12,5\r\n7.5\r\n10\r\n"));

        // A file that cannot be written: the settings still apply and the user is told.
        QFile::remove(f->data.filePath("vexamat.para"));
        QVERIFY(QDir(f->data.path()).mkdir("vexamat.para"));
        triggerAction(form(), QStringLiteral("Instllningar1"));
        typeIntoCell(shares, 0, 0, QStringLiteral("10"));
        clickButton(inst, QStringLiteral("Button1"));
        QCOMPARE(state().settings.MealShare[0], 0.1f);
        QCOMPARE(f->dialogs.messages.size(), 1);
        QVERIFY(f->dialogs.messages[0].contains(QStringLiteral("vexamat.para")));
    }

    void chooseNormByDoubleClick_data() {
        QTest::addColumn<QString>("kindBefore");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("standard") << "standardnorm"
                                  << QStringList{"Vald Norm: Män 15-18 år   2868 kcal/dag"};
        QTest::newRow("after a ketogenic norm")
            << "ketogennorm"
            << QStringList{"Vald Norm: Män 15-18 år   2868 kcal/dag",
                           "Om du räknat på ketogen kost bör du kolla måltidsfördelningen under "
                           "Arkiv/Inställningar, de kan ha ändrats."};
    }
    void chooseNormByDoubleClick() {
        QFETCH(QString, kindBefore);
        QFETCH(QStringList, messages);
        QCOMPARE(state().norm.NormNumber, 12);
        QCOMPARE(state().norm.ActiveNeed[slot(nutrient::Kj)], 9600.0f);
        state().norm.NormKind = kindBefore;

        triggerAction(form(), QStringLiteral("Standardnormer1"));
        TFormNorm* norm = f->windows().FormNorm;
        QVERIFY(!norm->isHidden());
        auto* grid = child<QTableView>(norm, QStringLiteral("DBISAMDBGridNorm"));
        QVERIFY(grid->isColumnHidden(16) && grid->isColumnHidden(2) && !grid->isColumnHidden(14));
        QAbstractItemModel* norms = grid->model();
        QCOMPARE(norms->headerData(18, Qt::Horizontal).toString(), "Prot g");
        int row = -1;
        for (int r = 0; r < norms->rowCount(); ++r) {
            if (norms->index(r, 0).data().toInt() == 2)
                row = r;
        }
        QVERIFY(row >= 0);
        doubleClickCell(grid, row, 1);

        QCOMPARE(f->dialogs.messages, messages);
        QCOMPARE(state().norm.NormNumber, 2);
        QCOMPARE(state().norm.NormName, QStringLiteral("Män 15-18 år"));
        QCOMPARE(state().norm.ActiveNeed[slot(nutrient::Kj)], 12000.0f);
        QCOMPARE(state().norm.StandardNeed[slot(nutrient::Kj)], 12000.0f);
        QCOMPARE(state().norm.NormKind, QStringLiteral("standarnorm"));
        QCOMPARE(state().norm.NormLabel, QStringLiteral("Norm: Män 15-18 år   2868 kcal/dag"));
        QVERIFY(norm->isHidden());
        // The ideal shares of the new norm in the settings window.
        QCOMPARE(child<QTableWidget>(f->windows().FormInst, QStringLiteral("StringGrid2"))
                     ->item(0, 0)
                     ->text(),
                 QStringLiteral("15"));
    }

    void chooseNormWithTheKeyboard() {
        triggerAction(form(), QStringLiteral("Standardnormer1"));
        TFormNorm* norm = f->windows().FormNorm;
        auto* grid = child<QTableView>(norm, QStringLiteral("DBISAMDBGridNorm"));
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Down); // from row 12 to row 13
        QTest::keyClick(grid, Qt::Key_Return);
        QCOMPARE(state().norm.NormNumber, 13);
        QCOMPARE(f->dialogs.messages.last(),
                 QStringLiteral("Vald Norm: Kvinnor 19-30 år   2175 kcal/dag"));
        QVERIFY(norm->isHidden());
    }

    void editingTheNormTableNeedsThePassword() {
        triggerAction(form(), QStringLiteral("Standardnormer1"));
        TFormNorm* norm = f->windows().FormNorm;
        auto* memo = child<QPlainTextEdit>(norm, QStringLiteral("Memo2"));
        f->dialogs.queueInput(QStringLiteral("fel"));
        clickButton(norm, QStringLiteral("Button1"));
        QCOMPARE(f->dialogs.messages, QStringList{"Fel lösenord!"});
        QCOMPARE(f->dialogs.prompts, QStringList{"Ange KORPRAM lösenord|LÖSENORD"});
        QVERIFY(memo->isHidden());
        f->dialogs.queueInput(std::nullopt);
        clickButton(norm, QStringLiteral("Button1"));
        QCOMPARE(f->dialogs.messages.size(), 1);
        f->dialogs.queueInput(QStringLiteral("korpram"));
        clickButton(norm, QStringLiteral("Button1"));
        QVERIFY(!memo->isHidden());
        QVERIFY(child<QPushButton>(norm, QStringLiteral("Button1"))->isHidden());
        QVERIFY(child<QTableView>(norm, QStringLiteral("DBISAMDBGridNorm"))->editTriggers() !=
                QAbstractItemView::NoEditTriggers);
    }

    void nutrientSelection() {
        triggerAction(form(), QStringLiteral("Vljnringsmnen1"));
        Tformnvval* w = f->windows().formnvval;
        QCOMPARE(w->findChildren<QCheckBox*>().size(), 71);
        QCOMPARE(w->box(63)->text(), QStringLiteral("F226, dekosahexaensyra"));
        QCOMPARE(w->box(67)->objectName(), QStringLiteral("cBox67"));
        QVERIFY(w->box(18) == nullptr);
        QCOMPARE(state().selection.count(), 9);

        // Saving a group, then fetching it back after another choice.
        for (int no = 15; no <= 86; ++no) {
            QCheckBox* b = w->box(no);
            if (b && b->isChecked() != (no == 15 || no == 16))
                clickButton(b);
        }
        const QString group = f->data.filePath("energi.txt");
        f->dialogs.queueFileName(group);
        clickButton(w, QStringLiteral("Button2"));
        QCOMPARE(readAll(f->data.filePath("energi.nvval")), QByteArray("15\r\n16\r\n"));
        clickButton(w->box(38));
        // The name typed again without its extension is the same file: asked, and No keeps it.
        f->dialogs.queueFileName(f->data.filePath("energi"));
        f->dialogs.queueAnswer(Dialogs::Answer::No);
        clickButton(w, QStringLiteral("Button2"));
        QVERIFY(f->dialogs.questions.last().contains(QStringLiteral("finns redan")));
        QCOMPARE(readAll(f->data.filePath("energi.nvval")), QByteArray("15\r\n16\r\n"));
        clickButton(w, QStringLiteral("Button1"));
        QCOMPARE(readAll(f->data.filePath("nvval.txt")), QByteArray("15\r\n16\r\n38\r\n"));
        QCOMPARE(charts()->labels().size(), 3);

        triggerAction(form(), QStringLiteral("Vljnringsmnen1"));
        f->dialogs.queueFileName(f->data.filePath("energi.nvval"));
        clickButton(w, QStringLiteral("Button3"));
        QVERIFY(!w->box(38)->isChecked());
        w->close(); // closing keeps the fetched group, as OK does
        QCOMPARE(readAll(f->data.filePath("nvval.txt")), QByteArray("15\r\n16\r\n"));
        QCOMPARE(charts()->labels().size(), 2);
        QCOMPARE(f->dialogs.fileDialogs,
                 (QStringList{"Spara valda näringsämnen", "Spara valda näringsämnen",
                              "Hämta näringsämnesgrupp"}));
    }

    void saltWindowFollowsTheMeals() {
        TFormSalt* salt = f->windows().FormSalt;
        auto* memo = child<QPlainTextEdit>(salt, QStringLiteral("Memo1"));
        auto* bar = child<QProgressBar>(salt, QStringLiteral("ProgressBar1"));
        const QString advice = QStringLiteral(
            "Kvinnor bör minska intaget av salt till 6 gram per dag, män till 7 gram.");
        const QString missing = QStringLiteral("    1 livsmedel saknar uppgift om saltinnehåll.");
        const auto memoLines = [memo] { return memo->toPlainText().split(QLatin1Char('\n')); };

        QVERIFY(!salt->isVisible());
        click("ButtonSalt");
        QVERIFY(salt->isVisible());
        QCOMPARE(salt->windowTitle(), QStringLiteral("Salt (NaCl) i förhållande till behovet"));
        QCOMPARE(memoLines(),
                 (QStringList{advice, QStringLiteral("Saltmängden denna dag är: 0.0 gram.")}));
        QCOMPARE(bar->value(), 0);
        QCOMPARE(bar->maximum(), 20);
        QStringList clipped;
        for (QLabel* l : salt->findChildren<QLabel*>()) {
            if (l->width() < l->fontMetrics().horizontalAdvance(l->text()))
                clipped << l->text();
        }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('|'))));

        // 300 g with 550 mg sodium per 100 g: 1650 mg, 4.125 g salt.
        addFoodFromList(form(), QStringLiteral("stroganoff"), QStringLiteral("Korv stroganoff"));
        QCOMPARE(memoLines(),
                 (QStringList{advice, QStringLiteral("Saltmängden denna dag är: 4.1 gram.")}));
        QCOMPARE(bar->value(), 4);
        addFoodFromList(form(), QStringLiteral("multivitamin"),
                        QStringLiteral("Multivitamin och mineral tablett"));
        QCOMPARE(memoLines().value(1),
                 QStringLiteral("Saltmängden denna dag är: 4.1 gram.") + missing);

        // Another day (stroganoff and 40 g with 900 mg per 100 g: 2010 mg) and the days view:
        // the average over the two days with food, (1650 + 2010) / 2 mg.
        chooseComboItem(child<QComboBox>(form(), QStringLiteral("ComboBox1")), 1);
        QCOMPARE(memoLines().value(1), QStringLiteral("Saltmängden denna dag är: 0.0 gram."));
        addFoodFromList(form(), QStringLiteral("stroganoff"), QStringLiteral("Korv stroganoff"));
        addFoodFromList(form(), QStringLiteral("sill"), QStringLiteral("Sill inlagd"));
        QCOMPARE(memoLines().value(1), QStringLiteral("Saltmängden denna dag är: 5.0 gram."));
        QCOMPARE(bar->value(), 5);
        click("SpeedButton11");
        QCOMPARE(memoLines().value(1),
                 QStringLiteral("Dagsmedelvärdet salt är: 4.6 gram.") + missing);
        QCOMPARE(bar->value(), 5);

        // Closed, it costs nothing: it shows the old figures until it is opened again, then
        // (1650 + 3660) / 2 mg.
        salt->close();
        addFoodFromList(form(), QStringLiteral("stroganoff"), QStringLiteral("Korv stroganoff"));
        QCOMPARE(memoLines().value(1),
                 QStringLiteral("Dagsmedelvärdet salt är: 4.6 gram.") + missing);
        click("ButtonSalt");
        QCOMPARE(memoLines().value(1),
                 QStringLiteral("Dagsmedelvärdet salt är: 6.6 gram.") + missing);
        QCOMPARE(bar->value(), 7);
    }
};

QTEST_MAIN(TstAnalysisWindows)
#include "tst_analysiswindows.moc"
