#include "support/CliRunner.h"
#include "support/TempDataFolder.h"

#include <QTest>

using namespace vexamat;

class TestCliSearch : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void printsTheFoodListLines_data();
    void printsTheFoodListLines();
    void noTextIsAUsageError();
};

void TestCliSearch::printsTheFoodListLines_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("output");
    QTest::newRow("two words")
        << QStringList{"search", "fil mjölk"}
        << QByteArray("Filmjölk fett 3%\tFilmjölk fett 3%{1_104}103@dl\n"
                      "                         --- FABRIKANTER ---\t --- FABRIKANTER ---\n"
                      "Demo Filmjölk jordgubb\tDemo Filmjölk jordgubb{Skån001}103@dl\n"
                      "                         --- EGNA VÄRDEN ---\t --- EGNA VÄRDEN ---\n"
                      "                         --- DABAS ---\t --- DABAS ---\n");
    QTest::newRow("dabas off, no hits")
        << QStringList{"search", "demomejeriet", "--no-dabas"}
        << QByteArray("                         --- FABRIKANTER ---\t --- FABRIKANTER ---\n"
                      "                         --- EGNA VÄRDEN ---\t --- EGNA VÄRDEN ---\n"
                      "                         --- DABAS EJ AKTIVERAD ---\t"
                      "         --- DABAS EJ AKTIVERAD ---\n"
                      "Ingen träff på  DEMOMEJERIET\t\n");
}

void TestCliSearch::printsTheFoodListLines() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, output);
    const CliRunner::Result r = CliRunner::run(
        arguments + QStringList{QStringLiteral("--data"), TempDataFolder::builtData()});
    QVERIFY2(r.problem.isEmpty(), qPrintable(r.problem));
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.standardOutput, output);
}

void TestCliSearch::noTextIsAUsageError() {
    const CliRunner::Result r = CliRunner::run({QStringLiteral("search")});
    QCOMPARE(r.exitCode, 2);
    QVERIFY(r.standardOutput.isEmpty());
}

QTEST_GUILESS_MAIN(TestCliSearch)
#include "tst_cli_search.moc"
