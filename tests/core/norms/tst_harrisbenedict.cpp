#include "core/catalogue/VexamatDatabase.h"
#include "core/norms/HarrisBenedict.h"
#include "core/norms/NormRowLookup.h"
#include "support/TempDataFolder.h"

#include <QTest>

using namespace vexamat;

namespace {

HarrisInputs harris(int sex, const QString& age, const QString& weight, const QString& height,
                    const QString& factor, int unit = 1) {
    return HarrisInputs{sex, age, weight, height, factor, unit};
}

} // namespace

Q_DECLARE_METATYPE(HarrisInputs)

class TstHarrisBenedict : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void estimate_data() {
        QTest::addColumn<HarrisInputs>("in");
        QTest::addColumn<double>("bmr");
        QTest::addColumn<QString>("shown");
        QTest::newRow("man, kcal") << harris(1, "40", "80", "180", "1.4") << 1790.5 << "2507";
        QTest::newRow("man, kJ") << harris(1, "40", "80", "180", "1.4", 0) << 1790.5 << "10488";
        QTest::newRow("woman") << harris(0, "30", "60", "165", "1.3") << 1387.1 << "1803";
        QTest::newRow("factor 0.95") << harris(0, "30", "60", "165", "0,95") << 1387.1 << "1318";
        QTest::newRow("age 35.5 computes")
            << harris(0, "35.5", "60", "165", "1.3") << 1361.25 << "1770";
        QTest::newRow("factor 0.9") << harris(0, "30", "60", "165", "0.9") << -1.0 << "- - -";
        QTest::newRow("age 9") << harris(0, "9", "60", "165", "1.3") << -1.0 << "- - -";
        QTest::newRow("weight 9") << harris(0, "30", "9", "165", "1.3") << -1.0 << "- - -";
        QTest::newRow("height 100") << harris(0, "30", "60", "100", "1.3") << -1.0 << "- - -";
        QTest::newRow("empty") << HarrisInputs{} << -1.0 << "- - -";
    }
    void estimate() {
        QFETCH(HarrisInputs, in);
        QFETCH(double, bmr);
        QFETCH(QString, shown);
        const std::optional<float> b = HarrisBenedict::bmr(in);
        QCOMPARE(b.has_value(), bmr > 0);
        if (b)
            QVERIFY2(qAbs(*b - bmr) < 0.01, qPrintable(QString::number(*b)));
        QCOMPARE(HarrisBenedict::needText(in), shown);
    }

    void ageGroups_data() {
        QTest::addColumn<int>("sex");
        QTest::addColumn<int>("age");
        QTest::addColumn<int>("nr");
        QTest::newRow("man 14") << 1 << 14 << 1;
        QTest::newRow("man 15") << 1 << 15 << 2;
        QTest::newRow("man 19") << 1 << 19 << 3;
        QTest::newRow("man 60") << 1 << 60 << 4;
        QTest::newRow("man 75") << 1 << 75 << 5;
        QTest::newRow("man 76") << 1 << 76 << 6;
        QTest::newRow("woman 18") << 0 << 18 << 12;
        QTest::newRow("woman 110") << 0 << 110 << 16;
        QTest::newRow("woman 111") << 0 << 111 << 0;
    }
    void ageGroups() {
        QFETCH(int, sex);
        QFETCH(int, age);
        QFETCH(int, nr);
        QCOMPARE(HarrisBenedict::normNumber(sex, age), nr);
    }

    void activation_data() {
        QTest::addColumn<HarrisInputs>("in");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("hasRow");
        QTest::addColumn<QString>("message");
        QTest::newRow("age 35.5") << harris(0, "35.5", "60", "165", "1.3") << "1770" << true
                                  << "Skriv ålder som ett heltal.";
        QTest::newRow("no estimate") << harris(0, "30", "60", "165", "0.9") << "- - -" << true
                                     << "Uppgifterna ej korrekt ifyllda.";
        QTest::newRow("no row") << harris(0, "120", "60", "165", "1.3") << "1234" << false
                                << HarrisBenedict::kNoNormForAge;
    }
    void activation() {
        QFETCH(HarrisInputs, in);
        QFETCH(QString, shown);
        QFETCH(bool, hasRow);
        QFETCH(QString, message);
        const HarrisBenedict::Activation a = HarrisBenedict::activate(
            in, shown, ActiveNorm{}, hasRow ? std::optional<NormRow>(NormRow{}) : std::nullopt);
        QVERIFY(!a.estimate);
        QCOMPARE(a.message, message);
    }

    void activationTakesTheRowAndTheShownNeed_data() {
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("label");
        QTest::addColumn<float>("kcal");
        QTest::addColumn<float>("kj");
        QTest::newRow("kcal") << 1 << "Norm: Harris Benedict, Man  40 år 2507 kcal per dag"
                              << 2507.0f << 2507.0f * 4.184f;
        QTest::newRow("kJ") << 0 << "Norm: Harris Benedict, Man  40 år 10488 kJ per dag"
                            << 10488.0f / 4.184f << 10488.0f;
    }
    void activationTakesTheRowAndTheShownNeed() {
        QFETCH(int, unit);
        QFETCH(QString, label);
        QFETCH(float, kcal);
        QFETCH(float, kj);
        TempDataFolder data;
        VexamatDatabase db;
        QString error;
        QVERIFY2(db.open(data.filePath(VexamatDatabase::kFileName), &error), qPrintable(error));
        const HarrisInputs in = harris(1, "40", "80", "180", "1.4", unit);
        const std::optional<NormRow> row =
            NormRowLookup::find(db, HarrisBenedict::normNumber(1, 40));
        QVERIFY(row);
        QCOMPARE(row->Nr, 4);
        ActiveNorm current;
        current.NormEnergyShare[0] = 20.0f;
        const HarrisBenedict::Activation a =
            HarrisBenedict::activate(in, HarrisBenedict::needText(in), current, row);
        QVERIFY(a.estimate);
        const NormEstimate& e = *a.estimate;
        QCOMPARE(e.kind, QStringLiteral("harrisnorm"));
        QCOMPARE(e.label, label);
        QCOMPARE(e.need[nutrientSlot(nutrient::Kcal)], kcal);
        QCOMPARE(e.need[nutrientSlot(nutrient::Kj)], kj);
        QCOMPARE(e.need[nutrientSlot(nutrient::Protein)], kj * 20.0f / 1700.0f);
        QCOMPARE(e.need[nutrientSlot(nutrient::Fat)], kj * 30.0f / 3700.0f);
        QCOMPARE(e.need[nutrientSlot(nutrient::Carbohydrate)], kj * 55.0f / 1700.0f);
        // Every other item from the row, fatty acids and amino acids too.
        for (int s : {nutrientSlot(nutrient::Saturated), nutrientSlot(nutrient::Iron), 60, 71})
            QCOMPARE(e.need[s], row->values[s]);
    }
};

QTEST_GUILESS_MAIN(TstHarrisBenedict)
#include "tst_harrisbenedict.moc"
