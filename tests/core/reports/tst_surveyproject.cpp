#include "core/AppState.h"
#include "core/analysis/NutrientSelection.h"
#include "core/catalogue/NutrientNames.h"
#include "core/registration/Conversions.h"
#include "core/reports/SurveyProject.h"
#include "core/reports/SurveyProjectFile.h"
#include "core/reports/SurveySummary.h"
#include "core/text/DecimalText.h"
#include "core/text/NumberText.h"
#include "support/TempDataFolder.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vexamat;

namespace {

// Two nutrients: kcal (no decimals) in value column 8, protein (one decimal) in column 9.
struct Fixture {
    NutrientNames names;
    NutrientSelection selection;
    Fixture() {
        names.NutrientLabel[16] = QStringLiteral("kcal");
        names.NutrientDecimals[16] = 0;
        names.NutrientLabel[19] = QStringLiteral("Protein g");
        names.NutrientDecimals[19] = 1;
        selection.setSelected(19, true);
        selection.setSelected(16, true);
    }
    SurveyProject project() const {
        SurveyProject p;
        p.setNutrients(selection, names);
        return p;
    }
};

// A food row: identity, day number, meal and the amounts of kcal and protein.
struct FoodRow {
    QString id, day, meal, kcal, protein;
};

void fill(SurveyProject& project, const QList<FoodRow>& rows) {
    int r = 1;
    for (const FoodRow& f : rows) {
        project.setCell(r, SurveyProject::kIdColumn, f.id);
        project.setCell(r, SurveyProject::kDayColumn, f.day);
        project.setCell(r, SurveyProject::kMealColumn, f.meal);
        project.setCell(r, SurveyProject::kGramColumn, QStringLiteral("100"));
        project.setCell(r, SurveyProject::kNameColumn, QStringLiteral("Mat %1").arg(r));
        project.setCell(r, SurveyProject::kCodeColumn, QStringLiteral("1_%1").arg(100 + r));
        project.setCell(r, 8, f.kcal);
        project.setCell(r, 9, f.protein);
        project.setCell(r, 68, f.kcal);
        project.setCell(r, 69, f.protein);
        ++r;
    }
}

// A summary row as id|day|meal|kcal|protein.
QStringList summaryText(const QList<SurveySummary::Row>& rows) {
    QStringList out;
    for (const SurveySummary::Row& row : rows) {
        QStringList parts{row.id, row.day, row.meal};
        for (double v : row.values)
            parts << SurveySummary::number(v);
        out << parts.join(QLatin1Char('|'));
    }
    return out;
}

// A project file line: the cells, empty ones up to 140, each followed by ";", then ";".
QByteArray fileLine(const QList<std::pair<int, QByteArray>>& cells) {
    QList<QByteArray> all(SurveyProject::kColumns);
    for (const auto& [c, text] : cells)
        all[c] = text;
    QByteArray line;
    for (const QByteArray& cell : all)
        line += cell + ';';
    return line + ";\r\n";
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestSurveyProject : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void summary_data();
    void summary();
    void summaryFileLines();
    void emptyProjectHasNoSummary();
    void recomputeRow_data();
    void recomputeRow();
    void projectFileBytes();
    void projectFileRoundTrip();
    void damagedFileKeepsTheRowsReadSoFar_data();
    void damagedFileKeepsTheRowsReadSoFar();
    void readingReplacesEveryEarlierRow();
    void moreNutrientsThanColumns();
    void addFoodFromTheFoodTable();
    void unitLines();
    void rowOperations();
    void readWithNewSelection();
    void numbersReadAsEverywhereElse_data();
    void numbersReadAsEverywhereElse();
};

void TestSurveyProject::summary_data() {
    QTest::addColumn<QList<FoodRow>>("rows");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("two persons, two days each")
        << QList<FoodRow>{{"A", "1", "Frukost", "100", "10.0"},
                          {"A", "1", "Frukost", "50", "5.5"},
                          {"A", "1", "Lunch", "200", "20.0"},
                          {"A", "2", "Frukost", "300", "30.0"},
                          {"B", "1", "Frukost", "40", "4.0"},
                          {"B", "2", "Middag", "60", "6.0"}}
        << QStringList{"A|1|Frukost|150.00|15.50",  "A|1|Lunch|200.00|20.00",
                       "A|1|Dagsumma|350.00|35.50", "A|2|Frukost|300.00|30.00",
                       "A|2|Dagsumma|300.00|30.00", "A|Medelvärde||325.00|32.75",
                       "B|1|Frukost|40.00|4.00",    "B|1|Dagsumma|40.00|4.00",
                       "B|2|Middag|60.00|6.00",     "B|2|Dagsumma|60.00|6.00",
                       "B|Medelvärde||50.00|5.00"};
    QTest::newRow("one person, one day")
        << QList<FoodRow>{{"C", "1", "Lunch", "100", "10,0"}, {"C", "1", "Middag", "200", "20.0"}}
        << QStringList{"C|1|Lunch|100.00|10.00", "C|1|Middag|200.00|20.00",
                       "C|1|Dagsumma|300.00|30.00", "C|Medelvärde||300.00|30.00"};
    QTest::newRow("same day number, next person")
        << QList<FoodRow>{{"A", "1", "Lunch", "100", "1.0"}, {"B", "1", "Lunch", "300", "3.0"}}
        << QStringList{"A|1|Lunch|100.00|1.00",     "A|1|Dagsumma|100.00|1.00",
                       "A|Medelvärde||100.00|1.00", "B|1|Lunch|300.00|3.00",
                       "B|1|Dagsumma|300.00|3.00",  "B|Medelvärde||300.00|3.00"};
    QTest::newRow("a row without identity ends the summary")
        << QList<FoodRow>{{"A", "1", "Lunch", "100", "1.0"},
                          {"", "1", "Lunch", "900", "9.0"},
                          {"A", "1", "Lunch", "100", "1.0"}}
        << QStringList{"A|1|Lunch|100.00|1.00", "A|1|Dagsumma|100.00|1.00",
                       "A|Medelvärde||100.00|1.00"};
}

void TestSurveyProject::summary() {
    QFETCH(QList<FoodRow>, rows);
    QFETCH(QStringList, expected);
    Fixture fx;
    SurveyProject project = fx.project();
    fill(project, rows);
    QCOMPARE(summaryText(SurveySummary::build(project)), expected);
}

void TestSurveyProject::summaryFileLines() {
    Fixture fx;
    SurveyProject project = fx.project();
    fill(project, {{"A", "1", "Frukost", "100", "10.5"}});
    const QStringList lines = SurveySummary::fileLines(SurveySummary::build(project));
    const QString tail = QString(65, QLatin1Char(';')) + QLatin1Char(';');
    QCOMPARE(lines, (QStringList{"A;1;;Frukost;;;;100,00;10,50;" + tail,
                                 "A;1;;Dagsumma;;;;100,00;10,50;" + tail,
                                 "A;Medelvärde;;;;;;100,00;10,50;" + tail}));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("summa.skv"));
    QString error;
    QVERIFY(SurveySummary::write(SurveySummary::build(project), path, &error));
    const QByteArray bytes = readAll(path);
    QVERIFY(bytes.endsWith(";;\r\n"));
    QVERIFY(bytes.contains("A;Medelv\xe4rde;"));
    QCOMPARE(bytes.count("\r\n"), 3);
}

