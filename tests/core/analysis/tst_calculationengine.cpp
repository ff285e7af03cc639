#include "core/analysis/CalculationEngine.h"
#include "core/analysis/TimeDistribution.h"
#include "core/registration/Registration.h"

#include <QTest>

#include <memory>

using namespace vexamat;

namespace {

constexpr int slot(int nutrientNo) {
    return nutrientSlot(nutrientNo);
}

// A food with every value 0 except those given, per 100 g.
MealRow food(float gram, std::initializer_list<std::pair<int, float>> values, int timeSlot = 96) {
    MealRow r;
    r.kod = QStringLiteral("1");
    r.livsmedel = QStringLiteral("Mat");
    r.gram = gram;
    r.tidslot = timeSlot;
    r.naring.fill(0.0f);
    for (const auto& [no, v] : values)
        r.naring[slot(no)] = v;
    return r;
}

CalculationInputs inputs() {
    CalculationInputs in;
    in.ActiveNeed.fill(100.0f);
    return in;
}

} // namespace

class TstCalculationEngine : public QObject {
    Q_OBJECT
private:
    Registration reg;
    std::unique_ptr<CalculationResults> res = std::make_unique<CalculationResults>();

    void run(const CalculationInputs& in) { CalculationEngine::Recalculate(reg, in, *res); }

private Q_SLOTS:
    void init() { reg.clear(); }

    void proteinAgainstNeed() {
        reg.row(0, 0, 1) = food(150, {{nutrient::Protein, 20}});
        CalculationInputs in = inputs();
        in.ActiveNeed[slot(nutrient::Protein)] = 60;
        run(in);
        const int p = slot(nutrient::Protein);
        QCOMPARE(res->MealSum[0][0][p], 30.0f);
        QCOMPARE(res->MealPercent[0][0][p], 50.0f);
        QCOMPARE(res->RowPercent(0, 0, 1)[p], 50.0f);
        QCOMPARE(res->DaySum[0][p], 30.0f);
        QCOMPARE(res->DayPercent[0][p], 50.0f);
        QCOMPARE(res->MealPeriodSum[0][p], 30.0f);
    }

    void needOfZeroGivesNoPercentage_data() {
        QTest::addColumn<float>("need");
        QTest::newRow("zero") << 0.0f;
        QTest::newRow("at the threshold") << 0.001f;
        QTest::newRow("negative") << -5.0f;
    }
    void needOfZeroGivesNoPercentage() {
        QFETCH(float, need);
        reg.row(0, 0, 1) = food(100, {{nutrient::Kj, 500}, {nutrient::Protein, 20}});
        CalculationInputs in = inputs();
        in.ActiveNeed[slot(nutrient::Protein)] = need;
        run(in);
        const int p = slot(nutrient::Protein);
        QCOMPARE(res->MealSum[0][0][p], 20.0f);
        QCOMPARE(res->RowPercent(0, 0, 1)[p], 0.0f);
        QCOMPARE(res->MealPercent[0][0][p], 0.0f);
        QCOMPARE(res->DayPercent[0][p], 0.0f);
        QCOMPARE(res->PeriodPercent[p], 0.0f);
    }

    void missingValueCountsAsZeroAndIsCounted() {
        reg.row(0, 1, 1) = food(200, {{nutrient::Fat, -1}, {nutrient::Protein, 10}});
        reg.row(0, 1, 2) = food(100, {{nutrient::Fat, 5}, {nutrient::Sodium, -1}});
        reg.row(3, 2, 1) = food(100, {{nutrient::Fat, -1}});
        run(inputs());
        const int f = slot(nutrient::Fat);
        QCOMPARE(res->MealSum[0][1][f], 5.0f);
        QCOMPARE(res->MealMissing[0][1][f], 1);
        QCOMPARE(res->MealMissing[0][1][slot(nutrient::Sodium)], 1);
        QCOMPARE(res->DayMissing[0][f], 1);
        QCOMPARE(res->PeriodMissing[f], 2);
        QCOMPARE(res->RowPercent(0, 1, 1)[f], 0.0f);
        QCOMPARE(res->MealMissing[0][0][f], 0);
    }

