#include "core/text/TextCodec.h"
#include "support/CliRunner.h"
#include "support/TempDataFolder.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vexamat;

namespace {

// Day 1: 200 g milk (1_101, "Mjölk fett 3%": 247 kJ, 3.4 g protein per 100 g) at breakfast
// and a clock-time row at lunch; day 3: 100 g milk at dinner.
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

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<no file>");
}

} // namespace

class TstCliExports : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        QVERIFY(m_data.isValid());
        // kJ (no decimals) and protein (one decimal) chosen in the data folder.
        m_data.write(QStringLiteral("nvval.txt"), "15\r\n19\r\n");
        QVERIFY(TextCodec::writeLines(m_dir.filePath("kalle.vexa"), registrationLines()));
    }

    void statsPerDayThenDetailedAdded() {
        const QString out = m_dir.filePath("studie.skv");
        CliRunner::Result r =
            run({"stats", m_dir.filePath("kalle.vexa"), "--id", "P1", "--out", out, "--per-day"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out(), "Statistik utskrivet till filen:   " + out + "\n");
        const QByteArray perDay = "Identitet;DAG;Energi kJ;Protein g;\r\n"
                                  "P1;Dag 1;494;6,8;\r\n"
                                  "P1;Dag 3;247;3,4;\r\n";
        QCOMPARE(readAll(out), perDay);

        // The name is given without extension: ".skv" is put on, as the program does.
        r = run({"stats", m_dir.filePath("kalle.vexa"), "--id", "P2", "--out",
                 m_dir.filePath("studie"), "--detailed", "--append"});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(readAll(out), perDay + "P2;Dag 1;Frukost;1_101;Mj\xf6lk fett 3%;200;494;6,8;\r\n"
                                        "P2;Dag 1;Frukost;Maltidsumma;;;494;6,8;\r\n"
                                        "P2;Dag 1;Lunch;12:00;12:00;0;0;0,0;\r\n"
                                        "P2;Dag 1;Dagsumma;;;;494;6,8;\r\n"
                                        "P2;Dag 3;Middag;1_101;Mj\xf6lk fett 3%;100;247;3,4;\r\n"
                                        "P2;Dag 3;Middag;Maltidsumma;;;247;3,4;\r\n"
                                        "P2;Dag 3;Dagsumma;;;;247;3,4;\r\n");
    }

    void foodNeeds() {
        const QString out = m_dir.filePath("meny.vexagram");
        const CliRunner::Result r =
            run({"food-needs", m_dir.filePath("kalle.vexa"), "--tag", "Vecka 1", "--out", out});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out(), "Livsmedelsbehov utskrivet till filen:   " + out + "\n");
        QCOMPARE(readAll(out), QByteArray("Vecka 1;Dag 1;Frukost;1_101;Mj\xf6lk fett 3%;200\r\n"
                                          "Vecka 1;Dag 1;Lunch;12:00;12:00;0\r\n"
                                          "Vecka 1;Dag 1;Dagsumma;1_101;Mj\xf6lk fett 3%;200\r\n"
                                          "Vecka 1;Dag 3;Middag;1_101;Mj\xf6lk fett 3%;100\r\n"
                                          "Vecka 1;Dag 3;Dagsumma;1_101;Mj\xf6lk fett 3%;100\r\n"
                                          "Vecka 1;Periodsumma;;1_101;Mj\xf6lk fett 3%;300\r\n"));
    }

    // A failing export leaves the file as it was: a study's file is never half written.
    void failuresLeaveTheFileAlone_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("error");
        QTest::newRow("stats, identity with a semicolon")
            << QStringList{"stats", "kalle.vexa", "--id", "P1;x", "--append", "--out", "ut.skv"}
            << "stats: ID för denna beräkning får inte innehålla semikolon";
        QTest::newRow("stats, missing registration")
            << QStringList{"stats", "borta.vexa", "--id", "P1", "--append", "--out", "ut.skv"}
            << "stats: Kan ej öppna registrering";
        QTest::newRow("food-needs, tag with a semicolon")
            << QStringList{"food-needs", "kalle.vexa", "--tag", "v;1", "--out", "ut.vexagram"}
            << "food-needs: Extra info får inte innehålla semikolon";
        QTest::newRow("food-needs, broken registration")
            << QStringList{"food-needs", "trasig.vexa", "--tag", "v", "--out", "ut.vexagram"}
            << "food-needs: Kan ej öppna registrering";
    }
    void failuresLeaveTheFileAlone() {
        QFETCH(QStringList, args);
        QFETCH(QString, error);
        QVERIFY(TextCodec::writeLines(m_dir.filePath("trasig.vexa"), {"kalle"}));
        const QString out = m_dir.filePath(args.last());
        QFile f(out);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("gammal;rad;\r\n");
        f.close();
        args[1] = m_dir.filePath(args[1]);
        args.last() = out;
        const CliRunner::Result r = run(args);
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err().startsWith(error), qPrintable(r.err()));
        QVERIFY(r.standardOutput.isEmpty());
        QCOMPARE(readAll(out), QByteArray("gammal;rad;\r\n"));
    }

    void missingOutputIsAUsageError() {
        const CliRunner::Result r = run({"stats", m_dir.filePath("kalle.vexa"), "--id", "P1"});
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.err().startsWith("stats: ange FIL.vexa --id ID"));
    }

private:
    CliRunner::Result run(const QStringList& args) {
        const CliRunner::Result r =
            CliRunner::run(args + QStringList{QStringLiteral("--data"), m_data.path()});
        if (!r.problem.isEmpty())
            qWarning("%s", qPrintable(r.problem));
        return r;
    }

    TempDataFolder m_data;
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TstCliExports)
#include "tst_cli_exports.moc"
