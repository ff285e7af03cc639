#include "support/TempDataFolder.h"

#include <QProcess>
#include <QTest>

using namespace vexamat;

class TestCliSearch : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void printsTheFoodListLines_data();
    void printsTheFoodListLines();
    void noTextIsAUsageError();

private:
    static QProcess* run(const QStringList& arguments) {
        auto* process = new QProcess;
        process->start(QStringLiteral(VEXAMAT_CLI), arguments);
        process->waitForFinished(60000);
        return process;
    }
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
    const std::unique_ptr<QProcess> process(
        run(arguments + QStringList{QStringLiteral("--data"), TempDataFolder::builtData()}));
    QCOMPARE(process->exitCode(), 0);
    QCOMPARE(process->readAllStandardOutput(), output);
}

void TestCliSearch::noTextIsAUsageError() {
    const std::unique_ptr<QProcess> process(run({QStringLiteral("search")}));
    QCOMPARE(process->exitCode(), 2);
    QVERIFY(process->readAllStandardOutput().isEmpty());
}

QTEST_GUILESS_MAIN(TestCliSearch)
#include "tst_cli_search.moc"