void TestSurveyProject::emptyProjectHasNoSummary() {
    Fixture fx;
    SurveyProject project = fx.project();
    fill(project, {{"", "1", "Lunch", "100", "1.0"}});
    QVERIFY(SurveySummary::build(project).isEmpty());
}

void TestSurveyProject::recomputeRow_data() {
    QTest::addColumn<QString>("grams");
    QTest::addColumn<QString>("protein100");
    QTest::addColumn<QString>("kcal100");
    QTest::addColumn<QString>("protein");
    QTest::addColumn<QString>("kcal");
    QTest::newRow("250 g, one decimal") << "250"
                                        << "3.5"
                                        << "59"
                                        << "8.8"
                                        << "148";
    QTest::newRow("decimal comma in grams") << "12,5"
                                            << "3,5"
                                            << "59"
                                            << "0.4"
                                            << "7";
    QTest::newRow("not a number is 0 g") << "abc"
                                         << "3.5"
                                         << "59"
                                         << "0.0"
                                         << "0";
    QTest::newRow("missing value stays missing") << "100"
                                                 << ""
                                                 << "59"
                                                 << ""
                                                 << "59";
}

void TestSurveyProject::recomputeRow() {
    QFETCH(QString, grams);
    QFETCH(QString, protein100);
    QFETCH(QString, kcal100);
    Fixture fx;
    SurveyProject project = fx.project();
    project.setCell(3, SurveyProject::kNameColumn, QStringLiteral("Mjölk"));
    project.setCell(3, SurveyProject::kGramColumn, grams);
    project.setCell(3, 68, kcal100);
    project.setCell(3, 69, protein100);
    project.setCell(3, 9, QStringLiteral("old"));
    project.recomputeRow(3, fx.names);
    QTEST(project.cell(3, 9), "protein");
    QTEST(project.cell(3, 8), "kcal");
}