    void periodAveragesOverDaysWithIntake() {
        // Days 1 and 3 have food; day 5 only 8 kJ, which is summed but not counted.
        reg.row(0, 0, 1) = food(100, {{nutrient::Kj, 1000}, {nutrient::Protein, 30}});
        reg.row(2, 2, 1) = food(50, {{nutrient::Kj, 2000}, {nutrient::Protein, 20}});
        reg.row(4, 0, 1) = food(100, {{nutrient::Kj, 8}, {nutrient::Protein, 4}});
        CalculationInputs in = inputs();
        in.ActiveNeed[slot(nutrient::Protein)] = 50;
        run(in);
        QCOMPARE(res->DaysWithIntake, 2);
        const int p = slot(nutrient::Protein);
        QCOMPARE(res->PeriodAverage[p], (30.0f + 10.0f + 4.0f) / 2.0f);
        QCOMPARE(res->PeriodAverage[slot(nutrient::Kj)], (1000.0f + 1000.0f + 8.0f) / 2.0f);
        QCOMPARE(res->PeriodPercent[p], 44.0f);
    }

    void noDayWithIntakeGivesZeroAverages() {
        reg.row(0, 0, 1) = food(100, {{nutrient::Kj, 8}, {nutrient::Protein, 4}});
        run(inputs());
        QCOMPARE(res->DaysWithIntake, 0);
        QCOMPARE(res->PeriodAverage[slot(nutrient::Protein)], 0.0f);
        QCOMPARE(res->PeriodEnergyShares.protein, 0.0f);
    }

    void energyShares_data() {
        QTest::addColumn<int>("alcoholFactor");
        QTest::addColumn<float>("protein");
        QTest::addColumn<float>("fat");
        QTest::addColumn<float>("carbohydrate");
        QTest::addColumn<float>("fibre");
        QTest::addColumn<float>("alcohol");
        QTest::addColumn<QList<float>>("expected"); // protein, fat, carbohydrate, alcohol
        QTest::newRow("alcohol only, counted")
            << 2900 << 0.0f << 0.0f << 0.0f << 0.0f << 10.0f << QList<float>{0, 0, 0, 100};
        QTest::newRow("alcohol only, not counted")
            << 0 << 0.0f << 0.0f << 0.0f << 0.0f << 10.0f << QList<float>{0, 0, 0, 0};
        // E = 17000 + 37000 + 34000 + 8000 = 96000 (×100 scale)
        QTest::newRow("mixed with fibre")
            << 2900 << 10.0f << 10.0f << 20.0f << 10.0f << 0.0f
            << QList<float>{1700000.0f / 96000, 3700000.0f / 96000, 4200000.0f / 96000, 0};
        // E = 17000 + 29000 = 46000
        QTest::newRow("protein and alcohol")
            << 2900 << 10.0f << 0.0f << 0.0f << 0.0f << 10.0f
            << QList<float>{1700000.0f / 46000, 0, 0, 2900000.0f / 46000};
        QTest::newRow("protein and alcohol not counted")
            << 0 << 10.0f << 0.0f << 0.0f << 0.0f << 10.0f << QList<float>{100, 0, 0, 0};
    }
    void energyShares() {
        QFETCH(int, alcoholFactor);
        QFETCH(float, protein);
        QFETCH(float, fat);
        QFETCH(float, carbohydrate);
        QFETCH(float, fibre);
        QFETCH(float, alcohol);
        QFETCH(QList<float>, expected);
        reg.row(0, 0, 1) = food(100, {{nutrient::Kj, 1000},
                                      {nutrient::Protein, protein},
                                      {nutrient::Fat, fat},
                                      {nutrient::Carbohydrate, carbohydrate},
                                      {nutrient::Fibre, fibre},
                                      {nutrient::Alcohol, alcohol}});
        CalculationInputs in = inputs();
        in.AlcoholFactor = alcoholFactor;
        run(in);
        for (const EnergyShares& s :
             {res->MealEnergyShares[0][0], res->DayEnergyShares[0], res->PeriodEnergyShares}) {
            QCOMPARE(s.protein, expected[0]);
            QCOMPARE(s.fat, expected[1]);
            QCOMPARE(s.carbohydrate, expected[2]);
            QCOMPARE(s.alcohol, expected[3]);
        }
        QCOMPARE(res->MealEnergyShares[0][1].protein, 0.0f);
    }

