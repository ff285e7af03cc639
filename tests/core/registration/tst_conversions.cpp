#include "core/registration/Conversions.h"
#include "core/registration/MealGridText.h"

#include <QTest>

using namespace vexamat;

class TstConversions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void textToReal_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<float>("expected");
        QTest::newRow("comma") << "1,5" << 1.5f;
        QTest::newRow("point") << "1.5" << 1.5f;
        QTest::newRow("leading blanks") << "   1,5" << 1.5f;
        QTest::newRow("unit after number") << "1,5 g" << 0.0f;
        QTest::newRow("letters") << "abc" << 0.0f;
        QTest::newRow("empty") << "" << 0.0f;
        QTest::newRow("two commas") << "1,5,2" << 0.0f;
        QTest::newRow("negative") << "-2,25" << -2.25f;
        QTest::newRow("whole") << "150" << 150.0f;
        QTest::newRow("beyond single precision") << "1e39" << 0.0f;
        QTest::newRow("negative beyond single precision") << "-1e39" << 0.0f;
        QTest::newRow("largest float still read") << "3e38" << 3e38f;
    }
    void textToReal() {
        QFETCH(QString, text);
        QFETCH(float, expected);
        QCOMPARE(TextToReal(text), expected);
    }

    void dotToComma_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("point") << "  12.5"
                               << "12,5";
        QTest::newRow("first point only") << "1.2.3"
                                          << "1,2.3";
        QTest::newRow("no point") << "7"
                                  << "7";
    }
    void dotToComma() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(DotToComma(text), expected);
    }

    void timeToSlot_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("slot");
        QTest::newRow("8:05") << "8:05" << 32;
        QTest::newRow("08:15 quarter boundary") << "08:15" << 33;
        QTest::newRow("12:30") << "12:30" << 50;
        QTest::newRow("07:30") << "07:30" << 30;
        QTest::newRow("23:59") << "23:59" << 95;
        QTest::newRow("25:10 wraps to 0") << "25:10" << 0;
        QTest::newRow("comma as separator") << "8,45" << 35;
        QTest::newRow("minutes 60 or more") << "9:75" << 36;
        QTest::newRow("not a time") << "frukost" << 96;
        QTest::newRow("empty") << "" << 96;
        QTest::newRow("negative is no time") << "-8:00" << 96;
        QTest::newRow("leading blanks") << "  7:00" << 28;
        QTest::newRow("hours beyond an int wrap to 0") << "99999999999" << 0;
        QTest::newRow("hours of 2^32") << "4294967296:00" << 0;
    }
    void timeToSlot() {
        QFETCH(QString, text);
        QFETCH(int, slot);
        QCOMPARE(TimeToSlot(text), slot);
    }

    void gramText_data() {
        QTest::addColumn<float>("gram");
        QTest::addColumn<QString>("expected");
        QTest::newRow("9.9 keeps a decimal") << 9.9f << "9,9";
        QTest::newRow("9.96 rounds to 10") << 9.96f << "10";
        QTest::newRow("0.01 is a dash") << 0.01f << "-";
        QTest::newRow("150") << 150.0f << "150";
        QTest::newRow("2.25") << 2.25f << "2,3";
    }
    void gramText() {
        QFETCH(float, gram);
        QFETCH(QString, expected);
        QCOMPARE(MealGridText::gramText(gram), expected);
    }

    void antalText_data() {
        QTest::addColumn<float>("gram");
        QTest::addColumn<float>("unit");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one and a half portions") << 150.0f << 100.0f << "1,5";
        QTest::newRow("no unit weight") << 150.0f << 0.0f << "-";
        QTest::newRow("tiny amount") << 0.5f << 100.0f << "-";
    }
    void antalText() {
        QFETCH(float, gram);
        QFETCH(float, unit);
        QFETCH(QString, expected);
        QCOMPARE(MealGridText::antalText(gram, unit), expected);
    }
};

QTEST_APPLESS_MAIN(TstConversions)
#include "tst_conversions.moc"