void TestSurveyProject::projectFileBytes() {
    Fixture fx;
    SurveyProject project = fx.project();
    fill(project, {{"A", "1", "Frukost", "59", "8.8"}, {"A", "1", "Lunch", "100", "2.5"}});
    project.setCell(2, SurveyProject::kNameColumn, QStringLiteral("  Bröd, t.ex. råg; grovt"));
    project.setCell(2, 131, QStringLiteral("30.5"));
    project.setCell(4, SurveyProject::kIdColumn, QStringLiteral("no food: not saved"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("projekt.skv"));
    QString error;
    QCOMPARE(SurveyProjectFile::write(project, path, &error), 3);

    QByteArray expected;
    expected += fileLine({{1, "ID"},        {2, "Dagnr"},     {3, "Dag Id"},     {4, "M\xe5ltid"},
                          {5, "Gram"},      {6, "Livsmedel"}, {7, "Livskod"},    {8, "kcal"},
                          {9, "Protein g"}, {68, "kcal"},     {69, "Protein g"}, {130, "Enhet"},
                          {131, "gram"},    {132, "Enhet1"},  {133, "gram1"},    {134, "Enhet2"},
                          {135, "gram2"},   {136, "Enhet3"},  {137, "gram3"},    {138, "Enhet4"},
                          {139, "gram4"}});
    expected += fileLine({{0, "1"},
                          {1, "A"},
                          {2, "1"},
                          {4, "Frukost"},
                          {5, "100"},
                          {6, "Mat 1"},
                          {7, "1_101"},
                          {8, "59"},
                          {9, "8,8"},
                          {68, "59"},
                          {69, "8,8"}});
    expected += fileLine({{0, "2"},
                          {1, "A"},
                          {2, "1"},
                          {4, "Lunch"},
                          {5, "100"},
                          {6, "Br\xf6"
                              "d, t.ex. r\xe5g, grovt"},
                          {7, "1_102"},
                          {8, "100"},
                          {9, "2,5"},
                          {68, "100"},
                          {69, "2,5"},
                          {131, "30,5"}});
    QCOMPARE(readAll(path), expected);
}

void TestSurveyProject::projectFileRoundTrip() {
    Fixture fx;
    SurveyProject project = fx.project();
    fill(project, {{"Anna", "1", "Frukost", "59", "8.8"},
                   {"Anna", "1", "Lunch", "100", "2,5"},
                   {"Åke", "2", "Mellanmål", "", "1e-05"}});
    project.setCell(2, SurveyProject::kDayLabelColumn, QStringLiteral("måndag 3.4"));
    project.setCell(3, 139, QStringLiteral("12.25"));
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("a.skv"));
    const QString second = dir.filePath(QStringLiteral("b.skv"));
    QString error;
    QCOMPARE(SurveyProjectFile::write(project, first, &error), 4);

    SurveyProject read = fx.project();
    const SurveyProjectFile::ReadResult result = SurveyProjectFile::read(first, read);
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(result.rowsRead, 3);
    QCOMPARE(read.cell(3, SurveyProject::kIdColumn), QStringLiteral("Åke"));
    QCOMPARE(read.cell(1, 9), QStringLiteral("8,8"));
    QCOMPARE(SurveyProjectFile::write(read, second, &error), 4);
    QCOMPARE(readAll(second), readAll(first));
}

