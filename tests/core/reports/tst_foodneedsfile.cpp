#include "core/AppState.h"
#include "core/reports/FoodNeedsFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vexamat;

namespace {

using Mode = ExportFile::Mode;

MealRow food(const QString& kod, const QString& name, float gram, float kj) {
    MealRow r;
    r.kod = kod;
    r.livsmedel = name;
    r.gram = gram;
    r.naring.fill(0.0f);
    r.naring[nutrientSlot(nutrient::Kj)] = kj;
    return r;
}

// Day 1: 200 g milk at breakfast and 150 g at lunch. Day 2: 12.6 g of a DABAS article at
// dinner, and water (no energy) as the first snack.
void fill(AppState& s) {
    s.registration.row(0, 0, 1) = food("1_101", QStringLiteral("Mjölk"), 200, 247);
    s.registration.row(0, 1, 1) = food("1_101", QStringLiteral("Mjölk"), 150, 247);
    s.registration.row(1, 2, 1) =
        food("dab07310865001234", QStringLiteral("Havregryn"), 12.6f, 1500);
    s.registration.row(1, 3, 1) = food("4", QStringLiteral("Vatten"), 300, 0);
    s.recalculate();
}

const QByteArray kBlock = "Vecka 1;Dag 1;Frukost;1_101;Mj\xf6lk;200\r\n"
                          "Vecka 1;Dag 1;Lunch;1_101;Mj\xf6lk;150\r\n"
                          "Vecka 1;Dag 1;Dagsumma;1_101;Mj\xf6lk;350\r\n"
                          "Vecka 1;Dag 2;Middag;07310865001234;Havregryn;13\r\n"
                          "Vecka 1;Dag 2;Mellanm\xe5l1;4;Vatten;300\r\n"
                          "Vecka 1;Dag 2;Dagsumma;07310865001234;Havregryn;13\r\n"
                          "Vecka 1;Periodsumma;;1_101;Mj\xf6lk;350\r\n"
                          "Vecka 1;Periodsumma;;07310865001234;Havregryn;13\r\n";
const QByteArray kOld = "Vecka 0;Periodsumma;;1_101;Mj\xf6lk;100\r\n";

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

class TstFoodNeedsFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fileBytes_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QByteArray>("before"); // "<no file>": the file is missing
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("new") << int(Mode::New) << QByteArray("<no file>") << kBlock;
        QTest::newRow("new replaces an old file") << int(Mode::New) << kOld << kBlock;
        QTest::newRow("added after the old lines") << int(Mode::Append) << kOld << kOld + kBlock;
        QTest::newRow("added to a missing file")
            << int(Mode::Append) << QByteArray("<no file>") << kBlock;
    }
    void fileBytes() {
        QFETCH(int, mode);
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        AppState s;
        fill(s);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("meny.vexagram"));
        if (before != "<no file>")
            writeAll(path, before);
        const ExportFile::Result r =
            FoodNeedsFile::write(path, Mode(mode), QStringLiteral("Vecka 1"), s);
        QVERIFY(r.written);
        QCOMPARE(r.message, QStringLiteral("Livsmedelsbehov utskrivet till filen:   ") + path);
        QCOMPARE(readAll(path), after);
    }

    // More different foods than the old table of 501 held: every one is in the sums.
    void everyFoodOfABigPeriodIsSummed() {
        AppState s;
        int count = 0;
        for (int m = 0; m < 9; ++m) {
            for (int r = 1; r <= 70; ++r, ++count)
                s.registration.row(0, m, r) =
                    food(QString::number(1000 + count), QStringLiteral("Mat"), 10, 100);
        }
        s.recalculate();
        const QStringList lines = FoodNeedsFile::lines(QStringLiteral("V"), s);
        QCOMPARE(count, 630);
        QCOMPARE(lines.filter(QStringLiteral(";Dagsumma;")).size(), count);
        QCOMPARE(lines.filter(QStringLiteral(";Periodsumma;")).size(), count);
        QCOMPARE(lines.last(), QStringLiteral("V;Periodsumma;;1629;Mat;10"));
    }

    void tagWithSeparatorIsRefused() {
        AppState s;
        fill(s);
        QTemporaryDir dir;
        const QString kept = dir.filePath(QStringLiteral("meny.vexagram"));
        writeAll(kept, kOld);
        const QString missing = dir.filePath(QStringLiteral("ny.vexagram"));
        for (const QString& path : {kept, missing}) {
            const ExportFile::Result r =
                FoodNeedsFile::write(path, Mode::Append, QStringLiteral("Vecka 1;2"), s);
            QVERIFY(!r.written);
            QCOMPARE(r.message, FoodNeedsFile::kBadTag);
        }
        QCOMPARE(readAll(kept), kOld);
        QVERIFY(!QFile::exists(missing));
    }

    void unwritableFileIsNamed() {
        AppState s;
        fill(s);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("saknas/meny.vexagram"));
        const ExportFile::Result r = FoodNeedsFile::write(path, Mode::New, QStringLiteral("V"), s);
        QVERIFY(!r.written);
        QCOMPARE(r.message, QStringLiteral("Kan inte öppna filen:  ") + path);
    }

    void extensionBecomesVexagram() {
        QCOMPARE(FoodNeedsFile::withVexagramExtension(QStringLiteral("/tmp/meny")),
                 QStringLiteral("/tmp/meny.vexagram"));
        QCOMPARE(FoodNeedsFile::withVexagramExtension(QStringLiteral("/tmp/meny.txt")),
                 QStringLiteral("/tmp/meny.vexagram"));
    }
};

QTEST_GUILESS_MAIN(TstFoodNeedsFile)
#include "tst_foodneedsfile.moc"
