#include "core/catalogue/FoodTable.h"
#include "core/catalogue/TableSchema.h"
#include "core/catalogue/VexamatDatabase.h"
#include "support/CliRunner.h"
#include "support/TempDataFolder.h"
#include "support/XlsxFixture.h"

#include <QtTest>

using namespace vexamat;

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run runCli(const QStringList& arguments) {
    const CliRunner::Result result = CliRunner::run(arguments);
    if (!result.problem.isEmpty())
        qWarning("%s", qPrintable(result.problem));
    return {result.exitCode, result.out(), result.err()};
}

const QStringList kColumns{QStringLiteral("Livsmedelsnamn"), QStringLiteral("Livsmedelsnummer"),
                           QStringLiteral("Okänd kolumn (g)"), QStringLiteral("Protein (g)")};

int foodCount(const TempDataFolder& data) {
    VexamatDatabase db;
    db.open(data.filePath(VexamatDatabase::kFileName), nullptr);
    FoodTable t(db, TableSchema::Livtab100);
    t.open(nullptr);
    return t.count();
}

} // namespace

class TestImportCommand : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void importsAndPrintsASummary() {
        TempDataFolder data;
        const QString file = data.filePath(QStringLiteral("export.xlsx"));
        QVERIFY(XlsxFixture::write(file, XlsxFixture::headings(kColumns) +
                                             QList<QStringList>{{"Äpple", "1234", "9", "0.3"},
                                                                {"Päron", "1235", "", "0.4"}}));
        const Run r = runCli({QStringLiteral("import-livsmedelsverket"), file,
                              QStringLiteral("--data"), data.path()});
        QCOMPARE(r.exitCode, 0);
        const QStringList lines = r.out.split(QLatin1Char('\n'));
        QCOMPARE(lines.value(0),
                 QStringLiteral("Livsmedelsverkets livsmedelsdatabas version 2099-01-01"));
        QCOMPARE(lines.value(1), QStringLiteral("Inlästa livsmedel: 2"));
        QCOMPARE(lines.value(2),
                 QStringLiteral("Inlästa kolumner (3): Livsmedelsnamn; Livsmedelsnummer; "
                                "Protein (g)"));
        QCOMPARE(lines.value(3),
                 QStringLiteral("Kolumner som tabellen saknar fält för (1): Okänd kolumn (g)"));
        QCOMPARE(foodCount(data), 2);
    }

    void refusesABrokenFile() {
        TempDataFolder data;
        const int before = foodCount(data);
        const QString file = data.filePath(QStringLiteral("export.xlsx"));
        QVERIFY(XlsxFixture::write(file, XlsxFixture::headings(kColumns) +
                                             QList<QStringList>{{"Äpple", "1234", "9", "0.3"},
                                                                {"Päron", "1235", "", "mycket"}}));
        const Run r = runCli({QStringLiteral("import-livsmedelsverket"), file,
                              QStringLiteral("--data"), data.path()});
        QCOMPARE(r.exitCode, 1);
        QCOMPARE(r.out, QString());
        QCOMPARE(r.err, QStringLiteral("import-livsmedelsverket: Rad 5, kolumn D \"Protein (g)\": "
                                       "\"mycket\" är inget tal.\n"
                                       "Tabellen livtab100 är oförändrad.\n"));
        QCOMPARE(foodCount(data), before);
    }

    void withoutAFileShowsUsage() {
        const Run r = runCli({QStringLiteral("import-livsmedelsverket")});
        QCOMPARE(r.exitCode, 2);
        QVERIFY(r.err.contains(QStringLiteral("vexamat-cli import-livsmedelsverket FIL.xlsx")));
    }
};

QTEST_GUILESS_MAIN(TestImportCommand)
#include "tst_importcommand.moc"
