#include "core/registration/MealEditor.h"

#include <QTest>

using namespace vexamat;

namespace {

MealRow foodRow(float gram, float enhetsvikt) {
    MealRow r;
    r.kod = QStringLiteral("1_101");
    r.livsmedel = QStringLiteral("Mjölk fett 3%");
    r.enhet = QStringLiteral("dl");
    r.gram = gram;
    r.enhetsvikt = enhetsvikt;
    return r;
}

} // namespace

class TestMealEditor : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void commitAmount_data();
    void commitAmount();
    void amountOfAnEmptyRow();
    void readOnlyColumns_data();
    void readOnlyColumns();
    void clockTimeCarriesDown();
    void unitLines_data();
    void unitLines();
    void applyUnitLine();
    void steps_data();
    void steps();
    void clockRowsNeverPassTheLastRow();
    void aLongClockNoteStaysAClockRow_data();
    void aLongClockNoteStaysAClockRow();
};

void TestMealEditor::commitAmount_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<float>("enhetsvikt");
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("gram");
    QTest::addColumn<int>("commit");
    const int changed = int(MealEditor::Commit::Changed);
    const int refused = int(MealEditor::Commit::Refused);
    QTest::newRow("antal with unit weight") << 1 << 120.0f << "1,5" << 180.0f << changed;
    QTest::newRow("antal without unit weight") << 1 << 0.0f << "1,5" << 0.0f << changed;
    QTest::newRow("antal with point") << 1 << 103.0f << "2.0" << 206.0f << changed;
    QTest::newRow("antal not a number") << 1 << 120.0f << "ett" << 50.0f << refused;
    QTest::newRow("gram") << 3 << 120.0f << " 45,5" << 45.5f << changed;
    QTest::newRow("gram with blanks after") << 3 << 120.0f << "45,5  " << 45.5f << changed;
    QTest::newRow("gram not a number") << 3 << 120.0f << "1,5 g" << 50.0f << refused;
}

void TestMealEditor::commitAmount() {
    QFETCH(int, column);
    QFETCH(float, enhetsvikt);
    QFETCH(QString, text);
    QFETCH(float, gram);
    QFETCH(int, commit);
    Registration reg;
    reg.row(0, 0, 1) = foodRow(50, enhetsvikt);
    QString message;
    QCOMPARE(int(MealEditor::commitTyped(reg.meal(0, 0), 1, column, text, &message)), commit);
    QCOMPARE(reg.row(0, 0, 1).gram, gram);
    QCOMPARE(message.isEmpty(), commit == int(MealEditor::Commit::Changed));
}

void TestMealEditor::amountOfAnEmptyRow() {
    Registration reg;
    for (int column : {int(MealEditor::Antal), int(MealEditor::Gram)}) {
        QCOMPARE(MealEditor::commitTyped(reg.meal(0, 0), 1, column, QStringLiteral("100")),
                 MealEditor::Commit::NoRow);
        QVERIFY(reg.row(0, 0, 1) == MealRow());
    }
}

void TestMealEditor::readOnlyColumns_data() {
    QTest::addColumn<int>("column");
    QTest::newRow("Livsmedel") << 0;
    QTest::newRow("Enhet") << 2;
}

void TestMealEditor::readOnlyColumns() {
    QFETCH(int, column);
    Registration reg;
    reg.row(0, 0, 1) = foodRow(50, 100);
    QCOMPARE(MealEditor::commitTyped(reg.meal(0, 0), 1, column, QStringLiteral("5")),
             MealEditor::Commit::ReadOnly);
    QCOMPARE(reg.row(0, 0, 1).gram, 50.0f);
    QCOMPARE(reg.row(0, 0, 1).livsmedel, QStringLiteral("Mjölk fett 3%"));
    QCOMPARE(MealEditor::kReadOnlyMessage, QStringLiteral("Du kan inte ändra i denna kolumn"));
}

void TestMealEditor::clockTimeCarriesDown() {
    Registration reg;
    for (int r = 1; r <= 6; ++r)
        reg.row(0, 0, r) = foodRow(10, 10);
    QCOMPARE(MealEditor::commitTyped(reg.meal(0, 0), 3, 4, QStringLiteral("08:30")),
             MealEditor::Commit::Changed);
    for (int r = 1; r <= 2; ++r) {
        QCOMPARE(reg.row(0, 0, r).klockan, QString());
        QCOMPARE(reg.row(0, 0, r).tidslot, 96);
    }
    for (int r : {3, 6, 7, 99}) {
        QCOMPARE(reg.row(0, 0, r).klockan, QStringLiteral("08:30"));
        QCOMPARE(reg.row(0, 0, r).tidslot, 34);
    }
    // A later time further down holds from there on; the rows above keep theirs.
    MealEditor::commitTyped(reg.meal(0, 0), 5, 4, QStringLiteral("12:00"));
    QCOMPARE(reg.row(0, 0, 4).klockan, QStringLiteral("08:30"));
    QCOMPARE(reg.row(0, 0, 5).klockan, QStringLiteral("12:00"));
    QCOMPARE(reg.row(0, 0, 99).tidslot, 48);
    MealEditor::commitTyped(reg.meal(0, 0), 6, 4, QStringLiteral("kväll"));
    QCOMPARE(reg.row(0, 0, 6).tidslot, 96);
    // Blanks around a typed time are no part of it.
    MealEditor::commitTyped(reg.meal(0, 0), 6, 4, QStringLiteral(" 18:45 "));
    QCOMPARE(reg.row(0, 0, 6).klockan, QStringLiteral("18:45"));
    QCOMPARE(reg.row(0, 0, 6).tidslot, 75);
}