    void fatQualityAndOmegaShares() {
        // 10 g fat: E = 37000; each gram of fat is 10 % of the energy.
        reg.row(0, 0, 1) = food(100, {{nutrient::Kj, 370},
                                      {nutrient::Fat, 10},
                                      {nutrient::Saturated, 4},
                                      {nutrient::Monounsaturated, 3},
                                      {nutrient::Polyunsaturated, 2},
                                      {58, 1.5f},
                                      {60, 0.5f},
                                      {59, 0.25f},
                                      {61, 0.25f},
                                      {62, 0.25f},
                                      {63, 0.25f},
                                      {nutrient::Sucrose, 0}});
        run(inputs());
        const EnergyShares& s = res->DayEnergyShares[0];
        QCOMPARE(s.fat, 100.0f);
        QCOMPARE(s.saturated, 40.0f);
        QCOMPARE(s.monounsaturated, 30.0f);
        QCOMPARE(s.polyunsaturated, 20.0f);
        QCOMPARE(s.omega6, 20.0f);
        QCOMPARE(s.omega3, 10.0f);
    }

    void timeSlotsOfTheCurrentDay() {
        reg.row(1, 0, 1) = food(100, {{nutrient::Kcal, 300}}, 30);
        reg.row(1, 1, 1) = food(100, {{nutrient::Kcal, 100}});
        reg.row(0, 0, 1) = food(100, {{nutrient::Kcal, 999}}, 30);
        CalculationInputs in = inputs();
        in.CurrentDay = 1;
        run(in);
        const int kcal = slot(nutrient::Kcal);
        QCOMPARE(res->TimeSum[30][kcal], 300.0f);
        QCOMPARE(res->TimeSum[96][kcal], 100.0f);
        QCOMPARE(res->TimePercent[30], 75.0f);
        QCOMPARE(res->TimePercent[96], 25.0f);
        QCOMPARE(res->TimePercent[31], 0.0f);
    }

    void timelineBars() {
        reg.row(0, 0, 1) = food(100, {{nutrient::Kcal, 300}}, 30); // 07:30
        reg.row(0, 0, 2) = food(100, {{nutrient::Kcal, 100}});     // no time
        run(inputs());
        const QList<TimeDistribution::Bar> bars = TimeDistribution::bars(*res);
        QCOMPARE(bars.size(), 2);
        QCOMPARE(bars[0].slot, 30);
        QCOMPARE(bars[0].hours, 7.5);
        QCOMPARE(bars[0].percent, 75.0);
        QCOMPARE(bars[1].slot, 96);
    }

