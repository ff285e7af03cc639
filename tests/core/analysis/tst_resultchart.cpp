#include "core/AppState.h"
#include "core/analysis/ResultChartBuilder.h"
#include "support/TempDataFolder.h"

#include <QDir>
#include <QTest>

using namespace vexamat;

namespace {

constexpr int slot(int nutrientNo) {
    return nutrientSlot(nutrientNo);
}

MealRow food(float gram, std::initializer_list<std::pair<int, float>> values) {
    MealRow r;
    r.kod = QStringLiteral("1");
    r.livsmedel = QStringLiteral("Mat");
    r.gram = gram;
    r.naring.fill(0.0f);
    for (const auto& [no, v] : values)
        r.naring[slot(no)] = v;
    return r;
}

QList<float> segmentValues(const ResultChartData::Bar& bar) {
    QList<float> v;
    for (const auto& s : bar.segments)
        v << s.value;
    return v;
}

} // namespace

class TstResultChart : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<AppState> s;
    ResultChartBuilder::Options options;

    void select(std::initializer_list<int> numbers) {
        s->selection.clear();
        for (int no : numbers)
            s->selection.setSelected(no, true);
    }
    ResultChartData build() {
        s->recalculate();
        return ResultChartBuilder::build(*s, options);
    }

private Q_SLOTS:
    void init() {
        s = std::make_unique<AppState>();
        QVERIFY(s->names.read(QDir(TempDataFolder::builtData()).filePath("nvnamn.txt")).status ==
                NutrientNames::ReadStatus::Ok);
        s->norm.ActiveNeed.fill(100.0f);
        s->norm.ActiveNeed[slot(nutrient::Protein)] = 60.0f;
        options = {};
        options.daySelectorText = QStringLiteral("DAG1");
        select({19});
    }

    void mealBarAgainstTheMealShare() {
        s->registration.row(0, 0, 1) = food(50, {{nutrient::Kj, 500}, {nutrient::Protein, 20}});
        s->registration.row(0, 0, 2) = food(25, {{nutrient::Kj, 500}, {nutrient::Protein, 20}});
        ResultChartData data = build();
        QCOMPARE(s->results->MealPercent[0][0][slot(nutrient::Protein)], 25.0f);
        QCOMPARE(data.bars.size(), 1);
        const ResultChartData::Bar& bar = data.bars[0];
        QCOMPARE(bar.segments.size(), 2);
        QCOMPARE(bar.segments[0].series, 0);
        QCOMPARE(bar.segments[1].series, 1);
        QCOMPARE(bar.total(), 100.0f);
        QCOMPARE(bar.label, QStringLiteral("Protein   15.0g"));
        QCOMPARE(data.title, QStringLiteral("Näring i % av behovet för Frukost DAG1"));
        QVERIFY(!data.mealShareMissing);

        options.valueLabels = true;
        data = ResultChartBuilder::build(*s, options);
        QCOMPARE(data.bars[0].label, QStringLiteral("Protein 100%"));
    }

    void mealShareOfZeroGivesEmptyBars() {
        s->CurrentMeal = 4;
        s->registration.row(0, 4, 1) = food(100, {{nutrient::Protein, 20}});
        const ResultChartData data = build();
        QVERIFY(data.mealShareMissing);
        QCOMPARE(segmentValues(data.bars[0]), QList<float>{0.0f});
        QCOMPARE(data.title, QStringLiteral("Näring i % av behovet för Mellanmål 2 DAG1"));
    }

    void dayBarHasOneSegmentPerMeal() {
        s->ViewMode = 1;
        s->registration.row(0, 0, 1) = food(100, {{nutrient::Protein, 12}});
        s->registration.row(0, 1, 1) = food(100, {{nutrient::Protein, 18}});
        const ResultChartData data = build();
        const ResultChartData::Bar& bar = data.bars[0];
        QCOMPARE(bar.segments.size(), 9);
        QCOMPARE(bar.segments[0].value, 20.0f);
        QCOMPARE(bar.segments[1].value, 30.0f);
        QCOMPARE(bar.total(), s->results->DayPercent[0][slot(nutrient::Protein)]);
        QCOMPARE(bar.label, QStringLiteral("Protein   30.0g"));
        QCOMPARE(data.title, QStringLiteral("Näring i % av behovet för hela DAG1"));
    }

    void daysBarHalvesTwoDays() {
        s->ViewMode = 2;
        s->registration.row(0, 0, 1) = food(100, {{nutrient::Kj, 800}, {nutrient::Protein, 30}});
        s->registration.row(2, 1, 1) = food(100, {{nutrient::Kj, 800}, {nutrient::Protein, 60}});
        ResultChartData data = build();
        QCOMPARE(s->results->DaysWithIntake, 2);
        const ResultChartData::Bar& bar = data.bars[0];
        QCOMPARE(bar.segments.size(), 21);
        QCOMPARE(bar.segments[0].value, 25.0f);
        QCOMPARE(bar.segments[2].value, 50.0f);
        QCOMPARE(bar.total(), s->results->PeriodPercent[slot(nutrient::Protein)]);
        QCOMPARE(data.title, QStringLiteral("Näring i % av dagsbehovet för perioden"));

        // Only the lunches, against the lunch share of 30 %: (0 + 100) / 2 / 0.3.
        s->DayColourMeal = 2;
        data = build();
        QCOMPARE(data.title, QStringLiteral("Näring för Lunch under perioden i % av behovet."));
        QCOMPARE(data.bars[0].segments[2].value, 50.0f / 0.3f);
        QCOMPARE(data.bars[0].label, QStringLiteral("Protein   30.0g"));
    }

    void missingValuesMode() {
        select({19, 65});
        for (int r = 1; r <= 3; ++r)
            s->registration.row(0, 0, r) = food(100, {{nutrient::Selenium, -1}});
        options.missingValuesMode = true;
        const ResultChartData data = build();
        QVERIFY(data.anyMissing);
        QCOMPARE(data.bars[1].label, QStringLiteral("Selen   3 st"));
        QCOMPARE(segmentValues(data.bars[1]), QList<float>{30.0f});
        QCOMPARE(segmentValues(data.bars[0]), QList<float>{0.0f});
        QCOMPARE(data.title,
                 QStringLiteral("Antal livsmedel som saknar näringsuppgift Frukost DAG1"));
        s->ViewMode = 1;
        QCOMPARE(ResultChartBuilder::build(*s, options).title,
                 QStringLiteral("Antal livsmedel som saknar näringsuppgift "));
    }

    void fitBarsPerPage_data() {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("perPage");
        QTest::newRow("22 at 200 pixels") << 200 << 22 << 6;
        QTest::newRow("fewer than fit") << 400 << 9 << 9;
        QTest::newRow("one left over") << 200 << 8 << 6; // 7 + 1, then 2 x 3 + 2 stays
        QTest::newRow("nothing selected") << 200 << 0 << 0;
    }
    void fitBarsPerPage() {
        QFETCH(int, height);
        QFETCH(int, selected);
        QFETCH(int, perPage);
        QCOMPARE(ResultChartBuilder::FitBarsPerPage(height, selected), perPage);
    }

    void energyPies_data() {
        QTest::addColumn<float>("alcoholGrams");
        QTest::addColumn<QStringList>("actual");
        QTest::addColumn<QStringList>("ideal");
        QTest::newRow("no alcohol")
            << 0.0f << QStringList{"Prot", "Fett", "Kolh"} << QStringList{"Prot", "Fett", "Kolh"};
        // 0.5 % alcohol: no slice on either pie.
        QTest::newRow("a trace of alcohol")
            << 0.5f << QStringList{"Prot", "Fett", "Kolh"} << QStringList{"Prot", "Fett", "Kolh"};
        QTest::newRow("alcohol") << 20.0f << QStringList{"Prot", "Fett", "Kolh", "Alko"}
                                 << QStringList{"Prot", "Fett", "Kolh", "Alko max"};
    }
    void energyPies() {
        QFETCH(float, alcoholGrams);
        QFETCH(QStringList, actual);
        QFETCH(QStringList, ideal);
        // E = 1700*10 + 3700*10 + 1700*50 = 139000; 0.5 g alcohol adds 1450 (about 1 %).
        s->registration.row(0, 0, 1) = food(100, {{nutrient::Kj, 1400},
                                                  {nutrient::Protein, 10},
                                                  {nutrient::Fat, 10},
                                                  {nutrient::Carbohydrate, 50},
                                                  {nutrient::Alcohol, alcoholGrams / 2}});
        const ResultChartData data = build();
        QStringList labels;
        for (const auto& slice : data.actualEnergy)
            labels << slice.label;
        QCOMPARE(labels, actual);
        labels.clear();
        for (const auto& slice : data.idealEnergy)
            labels << slice.label;
        QCOMPARE(labels, ideal);
        QCOMPARE(data.idealEnergy[0].value, 15.0f);
        QCOMPARE(data.actualEnergy[0].rgb, ResultChartBuilder::kGreen);
    }

    void noEnergyNoActualSlices() {
        s->registration.row(0, 0, 1) = food(100, {{nutrient::Sodium, 100}});
        QVERIFY(build().actualEnergy.isEmpty());
    }

    void priceText_data() {
        QTest::addColumn<int>("view");
        QTest::addColumn<QString>("text");
        QTest::newRow("meal") << 0 << "Pris Frukost:  10,00 kr";
        QTest::newRow("day") << 1 << "Pris DAG1:  16,50 kr";
        QTest::newRow("days") << 2 << "Pris alla dagar:  26,50 kr";
    }
    void priceText() {
        QFETCH(int, view);
        QFETCH(QString, text);
        MealRow a = food(250, {});
        a.kgpris = 40;
        MealRow b = food(500, {});
        b.kgpris = 13;
        s->registration.row(0, 0, 1) = a;
        s->registration.row(0, 1, 1) = b;
        s->registration.row(1, 0, 1) = a;
        s->ViewMode = view;
        QCOMPARE(build().priceText, text);
    }
};

QTEST_GUILESS_MAIN(TstResultChart)
#include "tst_resultchart.moc"
