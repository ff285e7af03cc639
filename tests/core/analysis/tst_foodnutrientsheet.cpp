#include "core/AppState.h"
#include "core/analysis/FoodComparison.h"
#include "core/analysis/FoodNutrientSheet.h"
#include "core/catalogue/TableSchema.h"
#include "support/TableFixture.h"

#include <QTemporaryDir>
#include <QTest>

using namespace vexamat;

using Shares = FoodNutrientSheet::Shares;

namespace {

FoodNutrientSheet sheet(const QString& name, Shares shares) {
    FoodNutrientSheet s;
    s.found = true;
    s.lines = QStringList{name, QString()};
    s.shares = shares;
    return s;
}

} // namespace

class TstFoodNutrientSheet : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    AppState m_state;

private Q_SLOTS:
    void initTestCase() {
        m_state.DataDir = m_dir.path();
        QVERIFY(m_state.database.create(m_state.dataPath(QStringLiteral("vexamat.db")), nullptr));
        QString error;
        QVERIFY2(m_state.openTables(&error), qPrintable(error));
        const auto field = [&](int no) { return m_state.livtab100.fieldNames().at(no - 1); };
        const auto productField = [&](int no) { return m_state.fabrikant.fieldNames().at(no - 1); };
        using F = TableFixture;
        // Gröt: 500 kJ, 5 g protein, no fat value, 20 g carbohydrates; Brännvin: 40 g alcohol.
        QVERIFY(F::insert(
            m_state.database, TableSchema::Livtab100,
            F::food("1_1", "Gröt", {}, "port", 250,
                    {{field(15), 500}, {field(19), 5}, {field(21), 20}, {field(22), -1}})));
        QVERIFY(F::insert(m_state.database, TableSchema::Livtab100,
                          F::food("1_2", "Brännvin", {}, "cl", 4, {{field(49), 40}})));
        QVERIFY(F::insert(m_state.database, TableSchema::Fabrikant,
                          F::food("F1", "Müsli", {}, "dl", 40,
                                  {{productField(15), 1500}, {productField(19), 8.5}})));
        QVERIFY(F::insert(m_state.database, TableSchema::Egna,
                          F::food("E1", "Mormors bullar", {}, "st", 40, {{field(19), 7.25}})));
        QVERIFY(F::insert(m_state.database, TableSchema::Dabas,
                          F::food("D1", "Havredryck", {}, "dl", 100, {{productField(19), 1}})));
        // Gröt also as an own food: the agency's table is asked first.
        QVERIFY(F::insert(m_state.database, TableSchema::Egna,
                          F::food("1_1", "Egen gröt", {}, "st", 40, {{field(19), 99}})));
        m_state.names.NutrientLabel[15] = QStringLiteral("Energi kJ");
        m_state.names.NutrientLabel[19] = QStringLiteral("Protein g");
        m_state.names.NutrientLabel[20] = QStringLiteral("Fett g");
        m_state.names.NutrientLabel[22] = QStringLiteral("Retinol ug");
        m_state.names.NutrientDecimals[19] = 1;
        m_state.names.NutrientDecimals[20] = 1;
        m_state.selection.clear();
        for (int no : {15, 19, 20, 22})
            m_state.selection.setSelected(no, true);
    }

    void lookup_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("the agency's table: numbers, an empty field as 0, a missing mark as -")
            << "1_1" << QStringList{"Gröt",          "",           "Energi kJ 500", "Protein g 5.0",
                                    "Fett g    0.0", "Retinol ug-"};
        QTest::newRow("a manufacturer's food: the stored texts, an empty field as nothing")
            << "F1" << QStringList{"Müsli",         "",           "Energi kJ 1500",
                                   "Protein g 8.5", "Fett g    ", "Retinol ug"};
        QTest::newRow("an own food")
            << "E1" << QStringList{"Mormors bullar", "",           "Energi kJ ",
                                   "Protein g 7.25", "Fett g    ", "Retinol ug"};
        QTest::newRow("DABAS") << "D1" << QStringList{"Havredryck",  "",           "Energi kJ ",
                                                      "Protein g 1", "Fett g    ", "Retinol ug"};
    }
    void lookup() {
        QFETCH(QString, code);
        QFETCH(QStringList, lines);
        const FoodNutrientSheet s = FoodNutrientSheet::lookup(m_state, code, false);
        QVERIFY(s.found);
        QCOMPARE(s.lines, lines);
    }

    void allNutrients() {
        const FoodNutrientSheet s = FoodNutrientSheet::lookup(m_state, QStringLiteral("1_1"), true);
        QCOMPARE(s.lines.size(), 2 + 72);
        QCOMPARE(s.lines.at(2 + 21 - 15), QStringLiteral("          20")); // no label, no decimals
    }

    void unknownCode() {
        const FoodNutrientSheet s =
            FoodNutrientSheet::lookup(m_state, QStringLiteral("7_77"), false);
        QVERIFY(!s.found);
        QCOMPARE(s.message, QStringLiteral("Livsmedel med nr 7_77 finns ej."));
        QVERIFY(s.lines.isEmpty());
    }

    void sharesOfTheFound() {
        // 5 g protein and 20 g carbohydrates: 8500 + 34000 of 42500.
        FoodNutrientSheet s = FoodNutrientSheet::lookup(m_state, QStringLiteral("1_1"), false);
        QCOMPARE(s.shares, (Shares{20, 0, 80, 0}));
        m_state.AlcoholFactor = 2900;
        s = FoodNutrientSheet::lookup(m_state, QStringLiteral("1_2"), false);
        QCOMPARE(s.shares, (Shares{0, 0, 0, 100}));
        m_state.AlcoholFactor = 0;
        s = FoodNutrientSheet::lookup(m_state, QStringLiteral("1_2"), false);
        QCOMPARE(s.shares, (Shares{0, 0, 0, 0}));
        m_state.AlcoholFactor = 2900;
    }

    void energyShares_data() {
        QTest::addColumn<float>("protein");
        QTest::addColumn<float>("fat");
        QTest::addColumn<float>("carbohydrates");
        QTest::addColumn<float>("alcohol");
        QTest::addColumn<int>("factor");
        QTest::addColumn<QList<float>>("shares");
        QTest::newRow("a gram of each")
            << 1.0f << 1.0f << 1.0f << 1.0f << 2900 << QList<float>{17, 37, 17, 29};
        QTest::newRow("alcohol not counted")
            << 1.0f << 1.0f << 1.0f << 1.0f << 0
            << QList<float>{1700.0f / 71, 3700.0f / 71, 1700.0f / 71, 0};
        QTest::newRow("next to no energy")
            << 0.001f << 0.0f << 0.0f << 0.0f << 2900 << QList<float>{0, 0, 0, 0};
    }
    void energyShares() {
        QFETCH(float, protein);
        QFETCH(float, fat);
        QFETCH(float, carbohydrates);
        QFETCH(float, alcohol);
        QFETCH(int, factor);
        QFETCH(QList<float>, shares);
        const Shares s =
            FoodNutrientSheet::energyShares(protein, fat, carbohydrates, alcohol, factor);
        QCOMPARE(s.protein, shares[0]);
        QCOMPARE(s.fat, shares[1]);
        QCOMPARE(s.carbohydrate, shares[2]);
        QCOMPARE(s.alcohol, shares[3]);
    }

    void pieSlices_data() {
        QTest::addColumn<Shares>("shares");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("no energy") << Shares{} << QStringList{};
        QTest::newRow("little alcohol")
            << Shares{20, 40, 39.5f, 0.5f} << QStringList{"Prot", "Fett", "Kolh"};
        QTest::newRow("with alcohol")
            << Shares{17, 37, 17, 29} << QStringList{"Prot", "Fett", "Kolh", "Alko"};
    }
    void pieSlices() {
        QFETCH(Shares, shares);
        QFETCH(QStringList, labels);
        QStringList got;
        for (const FoodNutrientSheet::Slice& slice : FoodNutrientSheet::pieSlices(shares))
            got << slice.label;
        QCOMPARE(got, labels);
    }

    void comparison() {
        const Shares a{100, 0, 0, 0};
        const Shares b{0, 100, 0, 0};
        const Shares c{0, 0, 100, 0};
        FoodComparison side;
        side.show(sheet(QStringLiteral("A"), a), false);
        side.show(sheet(QStringLiteral("B"), b), false);
        QCOMPARE(side.left().first(), QStringLiteral("B"));
        QCOMPARE(side.right().first(), QStringLiteral("A"));
        QCOMPARE(side.leftShares(), b);
        QCOMPARE(side.rightShares(), a);

        // The left side locked: C replaces only the right side.
        side.show(sheet(QStringLiteral("C"), c), true);
        QCOMPARE(side.left().first(), QStringLiteral("B"));
        QCOMPARE(side.right().first(), QStringLiteral("C"));
        QCOMPARE(side.leftShares(), b);
        QCOMPARE(side.rightShares(), c);

        // A code not found changes neither side.
        side.show(FoodNutrientSheet{}, false);
        QCOMPARE(side.left().first(), QStringLiteral("B"));
        QCOMPARE(side.right().first(), QStringLiteral("C"));
    }
};

QTEST_GUILESS_MAIN(TstFoodNutrientSheet)
#include "tst_foodnutrientsheet.moc"
