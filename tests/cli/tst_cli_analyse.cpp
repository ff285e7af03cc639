#include "core/text/TextCodec.h"
#include "support/CliRunner.h"
#include "support/TempDataFolder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace vexamat;

namespace {

struct Run {
    int code = -1;
    QByteArray out;
    QString err;
};

Run analyse(const QStringList& args) {
    const CliRunner::Result result = CliRunner::run(
        QStringList{QStringLiteral("analyse")} + args +
        QStringList{QStringLiteral("--data"), qEnvironmentVariable("VEXAMAT_TEST_DATA")});
    if (!result.problem.isEmpty())
        qWarning("%s", qPrintable(result.problem));
    return {result.exitCode, result.standardOutput, result.err()};
}

// Day 1: 200 g milk (1_101: 247 kJ, 3.4 g protein, 3 g fat, 4.6 g carbohydrate per 100 g) at
// breakfast and a clock-time row at lunch; day 3: 100 g milk at dinner.
QStringList registrationLines() {
    QStringList lines{"100", "2026-12-10", "flera maltider"};
    for (int i = 0; i < 9; ++i)
        lines << "reserv";
    lines << "1_101"
          << "200.0/103@dl&8:00";
    for (int d = 0; d < 21; ++d) {
        for (int m = 0; m < 9; ++m) {
            if (d == 0 && m == 1)
                lines << "12:00"
                      << "0.0/0@&12:00";
            if (d == 2 && m == 2)
                lines << "1_101"
                      << "100.0/103@dl";
            lines << QStringLiteral("*%1/%2").arg(d).arg(m);
        }
    }
    return lines;
}

QStringList normLines() {
    QStringList lines(10, QStringLiteral("reserv"));
    lines << "egennorm"
          << "Egen norm 2361 kcal";
    lines << "9880.000";
    for (int i = 1; i < 72; ++i)
        lines << "10.000";
    return lines;
}

} // namespace

