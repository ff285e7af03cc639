#include "core/AppState.h"
#include "core/reports/StatisticsFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vexamat;

namespace {

using Kind = StatisticsFile::Kind;
using Mode = ExportFile::Mode;

// kJ, protein and fat per 100 g; fat -1 is the missing-value mark.
MealRow food(const char* kod, const QString& name, float gram, float kj, float protein, float fat) {
    MealRow r;
    r.kod = QString::fromLatin1(kod);
    r.livsmedel = name;
    r.gram = gram;
    r.naring.fill(0.0f);
    r.naring[nutrientSlot(nutrient::Kj)] = kj;
    r.naring[nutrientSlot(nutrient::Protein)] = protein;
    r.naring[nutrientSlot(nutrient::Fat)] = fat;
    return r;
}

// Day 1: 200 g milk without a fat value at breakfast, 50 g bread at lunch. Day 2: only water
// (no energy) at the first snack. Day 3: 150 g apple at dinner. kJ, protein and fat are
// selected, shown with 0, 1 and 1 decimals.
void fill(AppState& s) {
    s.names.NutrientLabel[nutrient::Kj] = QStringLiteral("Energi kJ");
    s.names.NutrientLabel[nutrient::Protein] = QStringLiteral("Protein g");
    s.names.NutrientLabel[nutrient::Fat] = QStringLiteral("Fett g");
    s.names.NutrientDecimals[nutrient::Protein] = 1;
    s.names.NutrientDecimals[nutrient::Fat] = 1;
    s.selection.clear();
    for (int no : {nutrient::Kj, nutrient::Protein, nutrient::Fat})
        s.selection.setSelected(no, true);
    s.registration.row(0, 0, 1) = food("1_101", QStringLiteral("Mjölk"), 200, 247, 3.4f, -1);
    s.registration.row(0, 1, 1) = food("2", QStringLiteral("Bröd"), 50, 1000, 10, 5);
    s.registration.row(1, 3, 1) = food("4", QStringLiteral("Vatten"), 300, 0, 0, 0);
    s.registration.row(2, 2, 1) = food("3", QStringLiteral("Äpple"), 150, 200, 0.4f, 0.2f);
    s.recalculate();
}

const QByteArray kPerDayHeader = "Identitet;DAG;Energi kJ;Protein g;Fett g;\r\n";
const QByteArray kPerDayBlock = "P1;Dag 1;994;11,8;2,5;\r\n"
                                "P1;Dag 3;300;0,6;0,3;\r\n";
const QByteArray kDetailedHeader =
    "Identitet;Dag;M\xe5ltid;kod;livsmedel;gram;Energi kJ;Protein g;Fett g;\r\n";
const QByteArray kDetailedBlock = "P1;Dag 1;Frukost;1_101;Mj\xf6lk;200;494;6,8;0,0;\r\n"
                                  "P1;Dag 1;Frukost;Maltidsumma;;;494;6,8;0,0;\r\n"
                                  "P1;Dag 1;Lunch;2;Br\xf6"
                                  "d;50;500;5,0;2,5;\r\n"
                                  "P1;Dag 1;Lunch;Maltidsumma;;;500;5,0;2,5;\r\n"
                                  "P1;Dag 1;Dagsumma;;;;994;11,8;2,5;\r\n"
                                  "P1;Dag 2;Mellanm\xe5l1;4;Vatten;300;0;0,0;0,0;\r\n"
                                  "P1;Dag 3;Middag;3;\xc4pple;150;300;0,6;0,3;\r\n"
                                  "P1;Dag 3;Middag;Maltidsumma;;;300;0,6;0,3;\r\n"
                                  "P1;Dag 3;Dagsumma;;;;300;0,6;0,3;\r\n";
const QByteArray kOld = "Identitet;DAG;Energi kJ;\r\nP0;Dag 1;5;\r\n";

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<no file>");
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class TstStatisticsFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fileBytes_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QByteArray>("before"); // "<no file>": the file is missing
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("per day, new") << int(Kind::PerDay) << int(Mode::New)
                                      << QByteArray("<no file>") << kPerDayHeader + kPerDayBlock;
        QTest::newRow("per day, new replaces an old file")
            << int(Kind::PerDay) << int(Mode::New) << kOld << kPerDayHeader + kPerDayBlock;
        QTest::newRow("per day, added after the old lines without a header")
            << int(Kind::PerDay) << int(Mode::Append) << kOld << kOld + kPerDayBlock;
        QTest::newRow("per day, added to a missing file: no header")
            << int(Kind::PerDay) << int(Mode::Append) << QByteArray("<no file>") << kPerDayBlock;
        QTest::newRow("added to a file that ends inside a line")
            << int(Kind::PerDay) << int(Mode::Append) << QByteArray("P0;Dag 1;5;")
            << QByteArray("P0;Dag 1;5;\r\n") + kPerDayBlock;
        QTest::newRow("detailed, new")
            << int(Kind::Detailed) << int(Mode::New) << QByteArray("<no file>")
            << kDetailedHeader + kDetailedBlock;
        QTest::newRow("detailed, added")
            << int(Kind::Detailed) << int(Mode::Append) << kOld << kOld + kDetailedBlock;
    }
    void fileBytes() {
        QFETCH(int, kind);
        QFETCH(int, mode);
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        AppState s;
        fill(s);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("studie.skv"));
        if (before != "<no file>")
            writeAll(path, before);
        const ExportFile::Result r =
            StatisticsFile::write(path, Mode(mode), Kind(kind), QStringLiteral("P1"), s);
        QVERIFY(r.written);
        QCOMPARE(r.message, QStringLiteral("Statistik utskrivet till filen:   ") + path);
        QCOMPARE(readAll(path), after);
    }

    void noNutrientSelected() {
        AppState s;
        fill(s);
        s.selection.clear();
        QCOMPARE(StatisticsFile::header(Kind::PerDay, s.selection, s.names),
                 QStringLiteral("Identitet;DAG;"));
        QCOMPARE(StatisticsFile::lines(Kind::PerDay, QStringLiteral("P1"), s),
                 (QStringList{"P1;Dag 1;", "P1;Dag 3;"}));
        QCOMPARE(StatisticsFile::lines(Kind::Detailed, QStringLiteral("P1"), s).first(),
                 QStringLiteral("P1;Dag 1;Frukost;1_101;Mjölk;200;"));
    }

    void emptyRegistrationGivesOnlyTheHeader() {
        AppState s;
        fill(s);
        s.registration.clear();
        s.recalculate();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tom.skv"));
        QVERIFY(
            StatisticsFile::write(path, Mode::New, Kind::PerDay, QStringLiteral("P1"), s).written);
        QCOMPARE(readAll(path), kPerDayHeader);
    }

    void wholeDayModeNamesTheMealHelaDagen() {
        AppState s;
        fill(s);
        s.settings.WholeDayMode = true;
        QCOMPARE(StatisticsFile::lines(Kind::Detailed, QStringLiteral("P1"), s).first(),
                 QStringLiteral("P1;Dag 1;Hela dagen;1_101;Mjölk;200;494;6,8;0,0;"));
    }

    void number_data() {
        QTest::addColumn<float>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("text");
        QTest::newRow("one decimal") << 1234.5f << 1 << "1234,5";
        QTest::newRow("no decimals, no comma") << 1234.4f << 0 << "1234";
        QTest::newRow("rounded up") << 2.46f << 1 << "2,5";
        QTest::newRow("two decimals") << 3.14159f << 2 << "3,14";
        QTest::newRow("negative as 0") << -2.0f << 1 << "0,0";
        QTest::newRow("negative zero") << -0.0f << 0 << "0";
    }
    void number() {
        QFETCH(float, value);
        QFETCH(int, decimals);
        QFETCH(QString, text);
        QCOMPARE(StatisticsFile::number(value, decimals), text);
    }

    void identityWithSeparatorIsRefused_data() {
        QTest::addColumn<QString>("identity");
        QTest::newRow("semicolon") << "P1;kontroll";
        QTest::newRow("line break") << "P1\nkontroll";
    }
    void identityWithSeparatorIsRefused() {
        QFETCH(QString, identity);
        AppState s;
        fill(s);
        QTemporaryDir dir;
        const QString kept = dir.filePath(QStringLiteral("studie.skv"));
        writeAll(kept, kOld);
        const QString missing = dir.filePath(QStringLiteral("ny.skv"));
        for (Mode mode : {Mode::New, Mode::Append}) {
            for (const QString& path : {kept, missing}) {
                const ExportFile::Result r =
                    StatisticsFile::write(path, mode, Kind::PerDay, identity, s);
                QVERIFY(!r.written);
                QCOMPARE(r.message, StatisticsFile::kBadIdentity);
            }
        }
        QCOMPARE(readAll(kept), kOld);
        QVERIFY(!QFile::exists(missing));
    }

    void unwritableFileIsNamed() {
        AppState s;
        fill(s);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("saknas/studie.skv"));
        const ExportFile::Result r =
            StatisticsFile::write(path, Mode::Append, Kind::PerDay, QStringLiteral("P1"), s);
        QVERIFY(!r.written);
        QCOMPARE(r.message, QStringLiteral("Kan inte öppna filen:  ") + path);
        QVERIFY(!QFile::exists(path));
    }

    void extensionBecomesSkv_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("path");
        QTest::newRow("no extension") << "/tmp/studie"
                                      << "/tmp/studie.skv";
        QTest::newRow("other extension") << "/tmp/studie.vexastat"
                                         << "/tmp/studie.skv";
        QTest::newRow("already .skv") << "/tmp/studie.skv"
                                      << "/tmp/studie.skv";
    }
    void extensionBecomesSkv() {
        QFETCH(QString, chosen);
        QFETCH(QString, path);
        QCOMPARE(StatisticsFile::withSkvExtension(chosen), path);
    }
};

QTEST_GUILESS_MAIN(TstStatisticsFile)
#include "tst_statisticsfile.moc"