void TestSurveyProject::damagedFileKeepsTheRowsReadSoFar_data() {
    QTest::addColumn<int>("badLine");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("line longer than 140 fields")
        << 3 << 140 << "x"
        << "Rad 3 i filen har fler än 140 fält. De 1 rader som lästes före "
           "den finns kvar.";
    QTest::newRow("no number in a value column")
        << 3 << 9 << "mycket"
        << "Rad 3 i filen: \"mycket\" under \"Protein g\" är inget tal. "
           "De 1 rader som lästes före den finns kvar.";
    QTest::newRow("no number in a per-100 g column")
        << 2 << 68 << "1.2.3"
        << "Rad 2 i filen: \"1.2.3\" under \"kcal\" är inget tal. De 0 "
           "rader som lästes före den finns kvar.";
    QTest::newRow("other nutrients")
        << 1 << 10 << "Fett g"
        << "Projektet är sparat med andra näringsämnen än de som är valda nu (kolumn 10: \"Fett "
           "g\" i filen, \"\" här). Välj samma näringsämnen som när det sparades och hämta det "
           "igen.";
}

void TestSurveyProject::damagedFileKeepsTheRowsReadSoFar() {
    QFETCH(int, badLine);
    QFETCH(int, column);
    QFETCH(QString, text);
    Fixture fx;
    SurveyProject saved = fx.project();
    fill(saved, {{"A", "1", "Frukost", "59", "8.8"},
                 {"A", "1", "Lunch", "100", "2.5"},
                 {"A", "2", "Lunch", "10", "1.5"}});
    QStringList lines = SurveyProjectFile::lines(saved);
    QStringList cells = lines[badLine - 1].split(QLatin1Char(';'));
    cells[column] = text;
    lines[badLine - 1] = cells.join(QLatin1Char(';'));

    SurveyProject project = fx.project();
    fill(project, {{"B", "9", "Kväll", "1", "1"}});
    project.clearRows();
    const SurveyProjectFile::ReadResult result = SurveyProjectFile::readLines(lines, project);
    QVERIFY(!result.ok);
    QTEST(result.error, "message");
    QCOMPARE(result.rowsRead, std::max(badLine - 2, 0));
    for (int r = 1; r < SurveyProject::kRows; ++r)
        QCOMPARE(project.isUsed(r), r < badLine - 1);
    QCOMPARE(project.cell(0, 10), QString()); // the titles stay those selected now
    QCOMPARE(project.cell(0, 9), QStringLiteral("Protein g"));
}

void TestSurveyProject::readingReplacesEveryEarlierRow() {
    Fixture fx;
    SurveyProject small = fx.project();
    fill(small, {{"A", "1", "Frukost", "59", "8.8"}});
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("liten.skv"));
    QString error;
    QCOMPARE(SurveyProjectFile::write(small, path, &error), 2);

    SurveyProject project = fx.project();
    fill(project, {{"B", "1", "Lunch", "1", "1"},
                   {"B", "1", "Lunch", "1", "1"},
                   {"B", "1", "Lunch", "1", "1"}});
    project.clearRows();
    QVERIFY(SurveyProjectFile::read(path, project).ok);
    QCOMPARE(project.usedRowCount(), 1);
    QCOMPARE(project.cell(1, SurveyProject::kIdColumn), QStringLiteral("A"));
    QCOMPARE(project.cell(2, SurveyProject::kIdColumn), QString());

    const SurveyProjectFile::ReadResult missing =
        SurveyProjectFile::read(dir.filePath(QStringLiteral("finns-ej.skv")), project);
    QVERIFY(!missing.ok);
    QCOMPARE(missing.error, QStringLiteral("Kan ej läsa filen"));
}