class TstCliAnalyse : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void jsonHoldsPeriodDaysAndMeals() {
        QTemporaryDir dir;
        QVERIFY(TextCodec::writeLines(dir.filePath("kalle.vexa"), registrationLines()));
        QVERIFY(TextCodec::writeLines(dir.filePath("kalle.norm"), normLines()));
        const Run r = analyse({dir.filePath("kalle.vexa"), "--json"});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.err, QString());
        const QJsonObject root = QJsonDocument::fromJson(r.out).object();
        QCOMPARE(root["days_with_intake"].toInt(), 2);
        const QJsonObject norm = root["norm"].toObject();
        QCOMPARE(norm["kind"].toString(), QStringLiteral("egennorm"));
        QCOMPARE(norm["label"].toString(), QStringLiteral("Egen norm 2361 kcal"));
        QCOMPARE(norm["need"].toObject()["15"].toDouble(), 9880.0);
        QCOMPARE(norm["need"].toObject().size(), 72);

        const QJsonObject period = root["period"].toObject();
        QCOMPARE(period["average"].toObject()["15"].toDouble(), (494.0 + 247.0) / 2);
        QCOMPARE(period["average"].toObject()["19"].toDouble(), 5.1);
        QCOMPARE(period["percent"].toObject()["15"].toDouble(), 3.75);
        // Energy from 6.8 g protein of 494 kJ: 6.8 * 17 / 494.
        QCOMPARE(qRound(period["energy_shares"].toObject()["protein"].toDouble() * 100), 2340);
        QCOMPARE(period["energy_shares"].toObject().keys(),
                 (QStringList{"alcohol", "carbohydrate", "fat", "monounsaturated", "omega3",
                              "omega6", "polyunsaturated", "protein", "saturated", "sucrose"}));

        const QJsonArray days = root["days"].toArray();
        QCOMPARE(days.size(), 2);
        const QJsonObject day1 = days[0].toObject();
        QCOMPARE(day1["day"].toInt(), 1);
        QCOMPARE(day1["sum"].toObject()["15"].toDouble(), 494.0);
        QCOMPARE(day1["percent"].toObject()["15"].toDouble(), 5.0);
        QCOMPARE(day1["missing"].toObject()["18"].toInt(), 1); // milk has no ash value
        QCOMPARE(day1["missing"].toObject()["19"].toInt(), 0);
        const QJsonArray meals1 = day1["meals"].toArray();
        QCOMPARE(meals1.size(), 1); // the clock-time row at lunch is no food
        QCOMPARE(meals1[0].toObject()["meal"].toInt(), 0);
        QCOMPARE(meals1[0].toObject()["name"].toString(), QStringLiteral("Frukost"));
        QCOMPARE(meals1[0].toObject()["sum"].toObject()["19"].toDouble(), 6.8);
        const QJsonObject day3 = days[1].toObject();
        QCOMPARE(day3["day"].toInt(), 3);
        QCOMPARE(day3["meals"].toArray()[0].toObject()["name"].toString(),
                 QStringLiteral("Middag"));
        QCOMPARE(day3["meals"].toArray()[0].toObject()["sum"].toObject()["15"].toDouble(), 247.0);
    }

    void textNamesTheNutrients() {
        QTemporaryDir dir;
        QVERIFY(TextCodec::writeLines(dir.filePath("kalle.vexa"), registrationLines()));
        QVERIFY(TextCodec::writeLines(dir.filePath("kalle.norm"), normLines()));
        const Run r = analyse({dir.filePath("kalle.vexa")});
        QCOMPARE(r.code, 0);
        const QStringList lines = QString::fromUtf8(r.out).split('\n');
        QVERIFY(lines.contains("Norm: Egen norm 2361 kcal (egennorm)"));
        QVERIFY(lines.contains("Dagar med intag: 2"));
        QVERIFY(lines.contains("Dag 3:"));
        QVERIFY(lines.contains("  Dag 1, Frukost:"));
    }

    void brokenFilesFail_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("first line not a number") << QByteArray("kalle\r\n1_101\r\n");
        QTest::newRow("binary garbage") << QByteArray("\x00\x01\xff\xfe", 4);
        QTest::newRow("truncated") << TextCodec::joinLines(registrationLines().mid(0, 30));
        QTest::newRow("non-number in a reading")
            << TextCodec::joinLines(registrationLines() << "*glukos/en/8:00/5/");
    }
    void brokenFilesFail() {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        QFile f(dir.filePath("trasig.vexa"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        const Run r = analyse({dir.filePath("trasig.vexa"), "--json"});
        QCOMPARE(r.code, 1);
        QVERIFY2(r.err.startsWith("Kan ej öppna registrering: "), qPrintable(r.err));
        QVERIFY(r.out.isEmpty());
    }

    // A name file without nutrients would print every figure unnamed and wrongly rounded.
    void aNameFileWithoutNutrientsIsRefused() {
        TempDataFolder data;
        data.write(QStringLiteral("nvnamn.txt"), "* bara kommentarer\r\n");
        QTemporaryDir dir;
        QVERIFY(TextCodec::writeLines(dir.filePath("kalle.vexa"), registrationLines()));
        const CliRunner::Result r =
            CliRunner::run({QStringLiteral("analyse"), dir.filePath("kalle.vexa"),
                            QStringLiteral("--data"), data.path()});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err().contains(QStringLiteral("nvnamn.txt")), qPrintable(r.err()));
        QVERIFY(r.standardOutput.isEmpty());
    }

    void missingFileFails() {
        const Run r = analyse({"/finns/inte.vexa"});
        QCOMPARE(r.code, 1);
        QVERIFY(r.err.startsWith("Kan ej öppna registrering"));
    }
};

QTEST_GUILESS_MAIN(TstCliAnalyse)
#include "tst_cli_analyse.moc"
