#include "core/analysis/NutrientTopList.h"
#include "core/catalogue/FoodTable.h"
#include "core/catalogue/NutrientNames.h"
#include "core/catalogue/Nutrients.h"
#include "core/catalogue/TableSchema.h"
#include "core/catalogue/VexamatDatabase.h"
#include "support/TableFixture.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vexamat;

class TestNutrientTopList : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    VexamatDatabase m_db;
    FoodTable m_livtab;
    FoodTable m_egna;
    NutrientNames m_names;

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_db.create(m_dir.filePath(QStringLiteral("vexamat.db")), nullptr));
        m_livtab = FoodTable(m_db, TableSchema::Livtab100);
        m_egna = FoodTable(m_db, TableSchema::Egna);
        QVERIFY(m_livtab.open(nullptr));
        QVERIFY(m_egna.open(nullptr));
        // The field that holds a nutrient is the one before its number.
        const QString protein = m_livtab.fieldNames().at(nutrient::Protein - 1);
        using F = TableFixture;
        const auto add = [&](const QString& kod, const QString& name, double portion,
                             const QVariant& value) {
            QVERIFY(F::insert(
                m_db, TableSchema::Livtab100,
                F::food(kod, name, {}, QStringLiteral("st"), portion, {{protein, value}})));
        };
        add("1_1", "Kyckling", 150, 25.5);
        add("1_2", "Bröd", 40, 3.2);
        add("1_3", "RESERV", 100, 50.0);
        add("1_4", "Äpple", 120, QVariant()); // missing value
        add("1_5", "Smör", 10, -1.0);         // the missing-value mark
        add("1_6", "Ost", 0.4, 25.5);         // ties with Kyckling; no usable portion
        add("1_7", "Salt", 5, 0.011);         // too little to list
        add("1_8", "Lax", 150, 20.0);
        add("1_9", "Nötter", 1000, 1000.0); // the widest amount per portion
        m_names.NutrientUnit[nutrient::Protein] = QStringLiteral("g");
        m_names.NutrientLabel[nutrient::Protein] = QStringLiteral("Protein");
    }

    void listsRichestFirst_data() {
        QTest::addColumn<bool>("perPortion");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("per 100 g, ties by name, missing left out")
            << false << QStringLiteral("Livsmedelsverket per 100 gram")
            << QStringList{"   1000.00 g Nötter", "     25.50 g Ost", "     25.50 g Kyckling",
                           "     20.00 g Lax", "      3.20 g Bröd"};
        QTest::newRow("per portion, no portion left out")
            << true << QStringLiteral("Livsmedelsverket per portion")
            << QStringList{"  10000.00 g Nötter (1000 g)", "     38.25 g Kyckling (150 g)",
                           "     30.00 g Lax (150 g)", "      1.28 g Bröd (40 g)"};
    }

    void listsRichestFirst() {
        QFETCH(bool, perPortion);
        const NutrientTopList::Result r =
            NutrientTopList::build(m_livtab, nutrient::Protein, perPortion, m_names);
        QCOMPARE(r.error, QString());
        QTEST(r.heading, "heading");
        QTEST(r.lines, "lines");
    }

    void emptyTableGivesEmptyList() {
        const NutrientTopList::Result r =
            NutrientTopList::build(m_egna, nutrient::Protein, false, m_names);
        QCOMPARE(r.heading, QStringLiteral("Egna livsmedel per 100 gram"));
        QVERIFY(r.lines.isEmpty());
        QCOMPARE(NutrientTopList::fileLines(r, QStringLiteral("Protein"), 9999).size(), 3);
    }

    void unknownNutrientIsAnError() {
        const NutrientTopList::Result r = NutrientTopList::build(m_livtab, 87, false, m_names);
        QVERIFY(!r.error.isEmpty());
        QVERIFY(r.lines.isEmpty());
    }

    void fileHoldsTheExactBytes_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray head("N\xe4ringsinneh\xe5ll Livsmedelsverket per 100 gram\r\n"
                              "N\xe4rings\xe4mne Vitamin B12 \r\n"
                              "\r\n");
        QTest::newRow("two lines") << 2
                                   << head + "   1000.00 g N\xf6tter\r\n"
                                             "     25.50 g Ost\r\n";
        QTest::newRow("9999 is all")
            << 9999
            << head + "   1000.00 g N\xf6tter\r\n     25.50 g Ost\r\n     25.50 g Kyckling\r\n"
                      "     20.00 g Lax\r\n      3.20 g Br\xf6"
                      "d\r\n";
    }

    void fileHoldsTheExactBytes() {
        QFETCH(int, count);
        const NutrientTopList::Result r =
            NutrientTopList::build(m_livtab, nutrient::Protein, false, m_names);
        // The label line is cut to 24 characters.
        const QStringList lines =
            NutrientTopList::fileLines(r, QStringLiteral("Vitamin B12 i mat"), count);
        QTemporaryDir dir;
        const QString path = dir.filePath(NutrientTopList::kFileName);
        QString error;
        QVERIFY2(NutrientTopList::write(path, lines, &error), qPrintable(error));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QTEST(file.readAll(), "bytes");
    }

    void unwritableFileGivesAMessage() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("saknas/") + NutrientTopList::kFileName);
        QString error;
        QVERIFY(!NutrientTopList::write(path, {QStringLiteral("x")}, &error));
        QVERIFY(error.startsWith(QStringLiteral("Kunde inte skriva filen")));
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_GUILESS_MAIN(TestNutrientTopList)
#include "tst_nutrienttoplist.moc"