void TestSurveyProject::moreNutrientsThanColumns() {
    NutrientNames names;
    NutrientSelection selection;
    for (int n = 15; n <= 86; ++n) {
        names.NutrientLabel[n] = QStringLiteral("nv%1").arg(n);
        selection.setSelected(n, true);
    }
    SurveyProject project;
    project.setNutrients(selection, names);
    QCOMPARE(project.nutrients().size(), 60);
    QCOMPARE(project.leftOutNutrients().size(), 12);
    QCOMPARE(project.leftOutNutrients().first(), 75);
    QCOMPARE(project.cell(0, 67), QStringLiteral("nv74"));
    QCOMPARE(project.cell(0, 68), QStringLiteral("nv15"));
    QCOMPARE(project.cell(0, 127), QStringLiteral("nv74"));
    QCOMPARE(project.cell(0, 128), QString());
    QCOMPARE(project.cell(0, 130), QStringLiteral("Enhet"));
}

void TestSurveyProject::addFoodFromTheFoodTable() {
    TempDataFolder data;
    QVERIFY(data.isValid());
    AppState state;
    state.DataDir = data.path();
    QString error;
    QVERIFY2(state.openTables(&error), qPrintable(error));
    Fixture fx;
    SurveyProject project = fx.project();
    const auto record = state.livtab100.findByCode(QStringLiteral("1_101"));
    QVERIFY(record);

    const SurveyProject::Added first = project.addFood(QStringLiteral("1_101"), *record);
    QCOMPARE(first.row, 1);
    QCOMPARE(first.hint, SurveyProject::kFirstFoodHint);
    QVERIFY(project.SurveyChanged);
    QCOMPARE(project.cell(1, 5), QStringLiteral("100"));
    QCOMPARE(project.cell(1, 6), QStringLiteral("Mjölk fett 3%"));
    QCOMPARE(project.cell(1, 7), QStringLiteral("1_101"));
    QCOMPARE(project.cell(1, 8), QStringLiteral("59"));
    QCOMPARE(project.cell(1, 9), QStringLiteral("3.4"));
    QCOMPARE(project.cell(1, 69), QStringLiteral("3.4"));
    QCOMPARE(project.cell(1, 130), QStringLiteral("dl"));
    QCOMPARE(project.cell(1, 131), QStringLiteral("103"));
    QCOMPARE(project.cell(1, 132), QStringLiteral("glas"));
    QCOMPARE(project.cell(1, 133), QStringLiteral("206"));
    QCOMPARE(project.cell(1, 138), QString());

    for (int c = 1; c <= 4; ++c)
        project.setCell(1, c, QStringLiteral("v%1").arg(c));
    const SurveyProject::Added second = project.addFood(QStringLiteral("1_101"), *record);
    QCOMPARE(second.row, 2);
    QVERIFY(second.hint.isEmpty());
    for (int c = 1; c <= 4; ++c)
        QCOMPARE(project.cell(2, c), QStringLiteral("v%1").arg(c));
}

void TestSurveyProject::unitLines() {
    Fixture fx;
    SurveyProject project = fx.project();
    project.setCell(2, SurveyProject::kNameColumn, QStringLiteral("Mjöl"));
    project.setCell(2, 132, QStringLiteral("dl"));
    project.setCell(2, 133, QStringLiteral("100"));
    project.setCell(2, 136, QStringLiteral("påse"));
    project.setCell(2, 137, QStringLiteral("2000"));
    QCOMPARE(project.unitLines(2),
             (QStringList{"Mjöl", "dl  g/100", "15  g/msk", "5   g/tsk", "påse g/2000"}));
    QVERIFY(project.unitLines(0).isEmpty());
}

void TestSurveyProject::rowOperations() {
    Fixture fx;
    SurveyProject project = fx.project();
    fill(project, {{"A", "1", "Frukost", "1", "1"},
                   {"B", "1", "Frukost", "2", "2"},
                   {"C", "1", "Frukost", "3", "3"}});
    project.setCell(SurveyProject::kRows - 1, 1, QStringLiteral("sist"));
    project.insertEmptyRow(2);
    QCOMPARE(project.cell(2, 1), QString());
    QVERIFY(!project.isUsed(2));
    QCOMPARE(project.cell(3, 1), QStringLiteral("B"));
    QCOMPARE(project.cell(4, 1), QStringLiteral("C"));
    QCOMPARE(project.cell(3, 0), QStringLiteral("3"));
    QCOMPARE(project.cell(SurveyProject::kRows - 1, 1), QString()); // pushed off the grid
    project.deleteRow(1);
    QCOMPARE(project.cell(1, 1), QString());
    QCOMPARE(project.cell(2, 1), QStringLiteral("B"));
    QCOMPARE(project.cell(3, 1), QStringLiteral("C"));
    QCOMPARE(project.cell(4, 1), QString());
    QCOMPARE(project.cell(1, 0), QStringLiteral("1"));
    project.clearRows();
    QCOMPARE(project.usedRowCount(), 0);
    QCOMPARE(project.cell(7, 0), QStringLiteral("7"));
    QCOMPARE(project.cell(0, 6), QStringLiteral("Livsmedel"));
}

