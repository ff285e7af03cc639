#include "core/analysis/EnergyPie.h"

#include <QTest>

using namespace vexamat;

class TstEnergyPie : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sharesOfAFood_data() {
        QTest::addColumn<float>("protein");
        QTest::addColumn<float>("fat");
        QTest::addColumn<float>("carbohydrate");
        QTest::addColumn<float>("alcohol");
        QTest::addColumn<int>("alcoholFactor");
        QTest::addColumn<QStringList>("slices");
        QTest::addColumn<float>("fatShare");
        // 10 g each: E = 17000 + 37000 + 17000 = 71000; fat 3700000 / 71000 = 52.11 %.
        QTest::newRow("no alcohol")
            << 10.f << 10.f << 10.f << 0.f << 2900 << QStringList{"Prot", "Fett", "Kolh"} << 52.11f;
        // Wine: 0.1 g protein, 2.6 g carbohydrate, 10 g alcohol.
        QTest::newRow("alcohol counted") << 0.1f << 0.f << 2.6f << 10.f << 2900
                                         << QStringList{"Prot", "Fett", "Kolh", "Alko"} << 0.f;
        QTest::newRow("alcohol not counted")
            << 0.1f << 0.f << 2.6f << 10.f << 0 << QStringList{"Prot", "Fett", "Kolh"} << 0.f;
        // A missing value (stored as -1) counts as none instead of taking energy away.
        QTest::newRow("missing fat")
            << 10.f << -1.f << 10.f << 0.f << 2900 << QStringList{"Prot", "Fett", "Kolh"} << 0.f;
        QTest::newRow("water has no slices")
            << 0.f << 0.f << 0.f << 0.f << 2900 << QStringList{} << 0.f;
    }
    void sharesOfAFood() {
        QFETCH(float, protein);
        QFETCH(float, fat);
        QFETCH(float, carbohydrate);
        QFETCH(float, alcohol);
        QFETCH(int, alcoholFactor);
        QFETCH(QStringList, slices);
        QFETCH(float, fatShare);
        const EnergyShares shares =
            EnergyPie::ofFood(protein, fat, carbohydrate, alcohol, alcoholFactor);
        QVERIFY2(std::abs(shares.fat - fatShare) < 0.01f, qPrintable(QString::number(shares.fat)));
        QStringList names;
        float total = 0;
        for (const ResultChartData::Slice& s : EnergyPie::slices(shares)) {
            names << s.label;
            total += s.value;
        }
        QCOMPARE(names, slices);
        if (!slices.isEmpty())
            QVERIFY(std::abs(total - 100.0f) < 0.01f);
    }
};

QTEST_GUILESS_MAIN(TstEnergyPie)
#include "tst_energypie.moc"
