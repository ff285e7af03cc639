#include "core/catalogue/FoodTable.h"
#include "core/catalogue/NutrientNames.h"
#include "core/catalogue/TableRecord.h"
#include "core/catalogue/TableSchema.h"
#include "core/catalogue/VexamatDatabase.h"
#include "core/norms/NormRowLookup.h"
#include "core/norms/OwnEnergyNorm.h"
#include "support/TempDataFolder.h"

#include <QSqlQuery>
#include <QTest>

using namespace vexamat;

namespace {

OwnNormInputs inputs(const QString& protein, const QString& fat, const QString& carbohydrate,
                     const QString& age = QStringLiteral("50")) {
    OwnNormInputs in;
    in.protein = protein;
    in.fat = fat;
    in.carbohydrate = carbohydrate;
    in.age = age;
    return in;
}

} // namespace

Q_DECLARE_METATYPE(OwnNormInputs)

class TstOwnEnergyNorm : public QObject {
    Q_OBJECT
private:
    TempDataFolder m_data;
    VexamatDatabase m_db;
    NutrientNames m_names;

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_data.isValid());
        QString error;
        QVERIFY2(m_db.open(m_data.filePath(VexamatDatabase::kFileName), &error), qPrintable(error));
        m_names.read(m_data.filePath(QStringLiteral("nvnamn.txt")));
    }

    void proposal_data() {
        QTest::addColumn<OwnNormInputs>("in");
        QTest::addColumn<QString>("sum");
        QTest::addColumn<QStringList>("energyCells"); // kJ, kcal, protein, fat, carbohydrate
        QTest::newRow("defaults") << OwnNormInputs{} << "100%"
                                  << QStringList{"9121", "2180", "80.5", "74.0", "295.1"};
        QTest::newRow("105 %") << inputs("20", "30", "55") << "105%"
                               << QStringList{"9121", "2180", "107.3", "74.0", "295.1"};
        QTest::newRow("decimal comma") << inputs("15,5", "30", "54,5") << "100%"
                                       << QStringList{"9121", "2180", "83.2", "74.0", "292.4"};
    }
    void proposal() {
        QFETCH(OwnNormInputs, in);
        QFETCH(QString, sum);
        QFETCH(QStringList, energyCells);
        const int nr = OwnEnergyNorm::normNumber(in.sex, OwnEnergyNorm::age(in.age));
        const std::optional<NormRow> row = NormRowLookup::find(m_db, nr);
        QVERIFY(row);
        NutrientValues previous;
        previous.fill(3.0f);
        const OwnEnergyNorm::Proposal p = OwnEnergyNorm::propose(in, row, previous);
        QVERIFY(p.made);
        QCOMPARE(p.message, QString());
        QCOMPARE(OwnEnergyNorm::sumText(in), sum);
        QVERIFY(qAbs(p.values[0] - 9121.1f) < 0.05f);
        const QStringList cells = OwnEnergyNorm::cells(p.values, m_names);
        QCOMPARE(cells.size(), kNutrientCount);
        QCOMPARE((QStringList{cells[0], cells[1], cells[4], cells[5], cells[6]}), energyCells);
        // Vitamins and minerals from the row, amino acids kept from before.
        QCOMPARE(p.values[nutrientSlot(nutrient::Iron)], row->values[nutrientSlot(nutrient::Iron)]);
        QCOMPARE(p.values[nutrientSlot(nutrient::Selenium) + 1], 3.0f);
    }

    void ageGroups_data() {
        QTest::addColumn<int>("sex");
        QTest::addColumn<int>("age");
        QTest::addColumn<int>("nr");
        QTest::newRow("boy 4") << 1 << 4 << 24;
        QTest::newRow("girl 4") << 0 << 4 << 24;
        QTest::newRow("girl 9") << 0 << 9 << 25;
        QTest::newRow("man 10") << 1 << 10 << 1;
        QTest::newRow("woman 10") << 0 << 10 << 11;
        QTest::newRow("man 17") << 1 << 17 << 2;
        QTest::newRow("man 18") << 1 << 18 << 3;
        QTest::newRow("woman 74") << 0 << 74 << 15;
        QTest::newRow("woman 75") << 0 << 75 << 16;
        QTest::newRow("man 120, the oldest group") << 1 << 120 << 6;
        QTest::newRow("baby, the youngest group") << 0 << 1 << 24;
    }
    void ageGroups() {
        QFETCH(int, sex);
        QFETCH(int, age);
        QFETCH(int, nr);
        QCOMPARE(OwnEnergyNorm::normNumber(sex, age), nr);
    }

    void ageMustBeWhole_data() {
        QTest::addColumn<QString>("age");
        QTest::addColumn<bool>("made");
        QTest::addColumn<QString>("message");
        QTest::newRow("35.5") << "35.5" << false << "Skriv ålder som ett heltal.";
        QTest::newRow("empty") << "" << false << "Skriv ålder som ett heltal.";
        QTest::newRow("1") << "1" << true
                           << "Vitamin och mineralberäkning stämmer endast för åldrar 2 år och "
                              "uppåt";
        QTest::newRow("2") << "2" << true << "";
    }
    void ageMustBeWhole() {
        QFETCH(QString, age);
        QFETCH(bool, made);
        QFETCH(QString, message);
        const OwnEnergyNorm::Proposal p =
            OwnEnergyNorm::propose(inputs("15", "30", "55", age), std::nullopt, {});
        QCOMPARE(p.made, made);
        QCOMPARE(p.message, message);
    }

    void estimateReadsTheAdjustedCells() {
        QStringList cells(kNutrientCount, QStringLiteral("1"));
        cells[1] = QStringLiteral("2180");
        cells[10] = QStringLiteral("12,5"); // adjusted by hand
        OwnNormInputs in;
        in.sex = 1;
        const NormEstimate e = OwnEnergyNorm::estimate(in, cells);
        QCOMPARE(e.kind, QStringLiteral("egennorm"));
        QCOMPARE(e.label, QStringLiteral("Norm: Man  50 år 2180 kcal/dag"));
        QCOMPARE(e.need[10], 12.5f);
        QCOMPARE(e.need[1], 2180.0f);
        const auto shares = OwnEnergyNorm::energyShares(inputs("20", "30", "50"));
        QCOMPARE(shares[0], 20.0f);
        QCOMPARE(shares[3], 30.0f * 0.3333f); // saturated
        QCOMPARE(shares[4], 30.0f * 0.4167f); // monounsaturated
        QCOMPARE(shares[5], 30.0f * 0.25f);   // polyunsaturated
    }

    void saveAsNamedNorm() {
        QString error;
        QVERIFY(!OwnEnergyNorm::saveAsNamedNorm(m_db, QStringLiteral("Min norm"), {}, &error));
        QCOMPARE(error, OwnEnergyNorm::kNoFreeRow);

        QSqlQuery q(m_db.db());
        QVERIFY(q.exec(QStringLiteral("INSERT INTO normer (Nr, Norm) VALUES (40, 'ledig')")));
        QVERIFY(q.exec(QStringLiteral("INSERT INTO normer (Nr, Norm) VALUES (41, 'LEDIG')")));
        QStringList cells(kNutrientCount, QStringLiteral("0"));
        cells[0] = QStringLiteral("9121");
        cells[1] = QStringLiteral("0.5");
        cells[2] = QString();
        cells[71] = QStringLiteral("3,25");
        const std::optional<int> nr =
            OwnEnergyNorm::saveAsNamedNorm(m_db, QStringLiteral("Min norm"), cells, &error);
        QCOMPARE(nr, std::optional<int>(40));

        FoodTable normer(m_db, TableSchema::Normer);
        QVERIFY(normer.open(&error));
        const std::optional<TableRecord> row = normer.findByCode(QStringLiteral("40"));
        QVERIFY(row);
        QCOMPARE(row->text(1), QStringLiteral("Min norm"));
        const int first = TableSchema::kFirstNutrientPosition;
        QCOMPARE(row->number(first), std::optional<double>(9121));
        QCOMPARE(row->number(first + 1), std::optional<double>(0.5));
        QCOMPARE(row->number(first + 2), std::nullopt); // empty cell: empty field
        QCOMPARE(row->number(first + 3), std::nullopt); // 0: empty field
        QCOMPARE(row->number(first + 71), std::optional<double>(3.25));
        // The next free row is the next one.
        QCOMPARE(OwnEnergyNorm::saveAsNamedNorm(m_db, QStringLiteral("Två"), cells, &error),
                 std::optional<int>(41));
    }
};

QTEST_GUILESS_MAIN(TstOwnEnergyNorm)
#include "tst_ownenergynorm.moc"
