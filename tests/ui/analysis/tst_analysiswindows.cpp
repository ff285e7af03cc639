#include "core/analysis/ResultChartBuilder.h"
#include "support/MainWindowFixture.h"
#include "ui/Windows.h"
#include "ui/analysis/ResultCharts.h"
#include "ui/analysis/Tformnvval.h"
#include "ui/app/TForm1.h"
#include "ui/diabetes/TFormDagFarger.h"
#include "ui/norms/TFormInst.h"
#include "ui/norms/TFormNorm.h"

#include <QAction>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHorizontalStackedBarSeries>
#include <QMenu>
#include <QPieSeries>
#include <QPieSlice>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSqlTableModel>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <QValueAxis>

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

void click(QAbstractButton* button) {
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
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
    ResultCharts* charts() const { return form()->resultCharts(); }

    void selectOnly(std::initializer_list<int> numbers) {
        Tformnvval* w = f->windows().formnvval;
        for (int no = 15; no <= 86; ++no) {
            if (QCheckBox* b = w->box(no))
                b->setChecked(false);
        }
        for (int no : numbers)
            w->box(no)->setChecked(true);
        click(w->Button1);
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
        click(form()->ButtonEnklare);
    }
    void cleanup() { f.reset(); }

    void extendedLayoutIsRemembered() {
        QCOMPARE(form()->ButtonEnklare->text(), QStringLiteral("Visa enklare version."));
        QVERIFY(form()->Normer->menuAction()->isVisible());
        QVERIFY(form()->Register->menuAction()->isVisible());
        QVERIFY(form()->Vljnringsmnen1->isVisible());
        QVERIFY(form()->findChild<QAction*>("Instllningar1")->isVisible());
        QVERIFY(!form()->SpeedButton9->isHidden());
        QVERIFY(!form()->ChartStapel->isHidden());
        QCOMPARE(readAll(f->data.filePath("visning.txt")), QByteArray("ut\xf6kad\r\n"));

        click(form()->ButtonEnklare);
        QCOMPARE(form()->ButtonEnklare->text(), QStringLiteral("Visa fler funktioner."));
        QVERIFY(!form()->Normer->menuAction()->isVisible());
        QVERIFY(form()->ChartStapel->isHidden());
        QVERIFY(form()->SpeedButton9->isHidden());
        QCOMPARE(readAll(f->data.filePath("visning.txt")), QByteArray("enkel\r\n"));
        QVERIFY(!form()->MemoHelp->isHidden());
        QVERIFY(!form()->MemoHelp->geometry().intersects(form()->ButtonEnklare->geometry()));

        // The next run starts as the last one ended.
        f->data.write("visning.txt", "ut\xf6kad\r\n");
        form()->restoreLayout();
        QCOMPARE(form()->ButtonEnklare->text(), QStringLiteral("Visa enklare version."));
        QVERIFY(!form()->ChartStapel->isHidden());
    }

    void barsInTheThreeViews() {
        selectOnly({15, 19});
        addFoods();
        QCOMPARE(form()->ComboBox1->itemText(0), QStringLiteral("DAG1"));
        QCOMPARE(form()->ComboBox1->itemText(1), QStringLiteral("dag2"));
        QCOMPARE(form()->ComboBox1->itemText(2), QStringLiteral("DAG3"));
        QVERIFY(form()->mealButtons[0]->font().bold());
        QVERIFY(!form()->mealButtons[2]->font().bold());

        // Breakfast: 15 g protein against 25 % of 60 g, one segment per food row.
        QCOMPARE(charts()->labels(), (QStringList{"Energi    800kJ", "Protein   15.0g"}));
        QCOMPARE(form()->ChartStapel->chart()->title(),
                 QStringLiteral("Näring i % av behovet för Frukost DAG1"));
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

        click(form()->SpeedButton10);
        QCOMPARE(charts()->labels().at(1), QStringLiteral("Protein   33.0g"));
        protein = segmentsOf(charts(), 1);
        QCOMPARE(protein.keys(), (QStringList{"Series1", "Series2"}));
        QCOMPARE(qRound(protein["Series1"] * 1000), 25000);
        QCOMPARE(qRound(protein["Series2"] * 1000), 30000);
        QVERIFY(f->windows().FormDagFarger->isHidden());

        click(form()->SpeedButton11);
        QVERIFY(!f->windows().FormDagFarger->isHidden());
        QCOMPARE(form()->ChartStapel->chart()->title(),
                 QStringLiteral("Näring i % av dagsbehovet för perioden"));
        // Two days with intake: (33 + 30) / 2 = 31.5 g, 52.5 % of the need.
        QCOMPARE(charts()->labels().at(1), QStringLiteral("Protein   31.5g"));
        protein = segmentsOf(charts(), 1);
        QCOMPARE(protein.keys(), (QStringList{"Series1", "Series3"}));
        QCOMPARE(qRound(protein["Series1"] * 100), 2750);
        QCOMPARE(qRound((protein["Series1"] + protein["Series3"]) * 100), 5250);

        // The days window chooses the lunches.
        click(f->windows().FormDagFarger->findChild<QRadioButton*>("RadioGroup1Item2"));
        QCOMPARE(form()->ChartStapel->chart()->title(),
                 QStringLiteral("Näring för Lunch under perioden i % av behovet."));

        click(form()->ButtonProcent);
        QCOMPARE(form()->ButtonProcent->text(), QStringLiteral("Värde"));
        QVERIFY(charts()->labels().at(1).endsWith(QLatin1String("%")));
        click(form()->ButtonProcent);
        QCOMPARE(form()->ButtonProcent->text(), QStringLiteral("%"));
    }

    void missingValuesMode() {
        selectOnly({19, 65});
        addFoods();
        click(form()->SpeedButton8);
        QCOMPARE(form()->ChartStapel->chart()->title(),
                 QStringLiteral("Antal livsmedel som saknar näringsuppgift Frukost DAG1"));
        QCOMPARE(charts()->labels(), (QStringList{"Protein   0 st", "Selen   1 st"}));
        QCOMPARE(segmentsOf(charts(), 1)["Series1"], 10.0);
        QVERIFY(!charts()->valueAxis()->labelsVisible());
        QCOMPARE(form()->SpeedButton8->palette().color(QPalette::ButtonText), QColor(Qt::red));

        click(form()->SpeedButton5);
        QVERIFY(charts()->valueAxis()->labelsVisible());
        click(form()->mealButtons[1]);
        QCOMPARE(form()->SpeedButton8->palette().color(QPalette::ButtonText), QColor(0, 0, 0x80));
    }

    void zoom() {
        QCOMPARE(charts()->maximum(), 200.0);
        click(form()->Button1);
        click(form()->Button1);
        QCOMPARE(charts()->maximum(), 400.0);
        QVERIFY(!form()->Button2->isHidden());
        click(form()->Button2);
        click(form()->Button2);
        QVERIFY(!form()->Button2->isHidden());
        click(form()->Button2);
        QCOMPARE(charts()->maximum(), 100.0);
        QVERIFY(form()->Button2->isHidden());
        // A recalculation keeps the zoom.
        form()->Recalculate();
        QCOMPARE(charts()->maximum(), 100.0);
    }

    void barsArePagedByTheChartHeight() {
        selectOnly({15, 16, 17, 19, 20, 21, 22, 23, 24, 25, 26,
                    27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37});
        form()->resize(837, 760);
        const int height = form()->ChartStapel->height();
        const int perPage = ResultChartBuilder::FitBarsPerPage(height, 22);
        QVERIFY(perPage > 1 && perPage < 22);
        QCOMPARE(charts()->barsPerPage(), perPage);
        QScrollBar* pages = form()->ScrollBarStapel;
        QVERIFY(pages->isEnabled());
        QCOMPARE(pages->maximum(), 22 - perPage);
        // The first page starts with kJ at the top; scrolling to the end shows the last bars.
        QCOMPARE(charts()->categoryAxis()->max(), charts()->categoryAxis()->categories().last());
        pages->setValue(pages->maximum());
        QCOMPARE(charts()->categoryAxis()->min(), charts()->categoryAxis()->categories().first());
        QVERIFY(charts()->labels().last().startsWith(QLatin1String("Magnes ")));
    }

    void energyPies() {
        addFoods();
        click(form()->SpeedButton6);
        QVERIFY(form()->ChartStapel->isHidden());
        QVERIFY(!form()->ChartEnergi->isHidden());
        QVERIFY(!form()->CheckboxAlkohol->isHidden());
        QStringList labels;
        for (QPieSlice* s : charts()->actualPie()->slices())
            labels << s->label();
        QCOMPARE(labels, (QStringList{"Prot 100%", "Fett 0%", "Kolh 0%"}));
        QCOMPARE(charts()->idealPie()->slices().size(), 3);
        click(form()->CheckboxAlkohol);
        QCOMPARE(state().AlcoholFactor, 0);
    }

    void mealWithoutShareShowsTheNote() {
        addFoods();
        click(form()->mealButtons[4]);
        QVERIFY(!form()->MemoStapel->isHidden());
        QVERIFY(form()->MemoStapel->toPlainText().startsWith(
            QStringLiteral("För att få staplar måste du ange hur stor")));
        click(form()->mealButtons[0]);
        QVERIFY(form()->MemoStapel->isHidden());
    }

    void wholeDayMode() {
        form()->findChild<QAction*>("Instllningar1")->trigger();
        TFormInst* inst = f->windows().FormInst;
        QVERIFY(!inst->isHidden());
        inst->findChild<QRadioButton*>("RadioGroup1Item1")->click();
        QVERIFY(state().settings.WholeDayMode);
        QCOMPARE(form()->mealButtons[0]->text(), QStringLiteral("Hela dagen"));
        QCOMPARE(form()->mealButtons[0]->width(), 374);
        for (int m = 1; m < 9; ++m)
            QVERIFY(form()->mealButtons[m]->isHidden());
        QCOMPARE(state().settings.MealShare[0], 1.0f);
        QCOMPARE(form()->ChartStapel->chart()->title(),
                 QStringLiteral("Näring i % av behovet för Hela dag1"));

        inst->findChild<QRadioButton*>("RadioGroup1Item0")->click();
        QCOMPARE(form()->mealButtons[0]->text(), QStringLiteral("Frukost"));
        QCOMPARE(form()->mealButtons[0]->width(), 46);
        QVERIFY(!form()->mealButtons[8]->isHidden());
        QCOMPARE(state().settings.MealShare[1], 0.3f);
    }

    void applySettings() {
        TFormInst* inst = f->windows().FormInst;
        inst->StringGrid1->item(0, 0)->setText(QStringLiteral("20"));
        inst->StringGrid1->item(3, 0)->setText(QStringLiteral("20"));
        inst->StringGrid2->item(3, 0)->setText(QStringLiteral("12,5"));
        click(inst->Button1);
        QCOMPARE(state().settings.MealShare[0], 0.2f);
        QCOMPARE(state().norm.NormEnergyShare[4], 12.5f);
        QCOMPARE(readAll(f->data.filePath("vexamat.para")),
                 QByteArray("20\r\n30\r\n30\r\n20\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"
                            "15\r\n30\r\n55\r\n12,5\r\n7.5\r\n10\r\n"));

        // A file that cannot be written: the settings still apply and the user is told.
        QFile::remove(f->data.filePath("vexamat.para"));
        QVERIFY(QDir(f->data.path()).mkdir("vexamat.para"));
        inst->StringGrid1->item(0, 0)->setText(QStringLiteral("10"));
        click(inst->Button1);
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

        form()->findChild<QAction*>("Standardnormer1")->trigger();
        TFormNorm* norm = f->windows().FormNorm;
        QVERIFY(!norm->isHidden());
        QTableView* grid = norm->DBISAMDBGridNorm;
        QVERIFY(grid->isColumnHidden(16) && grid->isColumnHidden(2) && !grid->isColumnHidden(14));
        QCOMPARE(norm->DataSourceNorm->headerData(18, Qt::Horizontal).toString(), "Prot g");
        int row = -1;
        for (int r = 0; r < norm->DataSourceNorm->rowCount(); ++r) {
            if (norm->DataSourceNorm->index(r, 0).data().toInt() == 2)
                row = r;
        }
        QVERIFY(row >= 0);
        const QModelIndex cell = norm->DataSourceNorm->index(row, 1);
        grid->scrollTo(cell);
        const QPoint centre = grid->visualRect(cell).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, centre);

        QCOMPARE(f->dialogs.messages, messages);
        QCOMPARE(state().norm.NormNumber, 2);
        QCOMPARE(state().norm.NormName, QStringLiteral("Män 15-18 år"));
        QCOMPARE(state().norm.ActiveNeed[slot(nutrient::Kj)], 12000.0f);
        QCOMPARE(state().norm.StandardNeed[slot(nutrient::Kj)], 12000.0f);
        QCOMPARE(state().norm.NormKind, QStringLiteral("standarnorm"));
        QCOMPARE(state().norm.NormLabel, QStringLiteral("Norm: Män 15-18 år   2868 kcal/dag"));
        QVERIFY(norm->isHidden());
        // The ideal shares of the new norm in the settings window.
        QCOMPARE(f->windows().FormInst->StringGrid2->item(0, 0)->text(), QStringLiteral("15"));
    }

    void chooseNormWithTheKeyboard() {
        form()->findChild<QAction*>("Standardnormer1")->trigger();
        TFormNorm* norm = f->windows().FormNorm;
        QTableView* grid = norm->DBISAMDBGridNorm;
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Down); // from row 12 to row 13
        QTest::keyClick(grid, Qt::Key_Return);
        QCOMPARE(state().norm.NormNumber, 13);
        QCOMPARE(f->dialogs.messages.last(),
                 QStringLiteral("Vald Norm: Kvinnor 19-30 år   2175 kcal/dag"));
        QVERIFY(norm->isHidden());
    }

    void editingTheNormTableNeedsThePassword() {
        TFormNorm* norm = f->windows().FormNorm;
        f->dialogs.queueInput(QStringLiteral("fel"));
        click(norm->Button1);
        QCOMPARE(f->dialogs.messages, QStringList{"Fel lösenord!"});
        QCOMPARE(f->dialogs.prompts, QStringList{"Ange KORPRAM lösenord|LÖSENORD"});
        QVERIFY(norm->Memo2->isHidden());
        f->dialogs.queueInput(std::nullopt);
        click(norm->Button1);
        QCOMPARE(f->dialogs.messages.size(), 1);
        f->dialogs.queueInput(QStringLiteral("korpram"));
        click(norm->Button1);
        QVERIFY(!norm->Memo2->isHidden());
        QVERIFY(norm->Button1->isHidden());
        QVERIFY(norm->DBISAMDBGridNorm->editTriggers() != QAbstractItemView::NoEditTriggers);
    }

    void nutrientSelection() {
        Tformnvval* w = f->windows().formnvval;
        QCOMPARE(w->findChildren<QCheckBox*>().size(), 71);
        QCOMPARE(w->box(63)->text(), QStringLiteral("F226, dekosahexaensyra"));
        QCOMPARE(w->box(67)->objectName(), QStringLiteral("cBox67"));
        QVERIFY(w->box(18) == nullptr);
        QCOMPARE(state().selection.count(), 9);

        // Saving a group, then fetching it back after another choice.
        for (int no = 15; no <= 86; ++no) {
            if (QCheckBox* b = w->box(no))
                b->setChecked(no == 15 || no == 16);
        }
        const QString group = f->data.filePath("energi.txt");
        f->dialogs.queueFileName(group);
        click(w->Button2);
        QCOMPARE(readAll(f->data.filePath("energi.nvval")), QByteArray("15\r\n16\r\n"));
        w->box(38)->setChecked(true);
        click(w->Button1);
        QCOMPARE(readAll(f->data.filePath("nvval.txt")), QByteArray("15\r\n16\r\n38\r\n"));
        QCOMPARE(charts()->labels().size(), 3);

        f->dialogs.queueFileName(f->data.filePath("energi.nvval"));
        click(w->Button3);
        QVERIFY(!w->box(38)->isChecked());
        w->close(); // closing keeps the fetched group, as OK does
        QCOMPARE(readAll(f->data.filePath("nvval.txt")), QByteArray("15\r\n16\r\n"));
        QCOMPARE(charts()->labels().size(), 2);
        QCOMPARE(f->dialogs.fileDialogs,
                 (QStringList{"Spara valda näringsämnen", "Hämta näringsämnesgrupp"}));
    }
};

QTEST_MAIN(TstAnalysisWindows)
#include "tst_analysiswindows.moc"
