#include "core/catalogue/NutrientNames.h"
#include "support/CliRunner.h"
#include "support/TempDataFolder.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vexamat;

namespace {

// A project line: the cells from column 0 on, the rest empty up to 140, each followed by
// ";", then one more ";".
QByteArray projectLine(const QList<QByteArray>& cells) {
    QList<QByteArray> all = cells;
    all.resize(140);
    QByteArray line;
    for (const QByteArray& c : all)
        line += c + ';';
    return line + ";\r\n";
}

// Cells 0..9 of a food row with kcal and protein, and the values per 100 g at 68 and 69.
QByteArray foodLine(const QByteArray& id, const QByteArray& day, const QByteArray& meal,
                    const QByteArray& kcal, const QByteArray& protein) {
    QList<QByteArray> cells{"1", id, day, "", meal, "100", "Mat", "1_101", kcal, protein};
    cells.resize(70);
    cells[68] = kcal;
    cells[69] = protein;
    return projectLine(cells);
}

QByteArray titleLine() {
    QList<QByteArray> cells{"",     "ID",        "Dagnr",   "Dag Id",      "M\xe5ltid",
                            "Gram", "Livsmedel", "Livskod", "Energi kcal", "Protein g"};
    cells.resize(140);
    cells[68] = "Energi kcal";
    cells[69] = "Protein g";
    const char* const units[] = {"Enhet", "gram",   "Enhet1", "gram1",  "Enhet2",
                                 "gram2", "Enhet3", "gram3",  "Enhet4", "gram4"};
    for (int i = 0; i < 10; ++i)
        cells[130 + i] = units[i];
    return projectLine(cells);
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

const QString kTail = QString(65, QLatin1Char(';')) + QLatin1Char(';');

} // namespace

class TestCliSurveySummary : public QObject {
    Q_OBJECT
private:
    TempDataFolder m_data;
    QTemporaryDir m_dir;
    QString m_project;

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_data.isValid());
        // The data folder works with kcal and protein.
        m_data.write(QStringLiteral("nvval.txt"), "16\r\n19\r\n");
        NutrientNames names;
        names.read(m_data.filePath(QStringLiteral("nvnamn.txt")));
        QCOMPARE(names.label(16), QStringLiteral("Energi kcal"));
        QCOMPARE(names.label(19), QStringLiteral("Protein g"));
        m_project = m_dir.filePath(QStringLiteral("studie.skv"));
        writeFile(m_project, titleLine() + foodLine("A", "1", "Frukost", "100", "10,5") +
                                 foodLine("A", "1", "Lunch", "200", "4") +
                                 foodLine("A", "2", "Lunch", "50", "1,5") +
                                 foodLine("B", "1", "Middag", "300", "30"));
    }

    void printsTheSummaryLines() {
        const CliRunner::Result r = CliRunner::run(
            {QStringLiteral("survey-summary"), m_project, QStringLiteral("--data"), m_data.path()});
        QVERIFY2(r.problem.isEmpty(), qPrintable(r.problem));
        QCOMPARE(r.err(), QString());
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(
            r.out().split(QLatin1Char('\n')),
            (QStringList{
                "A;1;;Frukost;;;;100,00;10,50;" + kTail, "A;1;;Lunch;;;;200,00;4,00;" + kTail,
                "A;1;;Dagsumma;;;;300,00;14,50;" + kTail, "A;2;;Lunch;;;;50,00;1,50;" + kTail,
                "A;2;;Dagsumma;;;;50,00;1,50;" + kTail, "A;Medelvärde;;;;;;175,00;8,00;" + kTail,
                "B;1;;Middag;;;;300,00;30,00;" + kTail, "B;1;;Dagsumma;;;;300,00;30,00;" + kTail,
                "B;Medelvärde;;;;;;300,00;30,00;" + kTail, ""}));
    }

    void writesTheExcelFile() {
        const QString out = m_dir.filePath(QStringLiteral("summa.skv"));
        const CliRunner::Result r =
            CliRunner::run({QStringLiteral("survey-summary"), m_project, QStringLiteral("--out"),
                            out, QStringLiteral("--data"), m_data.path()});
        QVERIFY2(r.problem.isEmpty(), qPrintable(r.problem));
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out(), QStringLiteral("9 rader sparade.\n"));
        const QByteArray bytes = readAll(out);
        QCOMPARE(bytes.count("\r\n"), 9);
        QVERIFY(bytes.startsWith("A;1;;Frukost;;;;100,00;10,50;" + kTail.toLatin1() + "\r\n"));
        QVERIFY(bytes.contains("\r\nA;Medelv\xe4rde;;;;;;175,00;8,00;"));
    }

    void damagedProjectWritesNothing_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        QTest::newRow("no number")
            << QByteArray(titleLine() + foodLine("A", "1", "Lunch", "100", "mycket"))
            << "Rad 2 i filen: \"mycket\" under \"Protein g\" är inget tal.";
        QTest::newRow("other nutrients")
            << QByteArray(titleLine().replace("Protein g", "Fett g") +
                          foodLine("A", "1", "Lunch", "100", "1"))
            << "Projektet är sparat med andra näringsämnen än de som är valda nu";
    }

    void damagedProjectWritesNothing() {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        const QString project = m_dir.filePath(QStringLiteral("trasig.skv"));
        writeFile(project, content);
        const QString out = m_dir.filePath(QStringLiteral("trasig-summa.skv"));
        const CliRunner::Result r =
            CliRunner::run({QStringLiteral("survey-summary"), project, QStringLiteral("--out"), out,
                            QStringLiteral("--data"), m_data.path()});
        QVERIFY2(r.problem.isEmpty(), qPrintable(r.problem));
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err().contains(message), qPrintable(r.err()));
        QCOMPARE(r.out(), QString());
        QVERIFY(!QFile::exists(out));
    }

    void missingProject() {
        const CliRunner::Result r = CliRunner::run({QStringLiteral("survey-summary"),
                                                    m_dir.filePath(QStringLiteral("finns-ej.skv")),
                                                    QStringLiteral("--data"), m_data.path()});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err().contains(QStringLiteral("Kan ej läsa filen")), qPrintable(r.err()));
        QCOMPARE(r.out(), QString());
    }
};

QTEST_GUILESS_MAIN(TestCliSurveySummary)
#include "tst_cli_surveysummary.moc"
