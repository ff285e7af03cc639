#include "core/AppState.h"
#include "core/analysis/FatComposition.h"

#include <QTest>

using namespace vexamat;

namespace {

// 100 g of a food of 370 kJ per 100 g of fat energy terms: with fat grams f, protein makes up
// the rest of E = 37000 so that each gram of fat is 10 % of the energy.
MealRow food(float fat, float saturated, float mono, float poly, float omega3 = 0,
             float omega6 = 0) {
    MealRow r;
    r.kod = QStringLiteral("5_100");
    r.livsmedel = QStringLiteral("Mat");
    r.gram = 100;
    r.naring.fill(0.0f);
    r.naring[nutrientSlot(nutrient::Kj)] = 370;
    r.naring[nutrientSlot(nutrient::Fat)] = fat;
    r.naring[nutrientSlot(nutrient::Protein)] = (37000.0f - fat * 3700.0f) / 1700.0f;
    r.naring[nutrientSlot(nutrient::Saturated)] = saturated;
    r.naring[nutrientSlot(nutrient::Monounsaturated)] = mono;
    r.naring[nutrientSlot(nutrient::Polyunsaturated)] = poly;
    r.naring[nutrientSlot(59)] = omega3; // F18:3
    r.naring[nutrientSlot(58)] = omega6; // F18:2
    return r;
}

bool near(float a, float b) {
    return std::abs(a - b) < 0.01f;
}

} // namespace

class TstFatComposition : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void qualitiesAsBarsAndPie_data() {
        QTest::addColumn<float>("saturated");
        QTest::addColumn<float>("mono");
        QTest::addColumn<float>("poly");
        QTest::addColumn<float>("other");
        // Fat 30 % of the energy: 12 + 10 + 5 leaves 3 for the other fat.
        QTest::newRow("other fat is the rest") << 1.2f << 1.0f << 0.5f << 3.0f;
        // Qualities that add up to more than the fat never make a negative slice.
        QTest::newRow("other fat never below 0") << 2.0f << 1.0f << 0.5f << 0.0f;
    }
    void qualitiesAsBarsAndPie() {
        QFETCH(float, saturated);
        QFETCH(float, mono);
        QFETCH(float, poly);
        QFETCH(float, other);
        AppState s;
        s.registration.row(0, 0, 1) = food(3, saturated, mono, poly);
        s.ViewMode = 1;
        s.recalculate();
        const FatComposition fat = FatComposition::build(s);

        QCOMPARE(fat.qualities.size(), 3);
        QCOMPARE(fat.qualities[0].label,
                 QStringLiteral("Mättat") + QString::asprintf("%8.1f", double(saturated)) + "g");
        QCOMPARE(fat.qualities[1].label,
                 QStringLiteral("Enkelomättat     %1g").arg(mono, 0, 'f', 1));
        QCOMPARE(fat.qualities[2].label,
                 QStringLiteral("Fleromättat     %1g").arg(poly, 0, 'f', 1));
        QVERIFY(near(fat.qualities[0].value, saturated * 10));
        QVERIFY(near(fat.qualities[2].value, poly * 10));

        QCOMPARE(fat.pie.size(), 4);
        QCOMPARE(fat.pie[3].label, QStringLiteral("Övrigt fett"));
        QVERIFY2(near(fat.pie[3].value, other), qPrintable(QString::number(fat.pie[3].value)));
        QVERIFY(near(fat.pie[0].value, saturated * 10));
        QCOMPARE(fat.pie[0].rgb, 0xFF0000u);
        QCOMPARE(fat.pie[3].rgb, 0xFFFFFFu);
    }

    void omegaRatio_data() {
        QTest::addColumn<float>("omega3");
        QTest::addColumn<float>("omega6");
        QTest::addColumn<float>("ratio");
        QTest::addColumn<QString>("label");
        QTest::newRow("0.5 g and 5 g") << 0.5f << 5.0f << 10.0f << "    10.0";
        QTest::newRow("no omega-3") << 0.0f << 5.0f << 0.0f << "     0.0";
        QTest::newRow("0.01 g omega-3 counts as none") << 0.01f << 1.0f << 0.0f << "     0.0";
    }
    void omegaRatio() {
        QFETCH(float, omega3);
        QFETCH(float, omega6);
        QFETCH(float, ratio);
        QFETCH(QString, label);
        AppState s;
        s.registration.row(0, 0, 1) = food(3, 1, 1, 1, omega3, omega6);
        s.ViewMode = 1;
        s.recalculate();
        const FatComposition fat = FatComposition::build(s);
        QVERIFY2(near(fat.ratio, ratio), qPrintable(QString::number(fat.ratio)));
        QCOMPARE(fat.ratioLabel, label);
        QCOMPARE(fat.omega[0].label,
                 QStringLiteral("Omega3") + QString::asprintf("%8.1f", double(omega3)) + "g");
        QCOMPARE(fat.omega[1].label,
                 QStringLiteral("Omega6") + QString::asprintf("%8.1f", double(omega6)) + "g");
        QVERIFY(near(fat.omega[1].value, omega6 * 10));
    }

    void followsTheView_data() {
        QTest::addColumn<int>("view");
        QTest::addColumn<float>("grams");
        // Meal 1 of day 1 has 1 g saturated fat, meal 2 of day 1 2 g, day 2 3 g.
        QTest::newRow("Måltid: the current meal") << 0 << 2.0f;
        QTest::newRow("Dag: the current day") << 1 << 3.0f;
        QTest::newRow("Dagar: the daily average") << 2 << 3.0f;
    }
    void followsTheView() {
        QFETCH(int, view);
        QFETCH(float, grams);
        AppState s;
        s.registration.row(0, 0, 1) = food(3, 1, 0, 0);
        s.registration.row(0, 1, 1) = food(3, 2, 0, 0);
        s.registration.row(1, 0, 1) = food(3, 3, 0, 0);
        s.CurrentDay = 0;
        s.CurrentMeal = 1;
        s.ViewMode = view;
        s.recalculate();
        QCOMPARE(FatComposition::build(s).qualities[0].label,
                 QStringLiteral("Mättat") + QString::asprintf("%8.1f", double(grams)) + "g");
    }
};

QTEST_GUILESS_MAIN(TstFatComposition)
#include "tst_fatcomposition.moc"
