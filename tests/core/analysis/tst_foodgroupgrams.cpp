#include "core/AppState.h"
#include "core/analysis/CalculationResults.h"
#include "core/analysis/FoodGroupGrams.h"

#include <QTest>

using namespace vexamat;

namespace {

MealRow food(const char* code, float gram) {
    MealRow r;
    r.kod = QString::fromLatin1(code);
    r.livsmedel = QStringLiteral("Mat");
    r.gram = gram;
    r.naring.fill(0.0f);
    r.naring[nutrientSlot(nutrient::Kj)] = 500;
    return r;
}

} // namespace

class TstFoodGroupGrams : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void groupOfCode_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("group");
        QTest::newRow("milk") << "1_101" << 1;
        QTest::newRow("five digits") << "12_345" << 1;
        QTest::newRow("sweets") << "9_104" << 9;
        QTest::newRow("own food") << "E12" << 10;
        QTest::newRow("DABAS article") << "dab7310865004703" << 10;
        QTest::newRow("a code beginning with 0 counts nowhere") << "0123" << 0;
    }
    void groupOfCode() {
        QFETCH(QString, code);
        QFETCH(int, group);
        QCOMPARE(FoodGroupGrams::groupOf(code), group);
    }

    void gramsAddUpPerGroupAndDay() {
        AppState s;
        s.registration.row(0, 0, 1) = food("1_101", 50);
        s.registration.row(0, 3, 4) = food("1_104", 30); // another meal, same day
        s.registration.row(0, 3, 5) = food("E7", 120);
        s.registration.row(1, 0, 1) = food("1_101", 200); // another day
        const FoodGroupGrams::PerDay perDay = FoodGroupGrams::RefreshFoodGroups(s.registration);
        QCOMPARE(perDay[0][0], 80.0f);
        QCOMPARE(perDay[0][9], 120.0f);
        QCOMPARE(perDay[1][0], 200.0f);
        for (int g = 1; g < 9; ++g)
            QCOMPARE(perDay[0][std::size_t(g)], 0.0f);

        const FoodGroupGrams::Grams day = FoodGroupGrams::values(perDay, false, 0, 2);
        QCOMPARE(day[0], 80.0f);
        // The chart lists group 1 at the top and the unknown group at the bottom.
        const QList<FoodGroupGrams::Bar> bars = FoodGroupGrams::DrawFoodGroups(day);
        QCOMPARE(bars.size(), FoodGroupGrams::kGroups);
        QCOMPARE(bars.first().label, QStringLiteral("Mjölk och ost 80 g"));
        QCOMPARE(bars.last().label, QStringLiteral("okänt 120 g"));
        QCOMPARE(bars.last().grams, 120.0f);
    }

    void averageDividesByTheDaysWithIntake_data() {
        QTest::addColumn<int>("daysWithIntake");
        QTest::addColumn<float>("milk");
        QTest::newRow("food on 3 days") << 3 << 100.0f;
        QTest::newRow("no day with intake divides by 1") << 0 << 300.0f;
    }
    void averageDividesByTheDaysWithIntake() {
        QFETCH(int, daysWithIntake);
        QFETCH(float, milk);
        AppState s;
        s.registration.row(0, 0, 1) = food("1_101", 100);
        s.registration.row(4, 2, 1) = food("1_101", 50);
        s.registration.row(9, 8, 1) = food("1_101", 150);
        const FoodGroupGrams::PerDay perDay = FoodGroupGrams::RefreshFoodGroups(s.registration);
        QCOMPARE(FoodGroupGrams::values(perDay, true, 0, daysWithIntake)[0], milk);
    }

    void theEngineCountsTheDaysOfTheAverage() {
        AppState s;
        for (int d : {0, 4, 9})
            s.registration.row(d, 0, 1) = food("3_100", 90);
        s.recalculate();
        const FoodGroupGrams::PerDay perDay = FoodGroupGrams::RefreshFoodGroups(s.registration);
        QCOMPARE(FoodGroupGrams::values(perDay, true, 0, s.results->DaysWithIntake)[2], 90.0f);
    }
};

QTEST_GUILESS_MAIN(TstFoodGroupGrams)
#include "tst_foodgroupgrams.moc"
