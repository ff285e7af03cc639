#include "core/catalogue/NutrientNames.h"

#include <QTest>

using namespace vexamat;

class TstNutrientNames : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void parsesNameUnitLabelDecimals_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("no");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("decimals");
        QTest::newRow("protein") << QByteArray("19 Protein g,1") << 19 << "Protein"
                                 << "g"
                                 << "Protein g" << 1;
        QTest::newRow("unit cut to two") << QByteArray("16 Energi kcal,0") << 16 << "Energi"
                                         << "kc"
                                         << "Energi kcal" << 0;
        QTest::newRow("no blank before comma") << QByteArray("20 Fett,2") << 20 << ""
                                               << "Fe"
                                               << "Fett" << 2;
        QTest::newRow("one digit written with blank") << QByteArray(" 5 Extra mg,3") << 5 << "Extra"
                                                      << "mg"
                                                      << "Extra mg" << 3;
        QTest::newRow("one digit written with zero") << QByteArray("05 Extra mg,3") << 5 << "Extra"
                                                     << "mg"
                                                     << "Extra mg" << 3;
        QTest::newRow("code page 437 letters")
            << QByteArray("36 J\x84rn mg,1") << 36 << QString::fromUtf8("Järn") << "mg"
            << QString::fromUtf8("Järn mg") << 1;
        QTest::newRow("label cut to twelve")
            << QByteArray("42 Enkelomattade g,1") << 42 << "Enkelomattad"
            << "g"
            << "Enkelomattad" << 1;
        QTest::newRow("windows line end") << QByteArray("28 C-vit mg,0\r") << 28 << "C-vit"
                                          << "mg"
                                          << "C-vit mg" << 0;
    }
    void parsesNameUnitLabelDecimals() {
        QFETCH(QByteArray, line);
        QFETCH(int, no);
        NutrientNames names;
        // A file names at least one nutrient; the line under test comes last.
        const auto result = names.parse("15 Energi kJ,0\n" + line + "\n");
        QCOMPARE(result.status, NutrientNames::ReadStatus::Ok);
        QTEST(names.NutrientName[no], "name");
        QTEST(names.NutrientUnit[no], "unit");
        QTEST(names.NutrientLabel[no], "label");
        QTEST(names.NutrientDecimals[no], "decimals");
    }

    void commentsSkippedEvenWithDigits() {
        NutrientNames names;
        const auto result = names.parse("* rubrik\n*19 Fel g,5\n19 Protein g,1\n*20 Fett g,9\n");
        QCOMPARE(result.status, NutrientNames::ReadStatus::Ok);
        QCOMPARE(names.NutrientLabel[19], QStringLiteral("Protein g"));
        QCOMPARE(names.NutrientLabel[20], QString());
    }

    void laterLineOverwritesAndOutOfRangeIgnored() {
        NutrientNames names;
        const auto result = names.parse("19 Protein g,1\n19 Prot g,2\n90 Utanför g,1\n");
        QCOMPARE(result.status, NutrientNames::ReadStatus::Ok);
        QCOMPARE(names.NutrientLabel[19], QStringLiteral("Prot g"));
        QCOMPARE(names.NutrientDecimals[19], 2);
    }

    void badNumberIsFatal() {
        NutrientNames names;
        const auto result = names.parse("19 Protein g,1\nxx Fett g,1\n");
        QCOMPARE(result.status, NutrientNames::ReadStatus::BadNumber);
        QCOMPARE(result.message, QStringLiteral("Fel i namnfilen nvnamn.txt"));
        QCOMPARE(result.line, 2);
        QCOMPARE(names.NutrientLabel[19], QStringLiteral("Protein g")); // read before the fault
    }

    void badDecimalsIsReported_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("letter after comma") << QByteArray("19 Protein g,x");
        QTest::newRow("no comma") << QByteArray("19 Protein g");
        QTest::newRow("comma last") << QByteArray("19 Protein g,");
    }
    void badDecimalsIsReported() {
        QFETCH(QByteArray, line);
        NutrientNames names;
        const auto result = names.parse(line + "\n");
        QCOMPARE(result.status, NutrientNames::ReadStatus::BadDecimals);
        QVERIFY(result.message.contains(QStringLiteral("nvnamn.txt")));
    }

    void fileWithoutNutrientsIsRefused_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("only comments") << QByteArray("* rubrik\r\n*19 Protein g,1\r\n");
        QTest::newRow("only the extra items") << QByteArray(" 5 Extra mg,3\n87 Utanför g,1\n");
    }
    void fileWithoutNutrientsIsRefused() {
        QFETCH(QByteArray, content);
        NutrientNames names;
        const auto result = names.parse(content);
        QCOMPARE(result.status, NutrientNames::ReadStatus::NoNutrients);
        QVERIFY(result.message.contains(QStringLiteral("nvnamn.txt")));
    }

    void missingFileReported() {
        NutrientNames names;
        const auto result = names.read(QStringLiteral("/nonexistent/nvnamn.txt"));
        QCOMPARE(result.status, NutrientNames::ReadStatus::FileMissing);
        QVERIFY(result.message.contains(QStringLiteral("nvnamn.txt")));
    }

    void cp437Conversion() {
        QCOMPARE(Cp437ToAnsi(QByteArray("\x8E\x8F\x99\x84\x86\x94\xF8\x8A\x82x")),
                 QByteArray("\xC4\xC5\xD6\xE4\xE5\xF6\xB0\xE8\xE9x"));
    }
};

QTEST_APPLESS_MAIN(TstNutrientNames)
#include "tst_nutrientnames.moc"
