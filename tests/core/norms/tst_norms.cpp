#include "core/catalogue/FoodTable.h"
#include "core/catalogue/TableSchema.h"
#include "core/catalogue/VexamatDatabase.h"
#include "core/norms/NormActivation.h"
#include "core/norms/NormTable.h"
#include "support/TempDataFolder.h"

#include <QSqlQuery>
#include <QTest>

using namespace vexamat;

namespace {

ActiveNorm normWith(float kj, float kcal, float protein, float fat, float carbohydrate,
                    float fibre = 0, const QString& name = QStringLiteral("Testnorm")) {
    ActiveNorm norm;
    norm.ActiveNeed.fill(0.0f);
    norm.ActiveNeed[nutrientSlot(nutrient::Kj)] = kj;
    norm.ActiveNeed[nutrientSlot(nutrient::Kcal)] = kcal;
    norm.ActiveNeed[nutrientSlot(nutrient::Protein)] = protein;
    norm.ActiveNeed[nutrientSlot(nutrient::Fat)] = fat;
    norm.ActiveNeed[nutrientSlot(nutrient::Carbohydrate)] = carbohydrate;
    norm.ActiveNeed[nutrientSlot(nutrient::Fibre)] = fibre;
    norm.NormName = name;
    return norm;
}

} // namespace

class TstNorms : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void checkNormEnergy_data() {
        QTest::addColumn<float>("kj");
        QTest::addColumn<float>("kcal");
        QTest::addColumn<float>("protein");
        QTest::addColumn<float>("fat");
        QTest::addColumn<float>("carbohydrate");
        QTest::addColumn<QStringList>("warnings");
        const QString tail =
            QStringLiteral("). Om du ändrat normen kolla den, kontakta annars Trelona");
        // e = 80*17 + 80*37 + 240*17 = 1360 + 2960 + 4080 = 8400
        QTest::newRow("consistent")
            << 8400.0f << 2000.0f << 80.0f << 80.0f << 240.0f << QStringList{};
        QTest::newRow("kJ and kcal differ by 401")
            << 8400.0f << 1900.0f << 80.0f << 80.0f << 240.0f
            << QStringList{QStringLiteral("För stor skillnad mellan kJ (8400) och kcal (1900") +
                           tail};
        QTest::newRow("energy givers differ by 200")
            << 8400.0f << 2000.0f << 80.0f << 70.0f << 250.0f
            << QStringList{QStringLiteral("Testnorm    För stor skillnad mellan kJ (8400) och "
                                          "energigivare (8200") +
                           tail};
        QTest::newRow("both")
            << 8400.0f << 1900.0f << 80.0f << 70.0f << 250.0f
            << QStringList{QStringLiteral("För stor skillnad mellan kJ (8400) och kcal (1900") +
                               tail,
                           QStringLiteral("Testnorm    För stor skillnad mellan kJ (8400) och "
                                          "energigivare (8200") +
                               tail};
    }
    void checkNormEnergy() {
        QFETCH(float, kj);
        QFETCH(float, kcal);
        QFETCH(float, protein);
        QFETCH(float, fat);
        QFETCH(float, carbohydrate);
        QFETCH(QStringList, warnings);
        QCOMPARE(NormActivation::CheckNormEnergy(normWith(kj, kcal, protein, fat, carbohydrate)),
                 warnings);
    }

    void longNameIsCutInTheEnergyWarning() {
        const QString name(110, QLatin1Char('x'));
        const QStringList w =
            NormActivation::CheckNormEnergy(normWith(8400, 2000, 80, 70, 250, 0, name));
        QCOMPARE(w.size(), 1);
        QVERIFY(w[0].startsWith(name + QStringLiteral("  8400) och energigivare (8200)")));
    }

    void normLabel_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("label");
        QTest::newRow("short") << "Kvinnor 15-18 år"
                               << "Norm: Kvinnor 15-18 år   2100 kcal/dag";
        const QString eighty(80, QLatin1Char('n'));
        QTest::newRow("80 characters") << eighty << "Norm: " + eighty.left(80) + "   2100 kcal/dag";
        const QString long83 = QString(83, QLatin1Char('n'));
        QTest::newRow("name past 86") << long83 << "Norm: " + long83.left(80) + "   2100 kcal/dag";
    }
    void normLabel() {
        QFETCH(QString, name);
        QFETCH(QString, label);
        QCOMPARE(NormActivation::BuildNormLabel(name, 2100.0f), label);
    }

    void energySharesOfTheNorm() {
        ActiveNorm norm = normWith(9000, 2100, 75, 70, 270, 25);
        QVERIFY(NormActivation::ComputeNormEnergyShares(norm));
        // E = 127500 + 259000 + 459000 + 20000 = 865500
        QCOMPARE(norm.NormEnergyShare[0], 75.0f * 100 * 1700 / 865500);
        QCOMPARE(qRound(norm.NormEnergyShare[0] * 10), 147);
        QCOMPARE(qRound(norm.NormEnergyShare[1] * 10), 299);
        QCOMPARE(qRound(norm.NormEnergyShare[2] * 10), 553);
        QCOMPARE(qRound(norm.NormEnergyShare[3] * 10), 100); // saturated
        QCOMPARE(qRound(norm.NormEnergyShare[4] * 10), 125); // monounsaturated
        QCOMPARE(qRound(norm.NormEnergyShare[5] * 10), 75);  // polyunsaturated
    }

    void noEnergyLeavesTheSharesAlone() {
        ActiveNorm norm = normWith(0, 0, 0, 0, 0);
        const auto before = norm.NormEnergyShare;
        QVERIFY(!NormActivation::ComputeNormEnergyShares(norm));
        QCOMPARE(norm.NormEnergyShare, before);
    }

    void defaultRowFromTheTable() {
        TempDataFolder data;
        VexamatDatabase db;
        QString error;
        QVERIFY2(db.open(data.filePath(VexamatDatabase::kFileName), &error), qPrintable(error));
        FoodTable normer(db, TableSchema::Normer);
        QVERIFY2(normer.open(&error), qPrintable(error));
        bool found = false;
        const std::optional<NormRow> row = NormTable::defaultRow(normer, 12, &found);
        QVERIFY(row && found);
        ActiveNorm norm;
        NormActivation::loadDefault(norm, *row, found);
        QCOMPARE(norm.NormNumber, 12);
        QCOMPARE(norm.NormName, QStringLiteral("Kvinnor 15-18 år"));
        QCOMPARE(norm.ActiveNeed[nutrientSlot(nutrient::Kj)], 9600.0f);
        QCOMPARE(norm.ActiveNeed[nutrientSlot(nutrient::Protein)], 84.7f);
        QCOMPARE(norm.ActiveNeed[nutrientSlot(nutrient::Water)], 0.0f); // empty field
        QCOMPARE(norm.StandardNeed, norm.ActiveNeed);
        QCOMPARE(norm.NormKind, QStringLiteral("standardnorm"));
        QVERIFY(norm.NormLabel.isEmpty());

        // Without row 12 the first row serves and the number stays.
        QSqlQuery(db.db()).exec(QStringLiteral("DELETE FROM normer WHERE Nr = 12"));
        const std::optional<NormRow> first = NormTable::defaultRow(normer, 12, &found);
        QVERIFY(first && !found);
        ActiveNorm other;
        other.NormNumber = 7;
        NormActivation::loadDefault(other, *first, found);
        QCOMPARE(other.NormNumber, 7);
        QCOMPARE(other.NormName, QStringLiteral("Män 11-14 år"));
    }
};

QTEST_GUILESS_MAIN(TstNorms)
#include "tst_norms.moc"
