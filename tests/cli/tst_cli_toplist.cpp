#include "core/catalogue/TableSchema.h"
#include "core/catalogue/VexamatDatabase.h"
#include "support/CliRunner.h"
#include "support/TableFixture.h"
#include "support/TempDataFolder.h"

#include <QSqlQuery>
#include <QTest>

using namespace vexamat;

class TestCliTopList : public QObject {
    Q_OBJECT
private:
    TempDataFolder m_data;

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_data.isValid());
        VexamatDatabase db;
        QVERIFY(db.open(m_data.filePath(VexamatDatabase::kFileName), nullptr));
        QSqlQuery q(db.db());
        QVERIFY(q.exec(QStringLiteral("DELETE FROM egna")));
        const QString protein = QStringLiteral("Protein _g_");
        using F = TableFixture;
        QVERIFY(F::insert(db, TableSchema::Egna,
                          F::food("egna1", "Ägg kokt", {}, "st", 60, {{protein, 12.5}})));
        QVERIFY(F::insert(db, TableSchema::Egna,
                          F::food("egna2", "Lax", {}, "port", 150, {{protein, 20.0}})));
        QVERIFY(F::insert(db, TableSchema::Egna,
                          F::food("egna3", "Vatten", {}, "dl", 100, {{protein, QVariant()}})));
        QVERIFY(F::insert(db, TableSchema::Egna,
                          F::food("egna4", "RESERV", {}, "g", 100, {{protein, 99.0}})));
    }

    void printsTheFileLines_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("output");
        QTest::newRow("number, all") << QStringList{"toplist", "19", "--table", "egna"}
                                     << QByteArray("Näringsinnehåll Egna livsmedel per 100 gram\n"
                                                   "Näringsämne Protein g\n"
                                                   "\n"
                                                   "     20.00 g Lax\n"
                                                   "     12.50 g Ägg kokt\n");
        QTest::newRow("name, per portion, one line")
            << QStringList{"toplist", "PROTEIN", "--table", "egna", "--per-portion", "--count", "1"}
            << QByteArray("Näringsinnehåll Egna livsmedel per portion\n"
                          "Näringsämne Protein g\n"
                          "\n"
                          "     30.00 g Lax (150 g)\n");
    }

    void printsTheFileLines() {
        QFETCH(QStringList, arguments);
        const CliRunner::Result r =
            CliRunner::run(arguments + QStringList{QStringLiteral("--data"), m_data.path()});
        QVERIFY2(r.problem.isEmpty(), qPrintable(r.problem));
        QCOMPARE(r.err(), QString());
        QCOMPARE(r.exitCode, 0);
        QTEST(r.standardOutput, "output");
    }

    void badInputIsRefused_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown name") << QStringList{"toplist", "Vitamin X"} << "okänt näringsämne";
        QTest::newRow("below the first") << QStringList{"toplist", "14"} << "okänt näringsämne";
        QTest::newRow("past the last") << QStringList{"toplist", "87"} << "okänt näringsämne";
        QTest::newRow("unknown table")
            << QStringList{"toplist", "19", "--table", "recept"} << "okänd livsmedelstabell";
        QTest::newRow("bad count")
            << QStringList{"toplist", "19", "--count", "många"} << "antalet rader";
    }

    void badInputIsRefused() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const CliRunner::Result r =
            CliRunner::run(arguments + QStringList{QStringLiteral("--data"), m_data.path()});
        QVERIFY2(r.problem.isEmpty(), qPrintable(r.problem));
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err().contains(message), qPrintable(r.err()));
        QVERIFY(r.standardOutput.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCliTopList)
#include "tst_cli_toplist.moc"