void TestMealEditor::unitLines_data() {
    QTest::addColumn<QStringList>("units");
    QTest::addColumn<QList<float>>("ports");
    QTest::addColumn<float>("avfall");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("dl gives msk and tsk")
        << QStringList{"glas", "dl", "", ""} << QList<float>{206, 60, 0, 0} << 0.0f
        << QStringList{"Mjölk fett 3%", "206 g/glas", "60  g/dl", "9   g/msk", "3   g/tsk"};
    QTest::newRow("waste last") << QStringList{"st", "", "", ""} << QList<float>{140.4f, 0, 0, 0}
                                << 12.0f
                                << QStringList{"Mjölk fett 3%", "140 g/st", "12  % avfall"};
    QTest::newRow("nothing but the name")
        << QStringList{"st", "", "", ""} << QList<float>{0.001f, 0, 0, 0} << 0.1f
        << QStringList{"Mjölk fett 3%"};
}

void TestMealEditor::unitLines() {
    QFETCH(QStringList, units);
    QFETCH(QList<float>, ports);
    QFETCH(float, avfall);
    QFETCH(QStringList, lines);
    MealRow row = foodRow(100, 100);
    for (int k = 0; k < 4; ++k) {
        row.altEnhet[k] = units.at(k);
        row.altPort[k] = ports.at(k);
    }
    row.avfall = avfall;
    QCOMPARE(MealEditor::unitLines(row), lines);
}

void TestMealEditor::applyUnitLine() {
    MealRow row = foodRow(250, 100);
    QVERIFY(MealEditor::applyUnitLine(row, QStringLiteral("9   g/msk")));
    QCOMPARE(row.enhet, QStringLiteral("msk"));
    QCOMPARE(row.enhetsvikt, 9.0f);
    QCOMPARE(row.gram, 9.0f);
    QVERIFY(!MealEditor::applyUnitLine(row, QStringLiteral("12  % avfall")));
    QCOMPARE(row.enhet, QStringLiteral("msk"));
    QCOMPARE(row.gram, 9.0f);
}

void TestMealEditor::steps_data() {
    QTest::addColumn<float>("gram");
    QTest::addColumn<float>("enhetsvikt");
    QTest::addColumn<float>("increased");
    QTest::addColumn<bool>("decreases");
    QTest::newRow("tenth of the unit") << 120.0f << 120.0f << 132.0f << true;
    QTest::newRow("no unit weight: 10 g") << 120.0f << 0.0f << 130.0f << true;
    QTest::newRow("small unit weight: 10 g") << 120.0f << 0.4f << 130.0f << true;
    QTest::newRow("step uses up the row") << 10.0f << 120.0f << 22.0f << false;
    QTest::newRow("step equals the grams") << 12.0f << 120.0f << 24.0f << false;
}

void TestMealEditor::steps() {
    QFETCH(float, gram);
    QFETCH(float, enhetsvikt);
    QFETCH(float, increased);
    QFETCH(bool, decreases);
    MealRow up = foodRow(gram, enhetsvikt);
    MealEditor::increase(up);
    QCOMPARE(up.gram, increased);
    MealRow down = foodRow(gram, enhetsvikt);
    QCOMPARE(MealEditor::decrease(down), decreases);
    QCOMPARE(down.gram, decreases ? gram - MealEditor::step(down) : gram);
}

void TestMealEditor::clockRowsNeverPassTheLastRow() {
    Registration reg;
    QCOMPARE(MealEditor::addClockRow(reg.meal(0, 0), QStringLiteral("12:00 lunch")), 1);
    QCOMPARE(reg.row(0, 0, 1).kod, QStringLiteral("12:00 lunch"));
    QCOMPARE(reg.row(0, 0, 1).livsmedel, QStringLiteral("12:00 lunch"));
    for (int r = 2; r <= Registration::kLastRow; ++r)
        reg.row(0, 0, r) = foodRow(1, 1);
    QCOMPARE(MealEditor::addClockRow(reg.meal(0, 0), QStringLiteral("13:00")), -1);
    QCOMPARE(reg.row(0, 0, 99).kod, QStringLiteral("1_101"));
}

void TestMealEditor::aLongClockNoteStaysAClockRow_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kod");
    QTest::newRow("time first") << QStringLiteral("12:30 lunch hemma hos mormor")
                                << QStringLiteral("12:30 lunch hemma hos ");
    QTest::newRow("time past the cut") << QStringLiteral("Lunch hemma hos mormor kl 12:30")
                                       << QStringLiteral("Lunch hemma hos mormo:");
    QTest::newRow("short") << QStringLiteral("kl 8:00") << QStringLiteral("kl 8:00");
}

void TestMealEditor::aLongClockNoteStaysAClockRow() {
    QFETCH(QString, text);
    QFETCH(QString, kod);
    Registration reg;
    QCOMPARE(MealEditor::addClockRow(reg.meal(0, 0), text), 1);
    QCOMPARE(reg.row(0, 0, 1).kod, kod);
    QVERIFY(reg.row(0, 0, 1).isClockRow());
    QCOMPARE(reg.row(0, 0, 1).livsmedel, text);
}

QTEST_GUILESS_MAIN(TestMealEditor)
#include "tst_mealeditor.moc"
