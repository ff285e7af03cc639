#include "core/catalogue/FoodTable.h"
#include "core/catalogue/TableSchema.h"
#include "core/catalogue/VexamatDatabase.h"
#include "core/files/KgNormFile.h"
#include "core/norms/KgNorm.h"
#include "core/norms/NormTable.h"
#include "support/TempDataFolder.h"

#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using namespace vexamat;

namespace {

constexpr int slot(int nutrientNo) {
    return nutrientSlot(nutrientNo);
}

NormRow perKg(float protein, float fat, float carbohydrate) {
    NormRow row;
    row.Nr = 9;
    row.Norm = QStringLiteral("Barn per kg");
    row.values[slot(nutrient::Protein)] = protein;
    row.values[slot(nutrient::Fat)] = fat;
    row.values[slot(nutrient::Carbohydrate)] = carbohydrate;
    return row;
}

NormRow standard() {
    NormRow row;
    row.Nr = 24;
    for (int c = 0; c < kNutrientCount; ++c)
        row.values[c] = 1000.0f + float(c);
    return row;
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TstKgNorm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void energyPerKg() {
        NormRow row = perKg(2.0f, 3.0f, 10.0f);
        KgNorm::withEnergy(row);
        QCOMPARE(row.values[slot(nutrient::Kj)], 315.0f);
        QCOMPARE(row.values[slot(nutrient::Kcal)], 75.0f); // 75.285 stored whole
    }

    void standardNormNumber_data() {
        QTest::addColumn<int>("age");
        QTest::addColumn<bool>("man");
        QTest::addColumn<int>("nr");
        QTest::newRow("girl 4") << 4 << false << 24;
        QTest::newRow("boy 4") << 4 << true << 24;
        QTest::newRow("boy 9") << 9 << true << 25;
        QTest::newRow("boy 10") << 10 << true << 1;
        QTest::newRow("girl 13") << 13 << false << 11;
        QTest::newRow("boy 14") << 14 << true << 2;
        QTest::newRow("woman 74") << 74 << false << 15;
        QTest::newRow("man 75") << 75 << true << 6;
        QTest::newRow("woman 75") << 75 << false << 16;
        QTest::newRow("baby 1") << 1 << false << 24;
        QTest::newRow("over 110") << 111 << true << 6;
    }
    void standardNormNumber() {
        QFETCH(int, age);
        QFETCH(bool, man);
        QFETCH(int, nr);
        QCOMPARE(KgNorm::standardNormNumber(age, man), nr);
    }

    void dayNorm_data() {
        QTest::addColumn<float>("weight");
        QTest::addColumn<float>("calcium"); // per kg: 0.00001, so the standard's
        QTest::addColumn<float>("kj");
        QTest::addColumn<float>("kcal");
        QTest::addColumn<float>("protein");
        QTest::newRow("20 kg") << 20.0f << 1000.0f + float(slot(nutrient::Calcium)) << 6300.0f
                               << 1500.0f << 40.0f;
        QTest::newRow("70 kg") << 70.0f << 1000.0f + float(slot(nutrient::Calcium)) << 22050.0f
                               << 5250.0f << 140.0f;
        QTest::newRow("35 kg halves")
            << 35.0f << 1000.0f + float(slot(nutrient::Calcium)) << 11025.0f << 2625.0f << 70.0f;
    }
    void dayNorm() {
        QFETCH(float, weight);
        QFETCH(float, calcium);
        QFETCH(float, kj);
        QFETCH(float, kcal);
        QFETCH(float, protein);
        NormRow row = perKg(2.0f, 3.0f, 10.0f);
        row.values[slot(nutrient::Calcium)] = 0.00001f;
        KgNorm::withEnergy(row);
        NutrientValues base;
        base.fill(5.0f);
        const NutrientValues day = KgNorm::dayNorm(row, weight, standard(), base);
        QCOMPARE(day[slot(nutrient::Kj)], kj);
        QCOMPARE(day[slot(nutrient::Kcal)], kcal);
        QCOMPARE(day[slot(nutrient::Protein)], protein);
        QCOMPARE(day[slot(nutrient::Calcium)], calcium);
        QCOMPARE(day[slot(nutrient::Iron)], 1000.0f + float(slot(nutrient::Iron)));
        QCOMPARE(day[slot(kLastNutrientNo)], 5.0f); // the amino acids are not the group's
    }

    void activatesWithLabelAndShares() {
        NormRow row = perKg(2.0f, 3.0f, 10.0f);
        KgNorm::withEnergy(row);
        const NutrientValues day = KgNorm::dayNorm(row, 20.0f, standard(), NutrientValues{});
        ActiveNorm norm;
        KgNorm::activate(norm, day, QStringLiteral("Barn per kg"));
        QCOMPARE(norm.NormKind, QStringLiteral("kgkroppsviktnorm"));
        QCOMPARE(norm.NormLabel,
                 QStringLiteral("Norm per kg kroppsvikt: Barn per kg   1500 kcal/dag"));
        QCOMPARE(norm.StandardNeed[slot(nutrient::Kcal)], 1500.0f);
        // Protein 40 g, fat 60 g, carbohydrate 200 g and the standard's fibre.
        const float fibre = 1000.0f + float(slot(nutrient::Fibre));
        const float e = 40 * 1700.0f + 60 * 3700.0f + 200 * 1700.0f + fibre * 800.0f;
        QCOMPARE(norm.NormEnergyShare[1], 60 * 100 * 3700.0f / e);
    }

    void computeKgEnergyWritesEveryRecord() {
        TempDataFolder data;
        VexamatDatabase db;
        QString error;
        QVERIFY2(db.open(data.filePath(VexamatDatabase::kFileName), &error), qPrintable(error));
        QSqlQuery q(db.db());
        QVERIFY(q.exec(QStringLiteral("UPDATE normkroppsvikt SET \"Protein _g_\" = 2, "
                                      "\"Fett _g_\" = 3, \"Kolhydrater _g_\" = 10, "
                                      "\"Energi _kJ_ _kJ_\" = NULL WHERE Nr = 1")));
        bool changed = false;
        QVERIFY2(KgNorm::ComputeKgEnergy(db, &changed, &error), qPrintable(error));
        QVERIFY(changed);
        QVERIFY(KgNorm::ComputeKgEnergy(db, &changed, &error));
        QVERIFY(!changed);
        FoodTable table(db, TableSchema::NormKroppsvikt);
        QVERIFY(table.open(&error));
        const NormRow row = NormTable::fromRecord(*table.findByCode(QStringLiteral("1")));
        QCOMPARE(row.values[slot(nutrient::Kj)], 315.0f);
        QCOMPARE(row.values[slot(nutrient::Kcal)], 75.0f);
    }

    void sideFileRoundTrip() {
        QTemporaryDir dir;
        KgNormInputs in;
        in.sex = 1;
        in.weight = QStringLiteral("20");
        in.age = QStringLiteral("4");
        for (int c = 0; c < kNutrientCount; ++c)
            in.dayNorm << QStringLiteral("%1,5").arg(c);
        const QString path = dir.filePath(QStringLiteral("a.kropp"));
        QString error;
        QVERIFY(KgNormFile::write(path, in, &error));
        const QByteArray bytes = readAll(path);
        QVERIFY(bytes.startsWith("Man\r\n20\r\n4\r\n0,5\r\n1,5\r\n"));
        QVERIFY(bytes.endsWith("71,5\r\n" + QByteArray("\r\n").repeated(15) +
                               QByteArray("dummy\r\n").repeated(10)));
        QCOMPARE(bytes.count("\r\n"), 100);
        KgNormInputs back;
        QVERIFY2(KgNormFile::read(path, &back, &error), qPrintable(error));
        QCOMPARE(back.dayNorm, in.dayNorm);
        const QString again = dir.filePath(QStringLiteral("b.kropp"));
        QVERIFY(KgNormFile::write(again, back, &error));
        QCOMPARE(readAll(again), bytes);
    }

    void damagedSideFile_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reason");
        QByteArray values;
        for (int c = 0; c < 87; ++c)
            values += "1\r\n";
        QTest::newRow("too short") << QByteArray("Man\r\n20\r\n4\r\n1\r\n") << "för kort";
        QTest::newRow("weight") << QByteArray("Man\r\ntjugo\r\n4\r\n") + values << "rad 2";
        QByteArray bad = "Kvinna\r\n20\r\n4\r\n" + values;
        bad.replace(15, 1, "x");
        QTest::newRow("a value") << bad << "rad 4";
    }
    void damagedSideFile() {
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("t.kropp"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
        f.close();
        KgNormInputs in;
        QString error;
        QVERIFY(!KgNormFile::read(path, &in, &error));
        QVERIFY2(error.contains(reason), qPrintable(error));
        QCOMPARE(in.weight, QStringLiteral("70"));
    }
};

QTEST_GUILESS_MAIN(TstKgNorm)
#include "tst_kgnorm.moc"
