#include "core/AppState.h"
#include "support/MainWindowFixture.h"
#include "support/MealActions.h"
#include "support/UserActions.h"
#include "ui/Windows.h"
#include "ui/analysis/HorizontalBarChart.h"
#include "ui/analysis/TFormEnergiCirkel.h"
#include "ui/analysis/TFormFettStapel.h"
#include "ui/analysis/TFormLivsmedelsgrupper.h"
#include "ui/app/TForm1.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QListView>
#include <QListWidget>
#include <QPieSeries>
#include <QPieSlice>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using namespace vexamat;

namespace {

QStringList sliceLabels(QPieSeries* pie) {
    QStringList labels;
    for (QPieSlice* slice : pie->slices())
        labels << slice->label();
    return labels;
}

} // namespace

// The food groups, the energy circle and the fat composition, opened from the buttons of the
// extended layout and following what the user registers.
class TstIntakeWindows : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<MainWindowFixture> f;
    TForm1* form() const { return f->form(); }
    void click(const char* name) { clickButton(form(), QString::fromLatin1(name)); }

private Q_SLOTS:
    void init() {
        f = std::make_unique<MainWindowFixture>();
        QCOMPARE(f->startResult(), WindowSet::Result::Ok);
        form()->resize(837, 760);
        form()->show();
        click("ButtonEnklare");
    }
    void cleanup() { f.reset(); }

    void foodGroupsFollowTheMeal() {
        TFormLivsmedelsgrupper* groups = f->windows().FormLivsmedelsgrupper;
        click("ButtonLivsGrupper");
        QVERIFY(groups->isVisible());
        QCOMPARE(groups->windowTitle(), QStringLiteral("Antalet gram per livsmedelsgrupp."));
        auto* chart = child<HorizontalBarChart>(groups, QStringLiteral("ChartLivsgrupper"));
        QCOMPARE(chart->labels().value(1), QStringLiteral("Kött och chark 0 g"));

        // Korv stroganoff (2_126), a portion of 300 g, on day 1.
        addFoodFromList(form(), QStringLiteral("stroganoff"), QStringLiteral("Korv stroganoff"));
        QCOMPARE(chart->labels().value(1), QStringLiteral("Kött och chark 300 g"));
        QCOMPARE(chart->values().value(1), 300.0);

        // The same on day 2 and the daily average: (300 + 300) / 2 days.
        chooseComboItem(child<QComboBox>(form(), QStringLiteral("ComboBox1")), 1);
        QCOMPARE(chart->labels().value(1), QStringLiteral("Kött och chark 0 g"));
        addFoodFromList(form(), QStringLiteral("stroganoff"), QStringLiteral("Korv stroganoff"));
        addFoodFromList(form(), QStringLiteral("stroganoff"), QStringLiteral("Korv stroganoff"));
        QCOMPARE(chart->labels().value(1), QStringLiteral("Kött och chark 600 g"));
        clickButton(groups, QStringLiteral("rgrupp1Item1"));
        QCOMPARE(chart->labels().value(1), QStringLiteral("Kött och chark 450 g"));
        clickButton(groups, QStringLiteral("rgrupp1Item0"));
        QCOMPARE(chart->labels().value(1), QStringLiteral("Kött och chark 600 g"));
    }

    void onlyRawMaterialsMarksTheButtonAndLimitsTheSearch() {
        auto* button = child<QPushButton>(form(), QStringLiteral("ButtonLivsGrupper"));
        auto* list = child<QListView>(form(), QStringLiteral("ListBoxLivs"));
        const auto lines = [list] {
            QStringList texts;
            for (int i = 0; i < lineCount(list); ++i)
                texts << lineText(list, i);
            return texts;
        };
        searchFoods(form(), QStringLiteral("mjölk"));
        QVERIFY(lines().join(QLatin1Char('|')).contains(QStringLiteral("--- FABRIKANTER ---")));

        click("ButtonLivsGrupper");
        clickButton(f->windows().FormLivsmedelsgrupper, QStringLiteral("CheckBoxEndastRavaror"));
        QCOMPARE(button->text(), QStringLiteral("Livsmedelsgrupper *"));
        searchFoods(form(), QStringLiteral("mjölk"));
        QVERIFY(!lines().isEmpty());
        QVERIFY2(!lines().join(QLatin1Char('|')).contains(QStringLiteral("--- FABRIKANTER ---")),
                 qPrintable(lines().join(QLatin1Char('|'))));
        QVERIFY(lines().contains(QStringLiteral("Mjölk fett 3%")));

        clickButton(f->windows().FormLivsmedelsgrupper, QStringLiteral("CheckBoxEndastRavaror"));
        QCOMPARE(button->text(), QStringLiteral("Livsmedelsgrupper"));
    }

    void energyCircleFollowsTheGridCursor() {
        TFormEnergiCirkel* circle = f->windows().FormEnergiCirkel;
        QCOMPARE(child<QPushButton>(form(), QStringLiteral("ButtonEnergiCirkel"))->toolTip(),
                 QStringLiteral("Visar energifördelningen för valt livsmedel"));
        click("ButtonEnergiCirkel");
        QVERIFY(circle->isVisible());
        QCOMPARE(circle->windowTitle(), QStringLiteral("Energifördelning"));
        auto* view = child<QChartView>(circle, QStringLiteral("ChartEnergi"));
        auto* pie = qobject_cast<QPieSeries*>(view->chart()->series().value(0));
        QVERIFY(pie);

        addFoodFromList(form(), QStringLiteral("stroganoff"), QStringLiteral("Korv stroganoff"));
        auto* grid = child<QTableWidget>(form(), QStringLiteral("StringGridMaltid"));
        clickCell(grid, 0, 0);
        // 6 g protein, 12 g fat, 5 g carbohydrate: E = 10200 + 44400 + 8500.
        QCOMPARE(view->chart()->title(), QStringLiteral("Korv stroganoff"));
        QCOMPARE(sliceLabels(pie), (QStringList{"Prot 16%", "Fett 70%", "Kolh 13%"}));

        clickCell(grid, 3, 0);
        QVERIFY(pie->slices().isEmpty());
        QCOMPARE(view->chart()->title(), QString());
    }

    void fatCompositionChoicesFollowTheMeal() {
        TFormFettStapel* fat = f->windows().FormFettStapel;
        click("ButtonFett");
        QVERIFY(fat->isVisible());
        QCOMPARE(fat->windowTitle(), QStringLiteral("Fettsammansättning energi %"));
        auto* bars = child<HorizontalBarChart>(fat, QStringLiteral("ChartFettStapel"));
        auto* pieView = child<QChartView>(fat, QStringLiteral("ChartFettCirkel"));
        auto* omega = child<HorizontalBarChart>(fat, QStringLiteral("ChartOmega"));
        auto* ratio = child<HorizontalBarChart>(fat, QStringLiteral("ChartKvot"));
        QVERIFY(bars->isVisible() && !pieView->isVisible() && !omega->isVisible());
        QCOMPARE(bars->labels().value(0), QStringLiteral("Mättat     0.0g"));
        QCOMPARE(bars->marks().value(0), QStringLiteral("0 energi%"));

        // 300 g of Korv stroganoff: 16.2 g saturated; with 0.5 g fibre E = 63500 per 100 g,
        // so 5.4 * 3700 / 635 = 31.5 % of the energy.
        addFoodFromList(form(), QStringLiteral("stroganoff"), QStringLiteral("Korv stroganoff"));
        QCOMPARE(bars->labels(),
                 (QStringList{"Mättat    16.2g", "Enkelomättat    14.7g", "Fleromättat     3.0g"}));
        QCOMPARE(bars->marks(), (QStringList{"31,5 energi%", "28,6 energi%", "5,8 energi%"}));

        clickButton(fat, QStringLiteral("RadioGroupFettItem1"));
        QVERIFY(!bars->isVisible() && pieView->isVisible());
        auto* pie = qobject_cast<QPieSeries*>(pieView->chart()->series().value(0));
        QCOMPARE(pie->count(), 4);
        QCOMPARE(pie->slices().last()->label().section(QLatin1Char(' '), 0, 1),
                 QStringLiteral("Övrigt fett"));

        clickButton(fat, QStringLiteral("RadioGroupFettItem2"));
        QVERIFY(!pieView->isVisible() && omega->isVisible() && ratio->isVisible());
        QCOMPARE(omega->labels().size(), 2);
        QVERIFY(omega->labels().value(0).startsWith(QStringLiteral("Omega3")));
        QCOMPARE(ratio->labels().size(), 1);
    }
};

QTEST_MAIN(TstIntakeWindows)
#include "tst_intakewindows.moc"
