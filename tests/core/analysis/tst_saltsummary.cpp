#include "core/AppState.h"
#include "core/analysis/SaltSummary.h"

#include <QTest>

using namespace vexamat;

namespace {

// grams of a food with these values per 100 g.
MealRow food(float gram, float kj, float sodium) {
    MealRow r;
    r.kod = QStringLiteral("1");
    r.livsmedel = QStringLiteral("Mat");
    r.gram = gram;
    r.naring.fill(0.0f);
    r.naring[nutrientSlot(nutrient::Kj)] = kj;
    r.naring[nutrientSlot(nutrient::Sodium)] = sodium;
    return r;
}

const QString kAdvice =
    QStringLiteral("Kvinnor bör minska intaget av salt till 6 gram per dag, män till 7 gram.");
const QString kOneMissing = QStringLiteral("    1 livsmedel saknar uppgift om saltinnehåll.");

} // namespace

class TstSaltSummary : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void lines_data() {
        QTest::addColumn<int>("view");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("progress");
        // Day 1: 1200 + 1200 mg sodium = 6.0 g salt. Day 2: nothing. Day 3: 1200 mg = 3.0 g
        // and a food without a sodium value. The period: (2400 + 1200) / 2 days = 1800 mg.
        QTest::newRow("Dag, 2400 mg") << 1 << 0 << "Saltmängden denna dag är: 6.0 gram." << 6;
        QTest::newRow("Måltid shows the whole day")
            << 0 << 0 << "Saltmängden denna dag är: 6.0 gram." << 6;
        QTest::newRow("Dag without food") << 1 << 1 << "Saltmängden denna dag är: 0.0 gram." << 0;
        QTest::newRow("Dag with a missing value")
            << 1 << 2 << "Saltmängden denna dag är: 3.0 gram." + kOneMissing << 3;
        QTest::newRow("Dagar, the average over the days with food, half to even")
            << 2 << 1 << "Dagsmedelvärdet salt är: 4.5 gram." + kOneMissing << 4;
    }
    void lines() {
        QFETCH(int, view);
        QFETCH(int, day);
        QFETCH(QString, line);
        QFETCH(int, progress);
        AppState s;
        s.registration.row(0, 0, 1) = food(200, 500, 600);
        s.registration.row(0, 1, 1) = food(50, 500, 2400);
        s.registration.row(2, 2, 1) = food(100, 500, 1200);
        s.registration.row(2, 2, 2) = food(100, 500, -1);
        s.recalculate();
        const SaltSummary salt = SaltSummary::compute(*s.results, view, day);
        QCOMPARE(salt.lines, (QStringList{kAdvice, line}));
        QCOMPARE(salt.progress, progress);
    }

    void halvesRoundToEven_data() {
        QTest::addColumn<float>("sodium");
        QTest::addColumn<int>("progress");
        QTest::newRow("2.5 g") << 1000.0f << 2;
        QTest::newRow("3.5 g") << 1400.0f << 4;
        QTest::newRow("2.6 g") << 1040.0f << 3;
    }
    void halvesRoundToEven() {
        QFETCH(float, sodium);
        QFETCH(int, progress);
        AppState s;
        s.registration.row(0, 0, 1) = food(100, 500, sodium);
        s.recalculate();
        QCOMPARE(SaltSummary::compute(*s.results, 1, 0).progress, progress);
    }
};

QTEST_GUILESS_MAIN(TstSaltSummary)
#include "tst_saltsummary.moc"
