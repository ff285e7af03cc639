#include "core/AppState.h"
#include "core/registration/FoodAdder.h"
#include "support/TempDataFolder.h"

#include <QTest>

using namespace vexamat;

namespace {

QString companion(const QString& name, const QString& code) {
    return name + QLatin1Char('{') + code + QStringLiteral("}1@g");
}

} // namespace

class TestFoodAdder : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void addsTheFoodAsTheFirstEmptyRow();
    void sources_data();
    void sources();
    void timeFromTheRowAbove();
    void insertsAtTheDropRow();
    void failedLookupLeavesTheMealAsItWas();
    void linesWithoutACodeAddNothing();
    void fullMealKeepsItsRows();
    void pickListsPerMealType();
    void typedCode_data();
    void typedCode();
    void addByCode();

private:
    FoodAdder::Result add(const QString& code, int row = 0, bool insert = false) {
        return FoodAdder::AddFoodToMeal(*m_state, QStringLiteral("namn ") + code,
                                        companion(QStringLiteral("namn ") + code, code), row,
                                        insert);
    }
    std::unique_ptr<TempDataFolder> m_data;
    std::unique_ptr<AppState> m_state;
};

void TestFoodAdder::init() {
    m_data = std::make_unique<TempDataFolder>();
    QVERIFY(m_data->isValid());
    m_state = std::make_unique<AppState>();
    m_state->DataDir = m_data->path();
    QString error;
    QVERIFY2(m_state->openTables(&error), qPrintable(error));
}

void TestFoodAdder::cleanup() {
    m_state.reset();
    m_data.reset();
}

void TestFoodAdder::addsTheFoodAsTheFirstEmptyRow() {
    const FoodAdder::Result r = add(QStringLiteral("1_101"));
    QCOMPARE(r.status, FoodAdder::Status::Added);
    QCOMPARE(r.row, 1);
    QVERIFY(r.showHint);
    QVERIFY(!m_state->AddHintPending);
    const MealRow& row = m_state->registration.row(0, 0, 1);
    QCOMPARE(row.kod, QStringLiteral("1_101"));
    QCOMPARE(row.livsmedel, QStringLiteral("Mjölk fett 3%"));
    QCOMPARE(row.enhet, QStringLiteral("dl"));
    QCOMPARE(row.enhetsvikt, 103.0f);
    QCOMPARE(row.gram, 103.0f);
    QCOMPARE(row.kgpris, 12.0f);
    QCOMPARE(row.altEnhet, (std::array<QString, 4>{"glas", "msk", "tsk", ""}));
    QCOMPARE(row.altPort, (std::array<float, 4>{206, 15, 5, 0}));
    QCOMPARE(row.naring[nutrientSlot(nutrient::Kj)], 247.0f);
    QCOMPARE(row.naring[nutrientSlot(nutrient::Kcal)], 59.0f);
    QCOMPARE(row.naring[nutrientSlot(nutrient::Ash)], -1.0f); // empty field: missing
    QCOMPARE(row.naring[11], 0.08f);
    QCOMPARE(row.naring[30], 0.0f); // a field holding 0 stays 0
    QCOMPARE(m_state->CurrentRow, 1);
    QVERIFY(!add(QStringLiteral("1_101")).showHint);
    QCOMPARE(m_state->registration.filledRowCount(0, 0), 2);
}

void TestFoodAdder::sources_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("tabletHint");
    QTest::newRow("fabrikant tablet")
        << "Abbo002"
        << "Demo Kalktablett med D-vitamin"
        << QStringList{"Skriv 100 gram för en tablett, 200 gram för två osv."} << false;
    QTest::newRow("fabrikant daily dose")
        << "Nutr002"
        << "Demo Vitamin- och mineraltillskott"
        << QStringList{"100 i gramkolumnen motsvarar en dagsdos, 50 en halvdagsdos osv."} << false;
    QTest::newRow("egna") << "egna001"
                          << "Mormors köttbullar" << QStringList{} << false;
    QTest::newRow("dabas") << "dab02005000000010"
                           << "Fruktyoghurt jordgubb /Demomejeriet" << QStringList{} << false;
}

void TestFoodAdder::sources() {
    QFETCH(QString, code);
    QFETCH(QString, name);
    QFETCH(QStringList, messages);
    QFETCH(bool, tabletHint);
    // A row that held a livtab100 food before must not keep its units or waste.
    MealRow& row = m_state->registration.row(0, 0, 1);
    row.altEnhet[0] = QStringLiteral("glas");
    row.altPort[0] = 200;
    row.avfall = 30;
    const FoodAdder::Result r = add(code);
    QCOMPARE(r.status, FoodAdder::Status::Added);
    QCOMPARE(r.messages, messages);
    QCOMPARE(r.tabletHint, tabletHint);
    QCOMPARE(row.livsmedel, name);
    QCOMPARE(row.altEnhet[0], QString());
    QCOMPARE(row.altPort[0], 0.0f);
    QCOMPARE(row.avfall, 0.0f);
}

void TestFoodAdder::timeFromTheRowAbove() {
    add(QStringLiteral("1_101"));
    QCOMPARE(m_state->registration.row(0, 0, 1).klockan, QString());
    m_state->registration.row(0, 0, 1).klockan = QStringLiteral("12:00");
    m_state->registration.row(0, 0, 1).tidslot = 48;
    add(QStringLiteral("1_104"));
    QCOMPARE(m_state->registration.row(0, 0, 2).klockan, QStringLiteral("12:00"));
    QCOMPARE(m_state->registration.row(0, 0, 2).tidslot, 48);
}