void TestSurveyProject::readWithNewSelection() {
    TempDataFolder data;
    QVERIFY(data.isValid());
    AppState state;
    state.DataDir = data.path();
    QString error;
    QVERIFY2(state.openTables(&error), qPrintable(error));
    Fixture fx;
    SurveyProject old = fx.project();
    fill(old, {{"A", "1", "Frukost", "1", "1"}, {"A", "1", "Lunch", "2", "2"}});
    old.setCell(1, SurveyProject::kCodeColumn, QStringLiteral("1_101"));
    old.setCell(1, SurveyProject::kGramColumn, QStringLiteral("200"));
    old.setCell(2, SurveyProject::kCodeColumn, QStringLiteral("finns_inte"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gammal.skv"));
    QCOMPARE(SurveyProjectFile::write(old, path, &error), 3);

    // Now protein alone is selected.
    NutrientSelection proteinOnly;
    proteinOnly.setSelected(19, true);
    SurveyProject project;
    project.setNutrients(proteinOnly, fx.names);
    const SurveyProjectFile::ReadResult result =
        SurveyProjectFile::readWithNewSelection(path, project, state.livtab100, fx.names);
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(result.rowsRead, 2);
    QVERIFY(project.SurveyChanged);
    QCOMPARE(project.cell(0, 8), QStringLiteral("Protein g"));
    QCOMPARE(project.cell(1, 1), QStringLiteral("A"));
    QCOMPARE(project.cell(1, 5), QStringLiteral("200"));
    QCOMPARE(project.cell(1, 8), QStringLiteral("6.8"));
    QCOMPARE(project.cell(1, 68), QStringLiteral("3.4"));
    QCOMPARE(project.cell(1, 9), QString());
    QCOMPARE(project.cell(1, 132), QStringLiteral("glas"));
    QCOMPARE(project.cell(2, 6), QStringLiteral("Mat 2"));
    QCOMPARE(project.cell(2, 8), QString()); // a code livtab100 lacks: no values
    QCOMPARE(project.cell(2, 130), QString());
}

void TestSurveyProject::numbersReadAsEverywhereElse_data() {
    QTest::addColumn<QString>("text");
    for (const char* text :
         {"",       "0",      "12",    "12.5",  "12,5", "  12,5", "12,5 ", " 8.8 ", "-3",
          "+4",     "+-4",    "--4",   "1e-05", "1E3",  "1e",     "e5",    ".5",    "5.",
          "1.2.3",  "1,2,3",  "1,2.3", "abc",   "12a",  "inf",    "nan",   "0x10",  "1e400",
          "3.5e38", "3.4e38", "1 000", "+",     "-",    ",",      "."})
        QTest::newRow(text[0] ? text : "empty") << QString::fromLatin1(text);
}

void TestSurveyProject::numbersReadAsEverywhereElse() {
    QFETCH(QString, text);
    QCOMPARE(DecimalText::toReal(text), TextToReal(text));
    const NumberText::Parsed slow = NumberText::parse(text);
    bool empty = false;
    const std::optional<double> fast = DecimalText::parse(text, &empty);
    QCOMPARE(fast.has_value(), slow.kind != NumberText::Kind::Invalid);
    QCOMPARE(empty, slow.kind == NumberText::Kind::Empty);
    if (fast)
        QCOMPARE(*fast, slow.value);
}

QTEST_GUILESS_MAIN(TestSurveyProject)
#include "tst_surveyproject.moc"
