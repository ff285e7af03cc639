#include "core/AppState.h"
#include "core/analysis/FoodContributions.h"

#include <QTest>

using namespace vexamat;

namespace {

MealRow food(const QString& name, float gram, float kj, float protein) {
    MealRow r;
    r.kod = QStringLiteral("1_1");
    r.livsmedel = name;
    r.gram = gram;
    r.naring.fill(0.0f);
    r.naring[std::size_t(nutrientSlot(nutrient::Kj))] = kj;
    r.naring[std::size_t(nutrientSlot(nutrient::Protein))] = protein;
    return r;
}

// Day 1: breakfast Gröt 200 g (10 g protein) and Mjölk 100 g (3.5 g); lunch Mjölk 200 g (7 g)
// and Äpple 120 g without a protein value; a snack of Vatten 200 g without energy. Day 3:
// Fisk 100 g (20 g).
std::unique_ptr<AppState> registeredState() {
    auto s = std::make_unique<AppState>();
    s->names.NutrientLabel[nutrient::Protein] = QStringLiteral("Protein g");
    s->names.NutrientUnit[nutrient::Protein] = QStringLiteral("g");
    s->names.NutrientDecimals[nutrient::Protein] = 1;
    Registration& reg = s->registration;
    reg.row(0, 0, 1) = food(QStringLiteral("Gröt"), 200, 300, 5);
    reg.row(0, 0, 2) = food(QStringLiteral("Mjölk"), 100, 200, 3.5f);
    reg.row(0, 1, 1) = food(QStringLiteral("Mjölk"), 200, 200, 3.5f);
    reg.row(0, 1, 2) = food(QStringLiteral("Äpple"), 120, 200, -1);
    reg.row(0, 3, 1) = food(QStringLiteral("Vatten"), 200, 0, 0);
    reg.row(2, 2, 1) = food(QStringLiteral("Fisk"), 100, 400, 20);
    s->recalculate();
    return s;
}

} // namespace

class TstFoodContributions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void lines_data() {
        QTest::addColumn<int>("nutrientNo");
        QTest::addColumn<bool>("allDays");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("bars");
        QTest::newRow("weight of the day, one food summed over two meals")
            << 0 << false << "Livsmedelsvikt"
            << QStringList{"Äpple   120", "Gröt   200", "Mjölk   300"};
        QTest::newRow("protein of the day, a food without a value left out")
            << int(nutrient::Protein) << false << "Protein g"
            << QStringList{"Gröt (200.0g)   10.0g", "Mjölk (300.0g)   10.5g"};
        QTest::newRow("protein of all days")
            << int(nutrient::Protein) << true << "Protein g"
            << QStringList{"Gröt (200.0g)   10.0g", "Mjölk (300.0g)   10.5g",
                           "Fisk (100.0g)   20.0g"};
        QTest::newRow("weight of all days")
            << 0 << true << "Livsmedelsvikt"
            << QStringList{"Fisk   100", "Äpple   120", "Gröt   200", "Mjölk   300"};
    }
    void lines() {
        QFETCH(int, nutrientNo);
        QFETCH(bool, allDays);
        QFETCH(QString, caption);
        QFETCH(QStringList, bars);
        auto s = registeredState();
        const FoodContributions::Result r = FoodContributions::compute(*s, nutrientNo, allDays);
        QCOMPARE(r.caption, caption);
        QStringList labels;
        for (const FoodContributions::Line& line : r.lines)
            labels << line.barLabel;
        QCOMPARE(labels, bars);
    }

    void anEmptyDayHasNoLines() {
        auto s = registeredState();
        s->CurrentDay = 1;
        QVERIFY(FoodContributions::compute(*s, 0, false).lines.isEmpty());
    }

    void foodsBeyondTheTableAreNotCounted() {
        AppState s;
        for (int i = 0; i < 502; ++i)
            s.registration.row(i / 99, 0, 1 + i % 99) =
                food(QStringLiteral("Mat %1").arg(i), 1, 100, 0);
        // The first food again: it is in the table, so it still counts.
        s.registration.row(6, 0, 1) = food(QStringLiteral("Mat 0"), 1, 100, 0);
        s.recalculate();
        const FoodContributions::Result r = FoodContributions::compute(s, 0, true);
        QCOMPARE(r.lines.size(), FoodContributions::kMaxFoods);
        QCOMPARE(r.lines.last().name, QStringLiteral("Mat 0"));
        QCOMPARE(r.lines.last().amountText, QStringLiteral("     2"));
        for (const FoodContributions::Line& line : r.lines)
            QVERIFY(line.name != QStringLiteral("Mat 501"));
    }

    void choices() {
        NutrientNames names;
        for (int no = 15; no <= 86; ++no)
            names.NutrientLabel[std::size_t(no)] = QStringLiteral("N%1").arg(no);
        const QStringList list = FoodContributions::choices(names);
        QCOMPARE(list.size(), 71);
        QCOMPARE(list.mid(0, 4), (QStringList{"Vikt", "N15", "N16", "N19"}));
        QCOMPARE(list.last(), QStringLiteral("N86"));
        for (int i = 1; i < list.size(); ++i)
            QCOMPARE(list.at(i), QStringLiteral("N%1").arg(FoodContributions::nutrientOfChoice(i)));
        QCOMPARE(FoodContributions::nutrientOfChoice(0), 0);
        QCOMPARE(FoodContributions::nutrientOfChoice(71), -1);
    }

    void pointsPerPage_data() {
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("points");
        QTest::newRow("all fit") << 280 << 6 << 6;
        QTest::newRow("ten a page") << 280 << 30 << 10;
        QTest::newRow("one over a page") << 280 << 11 << 9;
        QTest::newRow("one over two pages") << 280 << 21 << 9;
        QTest::newRow("one over four pages") << 280 << 41 << 9;
        QTest::newRow("each step on the value the step before left") << 56 << 3 << 1;
        QTest::newRow("no room") << 5 << 1 << 1;
        QTest::newRow("no lines") << 280 << 0 << 1;
    }
    void pointsPerPage() {
        QFETCH(int, height);
        QFETCH(int, lines);
        QFETCH(int, points);
        QCOMPARE(FoodContributions::pointsPerPage(height, lines), points);
    }
};

QTEST_GUILESS_MAIN(TstFoodContributions)
#include "tst_foodcontributions.moc"