    void timelineCaption_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("caption");
        QTest::newRow("short") << "kcal"
                               << "Fördelning av kcal under DAG2";
        QTest::newRow("long label") << "Fettsyra C20:5 g"
                                    << "Fördelning av Fettsyra C20 under DAG2";
    }
    void timelineCaption() {
        QFETCH(QString, label);
        QFETCH(QString, caption);
        QCOMPARE(TimeDistribution::caption(label, QStringLiteral("DAG2")), caption);
    }

    void pricesAndSelectionCount() {
        MealRow a = food(250, {});
        a.kgpris = 40;
        MealRow b = food(500, {});
        b.kgpris = 12;
        reg.row(0, 0, 1) = a;
        reg.row(0, 2, 1) = b;
        reg.row(5, 0, 1) = a;
        CalculationInputs in = inputs();
        in.SelectedNutrient[15] = in.SelectedNutrient[86] = in.SelectedNutrient[3] = true;
        run(in);
        QCOMPARE(res->MealPrice[0][0], 10.0f);
        QCOMPARE(res->MealPrice[0][2], 6.0f);
        QCOMPARE(res->DayPrice[0], 16.0f);
        QCOMPARE(res->TotalPrice, 26.0f);
        QCOMPARE(res->SelectedCount, 2);
    }

    void everythingIsRewrittenFromScratch() {
        reg.row(0, 0, 2) = food(100, {{nutrient::Kj, 500}, {nutrient::Protein, 10}}, 20);
        run(inputs());
        reg.deleteRow(0, 0, 1);
        run(inputs());
        const int p = slot(nutrient::Protein);
        QCOMPARE(res->RowPercent(0, 0, 1)[p], 10.0f);
        reg.clear();
        run(inputs());
        QCOMPARE(res->MealSum[0][0][p], 0.0f);
        QCOMPARE(res->RowPercent(0, 0, 1)[p], 0.0f);
        QCOMPARE(res->TimeSum[20][p], 0.0f);
        QCOMPARE(res->DaysWithIntake, 0);
        QCOMPARE(res->TotalPrice, 0.0f);
    }

    // Each pass reads only the rows up to a meal's last food and clears only what an earlier
    // pass wrote; after any edit the figures must be those of a first pass.
    void anEditedRegistrationGivesTheFiguresOfAFirstPass_data() {
        QTest::addColumn<int>("edit");
        QTest::newRow("food written after a pass") << 0;
        QTest::newRow("row deleted") << 1;
        QTest::newRow("row inserted") << 2;
        QTest::newRow("last food emptied") << 3;
        QTest::newRow("meal pasted") << 4;
        QTest::newRow("everything cleared") << 5;
        QTest::newRow("written through a meal held for writing") << 6;
    }
    void anEditedRegistrationGivesTheFiguresOfAFirstPass() {
        QFETCH(int, edit);
        for (int r = 1; r <= 5; ++r)
            reg.row(0, 0, r) = food(10.0f * r, {{nutrient::Protein, float(r)}});
        reg.row(3, 2, 7) = food(50, {{nutrient::Protein, 4}});
        run(inputs());
        switch (edit) {
        case 0:
            reg.row(0, 0, 40) = food(100, {{nutrient::Protein, 9}});
            break;
        case 1:
            reg.deleteRow(0, 0, 2);
            break;
        case 2:
            reg.insertRowAt(0, 0, 1);
            break;
        case 3:
            reg.row(0, 0, 5).clear();
            break;
        case 4:
            reg.pasteMeal(0, 1, reg.meal(0, 0));
            break;
        case 5:
            reg.clear();
            break;
        case 6: {
            Registration::Meal& meal = reg.meal(3, 2);
            meal[std::size_t(reg.firstFreeRow(3, 2))] = food(20, {{nutrient::Protein, 3}});
            break;
        }
        }
        run(inputs());

        Registration first;
        for (int d = 0; d < Registration::kDays; ++d) {
            for (int m = 0; m < Registration::kMeals; ++m)
                first.meal(d, m) = std::as_const(reg).meal(d, m);
        }
        auto expected = std::make_unique<CalculationResults>();
        CalculationEngine::Recalculate(first, inputs(), *expected);
        const int p = slot(nutrient::Protein);
        for (const auto& [d, m] : {std::pair{0, 0}, std::pair{0, 1}, std::pair{3, 2}}) {
            QCOMPARE(res->MealSum[d][m][p], expected->MealSum[d][m][p]);
            for (int r = 0; r <= Registration::kLastRow; ++r)
                QVERIFY2(
                    res->RowPercent(d, m, r) == expected->RowPercent(d, m, r),
                    qPrintable(QStringLiteral("dag %1 måltid %2 rad %3").arg(d).arg(m).arg(r)));
        }
        QCOMPARE(res->PeriodAverage[p], expected->PeriodAverage[p]);
    }
};

QTEST_GUILESS_MAIN(TstCalculationEngine)
#include "tst_calculationengine.moc"
