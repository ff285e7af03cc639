#include "core/AppState.h"
#include "core/files/FoodLookup.h"
#include "core/files/NormFile.h"
#include "core/files/RegistrationFile.h"
#include "core/text/TextCodec.h"
#include "support/TempDataFolder.h"

#include <QFile>
#include <QTest>

using namespace vexamat;

namespace {

// A state with the food tables of a temporary copy of the default data open.
struct Opened {
    Opened() : state(std::make_unique<AppState>()) {
        state->DataDir = data.path();
        QString error;
        ok = data.isValid() && state->openTables(&error);
    }
    TempDataFolder data;
    std::unique_ptr<AppState> state;
    bool ok = false;
};

MealRow foodRow(const QString& kod, float gram, const QString& enhet, float enhetsvikt,
                const QString& klockan = {}) {
    MealRow r;
    r.kod = kod;
    r.livsmedel = QStringLiteral("namn ") + kod;
    r.gram = gram;
    r.enhet = enhet;
    r.enhetsvikt = enhetsvikt;
    r.klockan = klockan;
    return r;
}

QStringList header(const QString& date, const QString& mode = QStringLiteral("flera maltider")) {
    QStringList h{QStringLiteral("100"), date, mode};
    for (int i = 0; i < 9; ++i)
        h << QStringLiteral("reserv");
    return h;
}

// End lines of meals, and the carbohydrate groups, as an empty registration writes them.
QStringList endLinesFrom(int firstDay, int firstMeal) {
    QStringList out;
    for (int d = firstDay; d < 21; ++d)
        for (int m = (d == firstDay ? firstMeal : 0); m < 9; ++m)
            out << QStringLiteral("*%1/%2").arg(d).arg(m);
    return out;
}

QStringList carbohydrateLines() {
    QStringList out;
    for (int n = 1; n <= 10; ++n)
        out << QStringLiteral("*kolhydratkvotmaltid/%1//").arg(n);
    for (int n = 1; n <= 24; ++n)
        out << QStringLiteral("*kolhkvot/%1//").arg(n);
    return out;
}

} // namespace

class TstRegistrationFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void emptyRegistrationLines() {
        AppState state;
        const QStringList lines = RegistrationFile::lines(state, QStringLiteral("2026-12-10"));
        QCOMPARE(lines,
                 header(QStringLiteral("2026-12-10")) + endLinesFrom(0, 0) + carbohydrateLines());
        QCOMPARE(lines.size(), 12 + 189 + 34);
    }

    void smallRegistrationExactLines() {
        AppState state;
        state.settings.WholeDayMode = true;
        state.registration.row(0, 0, 1) = foodRow(QStringLiteral("1_101"), 250, "dl", 100, "12:30");
        state.registration.row(0, 0, 2) = foodRow(QStringLiteral("1_102"), 12.34f, "", 42.7f);
        state.registration.row(0, 0, 4) = foodRow(QStringLiteral("07:45"), 0, "", 0, "07:45");
        state.registration.row(20, 8, 99) = foodRow(QStringLiteral("egna001"), 150, "port", 150);
        state.GlucoseStore.set(2, 2, QStringLiteral("8:00"), QStringLiteral("5,5"));
        state.GlucoseStore.set(2, 5, QStringLiteral("12:00"), QStringLiteral("7,1"));
        state.InsulinStore.set(0, 1, QStringLiteral("7:50"), QStringLiteral("4"));
        state.carbohydrate.MealRatio[0] = QStringLiteral("10");
        state.carbohydrate.HourFactor[23] = QStringLiteral("1,5");

        QStringList expected = header(QStringLiteral("10.12.2026"), "heldagsberakning");
        expected << "1_101"
                 << "250.0/100@dl&12:30"
                 << "1_102"
                 << "12.3/43@"
                 << "07:45"
                 << "0.0/0@&07:45";
        QStringList ends = endLinesFrom(0, 0);
        expected << ends.mid(0, 188) << "egna001"
                 << "150.0/150@port" << ends.last();
        expected << "*glukos/2/8:00/5,5/"
                 << "*glukos/2/12:00/7,1/"
                 << "*insulin/0/7:50/4/";
        QStringList carb = carbohydrateLines();
        carb[0] = "*kolhydratkvotmaltid/1/10/";
        carb[33] = "*kolhkvot/24/1,5/";
        expected << carb;
        QCOMPARE(RegistrationFile::lines(state, QStringLiteral("10.12.2026")), expected);
    }

    void roundTripAllTables() {
        Opened a;
        QVERIFY(a.ok);
        AppState& s = *a.state;
        s.settings.WholeDayMode = true;
        FoodLookup lookup(s);
        const QStringList codes{"1_101", "1_199", "Abbo001", "egna001", "dab02005000000010"};
        int r = 1;
        for (const QString& code : codes) {
            const FoodLookup::Food* food = lookup.find(code);
            QVERIFY2(food, qPrintable(code));
            MealRow& row = s.registration.row(3, 2, r);
            row = foodRow(code, 10.0f * r, food->enhet, food->portionsstorlek,
                          r == 1 ? QStringLiteral("8:15") : QString());
            row.livsmedel = food->livsmedel;
            ++r;
        }
        s.registration.row(3, 2, r) = foodRow(QStringLiteral("10:00"), 0, "", 0, "10:00");
        s.GlucoseStore.set(20, 20, QStringLiteral("23:00"), QStringLiteral("6,0"));
        s.InsulinStore.set(4, 1, QStringLiteral("7:00"), QStringLiteral("8"));
        s.carbohydrate.HourFactor[5] = QStringLiteral("2");

        const QString path = a.data.filePath(QStringLiteral("kalle.vexa"));
        QVERIFY(RegistrationFile::write(path, s, QStringLiteral("D1")));

        Opened b;
        QVERIFY(b.ok);
        FoodLookup lookupB(*b.state);
        const RegistrationFile::ReadResult result = RegistrationFile::read(path, *b.state, lookupB);
        QCOMPARE(result.status, RegistrationFile::Status::Ok);
        QCOMPARE(result.date, QStringLiteral("D1"));
        QVERIFY(b.state->settings.WholeDayMode);
        for (int i = 1; i <= codes.size(); ++i) {
            const MealRow& got = b.state->registration.row(3, 2, i);
            const FoodLookup::Food* food = lookupB.find(codes[i - 1]);
            QCOMPARE(got.kod, codes[i - 1]);
            QCOMPARE(got.livsmedel, food->livsmedel);
            QCOMPARE(got.gram, 10.0f * i);
            QCOMPARE(got.enhet, food->enhet);
            QCOMPARE(got.naring, food->naring);
        }
        QCOMPARE(b.state->registration.row(3, 2, 1).klockan, QStringLiteral("8:15"));
        QCOMPARE(b.state->registration.row(3, 2, 1).tidslot, 33);
        QCOMPARE(b.state->registration.row(3, 2, 1).altEnhet[0], QStringLiteral("glas"));
        // 1_101 is in livtab2005 too, without a price: livtab100 is asked first.
        QCOMPARE(b.state->registration.row(3, 2, 1).kgpris, 12.0f);
        QCOMPARE(b.state->registration.row(3, 2, 2).livsmedel,
                 QStringLiteral("Kärnmjölk fett 0,5%"));
        QCOMPARE(b.state->registration.row(3, 2, 6).livsmedel, QStringLiteral("10:00"));
        QCOMPARE(b.state->registration.row(3, 2, 6).tidslot, 40);
        QCOMPARE(b.state->GlucoseStore.reading(20, 1).time, QStringLiteral("23:00"));
        QCOMPARE(b.state->InsulinStore.reading(4, 1).value, QStringLiteral("8"));
        QCOMPARE(b.state->carbohydrate.HourFactor[5], QStringLiteral("2"));

        // Saving again gives the same file but for the date line.
        QStringList first = RegistrationFile::lines(s, QStringLiteral("D1"));
        QStringList second = RegistrationFile::lines(*b.state, QStringLiteral("D2"));
        QCOMPARE(second.at(1), QStringLiteral("D2"));
        second[1] = QStringLiteral("D1");
        QCOMPARE(second, first);
    }

    void valueLines_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("valueLine");
        QTest::addColumn<float>("gram");
        QTest::addColumn<QString>("enhet");
        QTest::addColumn<float>("enhetsvikt");
        QTest::addColumn<QString>("klockan");
        QTest::addColumn<int>("tidslot");
        QTest::newRow("unit and time")
            << "1_101"
            << "250.0/100@dl&12:30" << 250.0f << "dl" << 100.0f << "12:30" << 50;
        QTest::newRow("no time") << "1_101"
                                 << "250.0/100@dl" << 250.0f << "dl" << 100.0f << "" << 96;
        QTest::newRow("grams only takes the table's unit")
            << "1_101"
            << "125" << 125.0f << "dl" << 103.0f << "" << 96;
        QTest::newRow("empty unit takes Enhet") << "1_101"
                                                << "12.3/43@" << 12.3f << "dl" << 43.0f << "" << 96;
        QTest::newRow("manufacturer ignores the file's unit")
            << "Abbo001"
            << "50.0/100@dl" << 50.0f << "flaska" << 200.0f << "" << 96;
        QTest::newRow("wholesale article number")
            << "100101"
            << "30,5/103@dl" << 30.5f << "dl" << 103.0f << "" << 96;
    }
    void valueLines() {
        QFETCH(QString, code);
        QFETCH(QString, valueLine);
        Opened a;
        QVERIFY(a.ok);
        FoodLookup lookup(*a.state);
        const QStringList lines = header("x") << code << valueLine << endLinesFrom(0, 0);
        QCOMPARE(RegistrationFile::readLines(lines, *a.state, lookup).status,
                 RegistrationFile::Status::Ok);
        const MealRow& row = a.state->registration.row(0, 0, 1);
        QVERIFY(!row.isEmpty());
        QFETCH(float, gram);
        QFETCH(QString, enhet);
        QFETCH(float, enhetsvikt);
        QFETCH(QString, klockan);
        QFETCH(int, tidslot);
        QCOMPARE(row.gram, gram);
        QCOMPARE(row.enhet, enhet);
        QCOMPARE(row.enhetsvikt, enhetsvikt);
        QCOMPARE(row.klockan, klockan);
        QCOMPARE(row.tidslot, tidslot);
        if (code == QLatin1String("100101"))
            QCOMPARE(row.kod, QStringLiteral("1_101"));
    }

    // A food no table has is kept as read and written back unchanged, so that opening and
    // saving again never deletes registered food.
    void unknownFoodIsKeptAndWrittenBack() {
        Opened a;
        QVERIFY(a.ok);
        FoodLookup lookup(*a.state);
        const QStringList lines = header("x") << "1_101"
                                              << "1.0/103@dl"
                                              << "borttagen"
                                              << "25.0/100@port&8:00"
                                              << "1_102"
                                              << "3.0/103@dl" << endLinesFrom(0, 0);
        const RegistrationFile::ReadResult result =
            RegistrationFile::readLines(lines, *a.state, lookup);
        QCOMPARE(result.status, RegistrationFile::Status::Ok);
        QCOMPARE(result.missingFoods,
                 QStringList{"dag=1 maltid=1 rad=2 Livsmedel med nr borttagen finns ej."});
        const MealRow& kept = a.state->registration.row(0, 0, 2);
        QCOMPARE(kept.kod, QStringLiteral("borttagen"));
        QCOMPARE(kept.gram, 25.0f);
        QCOMPARE(kept.tidslot, 32);
        QCOMPARE(kept.naring[nutrientSlot(nutrient::Kj)], -1.0f); // missing, not 0
        QCOMPARE(a.state->registration.row(0, 0, 3).kod, QStringLiteral("1_102"));

        QStringList expected = header("x") << "1_101"
                                           << "1.0/103@dl"
                                           << "borttagen"
                                           << "25.0/100@port&8:00"
                                           << "1_102"
                                           << "3.0/103@dl" << endLinesFrom(0, 0);
        expected << carbohydrateLines();
        QCOMPARE(RegistrationFile::lines(*a.state, QStringLiteral("x")), expected);
    }

    void oldestLayout() {
        Opened a;
        QVERIFY(a.ok);
        FoodLookup lookup(*a.state);
        // Day 1, breakfast: slot 0 empty, slot 1 milk, slot 2 unknown; the file then ends.
        const QStringList lines{"0", "0", "1_102", "150", "nosuch", "10"};
        const RegistrationFile::ReadResult result =
            RegistrationFile::readLines(lines, *a.state, lookup);
        QCOMPARE(result.status, RegistrationFile::Status::OldLayout);
        QCOMPARE(result.missingFoods,
                 QStringList{"dag=1 maltid=1 rad=3 Livsmedel med nr nosuch finns ej."});
        const MealRow& row = a.state->registration.row(0, 0, 2);
        QCOMPARE(row.kod, QStringLiteral("1_102"));
        QCOMPARE(row.gram, 150.0f);
        QCOMPARE(row.enhet, QStringLiteral("dl"));
        // Missing values of the oldest files count as 0, not as missing.
        QCOMPARE(row.naring[nutrientSlot(nutrient::Sucrose)], 0.0f);
    }

    void brokenFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("filledRows");
        const QByteArray good =
            TextCodec::joinLines(header("x") << "1_101"
                                             << "1"
                                             << "1_102"
                                             << "2" << endLinesFrom(0, 0) << carbohydrateLines());
        QTest::newRow("first line not a number") << QByteArray("abc\r\n1_101\r\n1\r\n") << 0;
        QTest::newRow("empty file") << QByteArray() << 0;
        QTest::newRow("binary garbage") << QByteArray("\x01\xff\x00\x9c\r\n\x80\x81", 8) << 0;
        QTest::newRow("truncated after the first food") << good.left(good.indexOf("1_102")) << 1;
        QTest::newRow("non-number day in a glucose line") << good + "*glukos/x/8:00/5/\r\n" << 2;
        QTest::newRow("glucose line with too few fields") << good + "*glukos/1\r\n" << 2;
        QTest::newRow("non-number row in a factor line") << good + "*kolhkvot/a/1/\r\n" << 2;
    }
    void brokenFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, filledRows);
        Opened a;
        QVERIFY(a.ok);
        a.data.write(QStringLiteral("trasig.vexa"), bytes);
        FoodLookup lookup(*a.state);
        const RegistrationFile::ReadResult result = RegistrationFile::read(
            a.data.filePath(QStringLiteral("trasig.vexa")), *a.state, lookup);
        QCOMPARE(result.status, RegistrationFile::Status::Failed);
        QCOMPARE(a.state->registration.filledRowCount(0, 0), filledRows);
    }

    void overflowIsCutOff() {
        Opened a;
        QVERIFY(a.ok);
        FoodLookup lookup(*a.state);
        QStringList lines = header("x");
        for (int i = 0; i < 120; ++i)
            lines << "1_101" << QString::number(i + 1);
        lines << endLinesFrom(0, 0) << "*extra/1"
              << "1_101"
              << "5";
        for (int r = 0; r < 25; ++r)
            lines << QStringLiteral("*glukos/0/%1:00/5/").arg(r);
        lines << "*glukos/21/8:00/5/"
              << "*insulin/-1/8:00/5/";
        const RegistrationFile::ReadResult result =
            RegistrationFile::readLines(lines, *a.state, lookup);
        QCOMPARE(result.status, RegistrationFile::Status::Ok);
        QCOMPARE(a.state->registration.filledRowCount(0, 0), 99);
        QCOMPARE(a.state->registration.row(0, 0, 99).gram, 99.0f);
        QCOMPARE(result.droppedRows, 21 + 1);
        QCOMPARE(result.droppedReadings, 5 + 2);
        QCOMPARE(a.state->GlucoseStore.reading(0, 20).time, QStringLiteral("19:00"));
        QCOMPARE(RegistrationFile::overflowMessage(result),
                 QStringLiteral("Registreringen innehåller mer än programmet rymmer (99 rader per "
                                "måltid, 21 dagar, 20 värden per dag). Detta lästes inte in: 22 "
                                "livsmedelsrader och 7 blodsocker- eller insulinvärden."));
    }

    void normFile() {
        ActiveNorm norm;
        norm.NormKind = QStringLiteral("personnorm");
        norm.NormLabel = QStringLiteral("Kvinna 30 år 60 kg 2100 kcal/dag");
        norm.ActiveNeed.fill(0);
        norm.ActiveNeed[0] = 8786.4f;
        norm.ActiveNeed[1] = 2100;
        const QStringList lines = NormFile::lines(norm);
        QCOMPARE(lines.size(), 84);
        QCOMPARE(lines.mid(0, 10), QStringList(10, QStringLiteral("reserv")));
        QCOMPARE(lines.at(10), QStringLiteral("personnorm"));
        QCOMPARE(lines.at(11), norm.NormLabel);
        QCOMPARE(lines.at(12), QStringLiteral("8786.400"));
        QCOMPARE(lines.at(13), QStringLiteral("2100.000"));
        QCOMPARE(lines.at(83), QStringLiteral("0.000"));

        TempDataFolder data;
        const QString path = data.filePath(QStringLiteral("k.norm"));
        QVERIFY(NormFile::write(path, norm));
        ActiveNorm read;
        QString kindSeen;
        QVERIFY(NormFile::read(path, read, [&](const QString& kind) { kindSeen = kind; }));
        QCOMPARE(kindSeen, QStringLiteral("personnorm"));
        QCOMPARE(read.NormLabel, norm.NormLabel);
        QCOMPARE(read.ActiveNeed, norm.ActiveNeed);
        QCOMPARE(read.StandardNeed, norm.ActiveNeed);
    }

    void failedSaveKeepsThePreviousFile() {
        TempDataFolder data;
        AppState state;
        // The longest name a folder allows: there is no room for the save's temporary file
        // beside it, so the new file cannot be made.
        const QString path = data.filePath(QString(250, QLatin1Char('k')) + ".vexa");
        QFile previous(path);
        QVERIFY(previous.open(QIODevice::WriteOnly));
        previous.write("tidigare\r\n");
        previous.close();
        state.registration.row(0, 0, 1) = foodRow("1_101", 5, "dl", 103);
        QString error;
        QVERIFY(!RegistrationFile::write(path, state, QStringLiteral("D2"), &error));
        QVERIFY(previous.open(QIODevice::ReadOnly));
        QCOMPARE(previous.readAll(), QByteArray("tidigare\r\n"));
    }

    void withExtension_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no extension") << "/a/kalle"
                                      << "/a/kalle.norm";
        QTest::newRow("vexa") << "/a/kalle.vexa"
                              << "/a/kalle.norm";
        QTest::newRow("two dots") << "/a/kalle.v1.vexa"
                                  << "/a/kalle.v1.norm";
        QTest::newRow("dotted folder") << "/a.b/kalle"
                                       << "/a.b/kalle.norm";
    }
    void withExtension() {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        QCOMPARE(RegistrationFile::withExtension(path, QStringLiteral(".norm")), expected);
    }
};

QTEST_GUILESS_MAIN(TstRegistrationFile)
#include "tst_registrationfile.moc"