void TestFoodAdder::insertsAtTheDropRow() {
    for (const char* code : {"1_101", "1_104", "1_106", "1_107"})
        add(QString::fromLatin1(code));
    const FoodAdder::Result r = add(QStringLiteral("2_104"), 2, true);
    QCOMPARE(r.status, FoodAdder::Status::Added);
    QCOMPARE(m_state->registration.filledRowCount(0, 0), 5);
    QStringList codes;
    for (int i = 1; i <= 5; ++i)
        codes << m_state->registration.row(0, 0, i).kod;
    QCOMPARE(codes, (QStringList{"1_101", "2_104", "1_104", "1_106", "1_107"}));
    QCOMPARE(m_state->registration.row(0, 0, 2).avfall, 15.0f);
}

void TestFoodAdder::failedLookupLeavesTheMealAsItWas() {
    add(QStringLiteral("1_101"));
    add(QStringLiteral("1_104"));
    const FoodAdder::Result r = add(QStringLiteral("9_999"), 1, true);
    QCOMPARE(r.status, FoodAdder::Status::NotFound);
    QCOMPARE(r.messages, QStringList{QStringLiteral("Livsmedel med nr 9_999 finns ej.")});
    QCOMPARE(m_state->registration.filledRowCount(0, 0), 2);
    QCOMPARE(m_state->registration.row(0, 0, 1).kod, QStringLiteral("1_101"));
    QCOMPARE(m_state->registration.row(0, 0, 2).kod, QStringLiteral("1_104"));
}

void TestFoodAdder::linesWithoutACodeAddNothing() {
    for (const QString& c : {QStringLiteral(" --- FABRIKANTER ---"), QString()}) {
        const FoodAdder::Result r =
            FoodAdder::AddFoodToMeal(*m_state, QStringLiteral("x"), c, 0, false);
        QCOMPARE(r.status, FoodAdder::Status::NoCode);
    }
    QVERIFY(m_state->RecentFoods.isEmpty());
    QVERIFY(!m_state->registrationChanged());
    QVERIFY(m_state->AddHintPending);
}

void TestFoodAdder::fullMealKeepsItsRows() {
    for (int r = 1; r <= Registration::kLastRow; ++r) {
        m_state->registration.row(0, 0, r).kod = QStringLiteral("1_101");
        m_state->registration.row(0, 0, r).livsmedel = QStringLiteral("rad %1").arg(r);
    }
    for (int insertAt : {0, 5}) {
        const FoodAdder::Result r = add(QStringLiteral("1_104"), insertAt, insertAt > 0);
        QCOMPARE(r.status, FoodAdder::Status::MealFull);
        QCOMPARE(r.messages, QStringList{FoodAdder::kMealFullMessage});
    }
    QCOMPARE(m_state->registration.row(0, 0, 99).livsmedel, QStringLiteral("rad 99"));
    QCOMPARE(m_state->registration.row(0, 0, 5).livsmedel, QStringLiteral("rad 5"));

    // A food for the diet survey still goes there; the meal stays as it was.
    const QString code = QStringLiteral("1_104");
    const FoodAdder::Result survey =
        FoodAdder::AddFoodToMeal(*m_state, QStringLiteral("namn ") + code,
                                 companion(QStringLiteral("namn ") + code, code), 0, false, true);
    QCOMPARE(survey.status, FoodAdder::Status::DietSurvey);
    QCOMPARE(survey.code, code);
    QCOMPARE(m_state->registration.row(0, 0, 99).livsmedel, QStringLiteral("rad 99"));
}

void TestFoodAdder::pickListsPerMealType() {
    add(QStringLiteral("1_101"));
    add(QStringLiteral("1_101"));
    m_state->CurrentMeal = 6;
    add(QStringLiteral("1_104"));
    QCOMPARE(m_state->RecentFoods.names(), (QStringList{"namn 1_101", "namn 1_104"}));
    QCOMPARE(m_state->MealTypeFoods[0].names(), QStringList{"namn 1_101"});
    QCOMPARE(m_state->MealTypeFoods[3].names(), QStringList{"namn 1_104"});
    QCOMPARE(m_state->MealTypeFoods[3].companions(),
             QStringList{companion(QStringLiteral("namn 1_104"), QStringLiteral("1_104"))});
    QVERIFY(m_state->MealTypeFoods[1].isEmpty());
}

void TestFoodAdder::typedCode_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("code");
    QTest::newRow("digit first") << "1101"
                                 << "1_101";
    QTest::newRow("letter first") << "abbo002"
                                  << "ABBO002";
}

void TestFoodAdder::typedCode() {
    QFETCH(QString, typed);
    QFETCH(QString, code);
    QCOMPARE(FoodAdder::typedCode(typed), code);
}

void TestFoodAdder::addByCode() {
    const FoodAdder::Result r = FoodAdder::addByCode(*m_state, QStringLiteral("2104"));
    QCOMPARE(r.status, FoodAdder::Status::Added);
    const MealRow& row = m_state->registration.row(0, 0, 1);
    QCOMPARE(row.kod, QStringLiteral("2_104"));
    QCOMPARE(row.avfall, 0.0f); // no waste on this road
    QVERIFY(m_state->RecentFoods.isEmpty());
    QCOMPARE(FoodAdder::addByCode(*m_state, QStringLiteral("gröt")).status,
             FoodAdder::Status::NotFound);
}

QTEST_GUILESS_MAIN(TestFoodAdder)
#include "tst_foodadder.moc"
