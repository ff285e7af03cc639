#include "core/AppState.h"
#include "core/catalogue/TableSchema.h"
#include "core/recipes/Kodgram.h"
#include "core/recipes/RecipeContents.h"
#include "core/recipes/MealTools.h"
#include "core/recipes/ReceptFile.h"
#include "core/recipes/RecipeFetch.h"
#include "core/recipes/RecipeIndex.h"
#include "core/recipes/RecipeRegister.h"
#include "core/registration/MealRowCodec.h"
#include "core/registration/RegistrationSession.h"
#include "support/TempDataFolder.h"

#include <QFile>
#include <QSqlQuery>
#include <QTest>

#include <cstring>
#include <limits>

using namespace vexamat;

Q_DECLARE_METATYPE(QList<KodgramEntry>)

namespace {

MealRow row(const QString& kod, float gram, float enhetsvikt, const QString& enhet) {
    MealRow r;
    r.kod = kod;
    r.livsmedel = kod;
    r.gram = gram;
    r.enhetsvikt = enhetsvikt;
    r.enhet = enhet;
    return r;
}

KodgramEntry entry(const QString& code, const QString& grams, const QString& weight = {},
                   const QString& unit = {}) {
    return {code, grams, weight, unit};
}

} // namespace

class TestRecipes : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void encode_data();
    void encode();
    void parse_data();
    void parse();
    void roundTrip();
    void saveReplaceAndRemove();
    void failedSaveWritesNothing();
    void indexFollowsTitleOrder();
    void fetchIntoFreeRows();
    void ingredientLines();
    void fetchIntoAFullMeal();
    void fetchIsOneUndoableStep();
    void receptFile_data();
    void receptFile();
    void divide_data();
    void divide();
    void storeOwnFood();
    void storeOwnFoodWithoutPlaceholder();

private:
    RecipeFetch::Tables tables() const {
        return {m_state->livtab100, m_state->fabrikant, m_state->egna, m_state->dabas,
                m_state->livtab2005};
    }
    std::unique_ptr<TempDataFolder> m_data;
    std::unique_ptr<AppState> m_state;
};

void TestRecipes::init() {
    m_data = std::make_unique<TempDataFolder>();
    QVERIFY(m_data->isValid());
    m_state = std::make_unique<AppState>();
    m_state->DataDir = m_data->path();
    QString error;
    QVERIFY2(m_state->openTables(&error), qPrintable(error));
}

void TestRecipes::cleanup() {
    m_state.reset();
    m_data.reset();
}

void TestRecipes::encode_data() {
    QTest::addColumn<QList<MealRow>>("rows");
    QTest::addColumn<QString>("expected");
    QTest::newRow("no rows") << QList<MealRow>{} << QStringLiteral("0!0/0@port;");
    QTest::newRow("one row") << QList<MealRow>{row("1234", 150, 50, "st")}
                             << QStringLiteral("1234!150/50@st;0!0/0@port;");
    QTest::newRow("decimals rounded")
        << QList<MealRow>{row("1_101", 12.6f, 0.4f, "g"), row("1_102", 2.5f, 99.5f, "dl")}
        << QStringLiteral("1_101!13/0@g;1_102!3/100@dl;0!0/0@port;");
    QTest::newRow("empty unit") << QList<MealRow>{row("8_101", 75, 150, "")}
                                << QStringLiteral("8_101!75/150@;0!0/0@port;");
    QTest::newRow("clock row") << QList<MealRow>{row("12:30", 0, 0, "")}
                               << QStringLiteral("12:30!0/0@;0!0/0@port;");
    QTest::newRow("unit with slash and semicolon")
        << QList<MealRow>{row("6_116", 250, 250, "1/2 port;stor")}
        << QStringLiteral("6_116!250/250@1/2 port,stor;0!0/0@port;");
}

void TestRecipes::encode() {
    QFETCH(QList<MealRow>, rows);
    QFETCH(QString, expected);
    Registration::Meal meal;
    for (int i = 0; i < rows.size(); ++i)
        meal[std::size_t(i + 2)] = rows[i]; // row 1 left empty: gaps are not stored
    QCOMPARE(Kodgram::encode(meal), expected);
}

void TestRecipes::parse_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<KodgramEntry>>("expected");
    QTest::newRow("terminator only") << QStringLiteral("0!0/0@port;") << QList<KodgramEntry>{};
    QTest::newRow("two entries") << QStringLiteral("1234!150/50@st;1_101!103/103@dl;0!0/0@port;")
                                 << QList<KodgramEntry>{entry("1234", "150", "50", "st"),
                                                        entry("1_101", "103", "103", "dl")};
    QTest::newRow("no slash") << QStringLiteral("1234!7,5;0!0/0@port;")
                              << QList<KodgramEntry>{entry("1234", "7,5")};
    QTest::newRow("slash in the unit") << QStringLiteral("1234!10/5@1/2 st;0!0/0@port;")
                                       << QList<KodgramEntry>{entry("1234", "10", "5", "1/2 st")};
    QTest::newRow("empty unit") << QStringLiteral("8_101!75/150@;0!0/0@port;")
                                << QList<KodgramEntry>{entry("8_101", "75", "150", "")};
    QTest::newRow("stops at the terminator") << QStringLiteral("1!1/1@g;0!0/0@port;2!2/2@g;")
                                             << QList<KodgramEntry>{entry("1", "1", "1", "g")};
    QTest::newRow("no terminator, no last semicolon")
        << QStringLiteral("1!1/1@g;2!2/2@dl")
        << QList<KodgramEntry>{entry("1", "1", "1", "g"), entry("2", "2", "2", "dl")};
    QTest::newRow("rubbish") << QStringLiteral("abc") << QList<KodgramEntry>{};
    QTest::newRow("empty") << QString() << QList<KodgramEntry>{};
}

void TestRecipes::parse() {
    QFETCH(QString, text);
    QFETCH(QList<KodgramEntry>, expected);
    QCOMPARE(Kodgram::parse(text), expected);
}

void TestRecipes::roundTrip() {
    Registration::Meal meal;
    meal[1] = row("1_101", 206, 103, "dl");
    meal[2] = row("08:30", 0, 0, "");
    meal[3] = row("egna001", 150, 150, "port");
    const QList<KodgramEntry> entries = Kodgram::parse(Kodgram::encode(meal));
    QCOMPARE(entries,
             (QList<KodgramEntry>{entry("1_101", "206", "103", "dl"), entry("08:30", "0", "0", ""),
                                  entry("egna001", "150", "150", "port")}));
}

void TestRecipes::saveReplaceAndRemove() {
    RecipeRegister reg(m_state->database, RecipeRegister::Kind::Own);
    QString error;
    Recipe r{"Gröt", "Frukost", "Varm", "1_101!103/103@dl;0!0/0@port;", "Koka.", {}};
    QVERIFY2(reg.save(r, &error), qPrintable(error));
    QSqlQuery set(m_state->database.db());
    QVERIFY(set.exec("UPDATE recept SET GrundPort = 4 WHERE Rubrik = 'Gröt'"));
    r.beskrivning = QStringLiteral("Koka länge.");
    r.kodgram = Kodgram::kTerminator;
    QVERIFY2(reg.save(r, &error), qPrintable(error));
    const std::optional<Recipe> back = reg.find(QStringLiteral("Gröt"));
    QVERIFY(back);
    QCOMPARE(back->beskrivning, QStringLiteral("Koka länge."));
    QCOMPARE(back->kodgram, QStringLiteral("0!0/0@port;"));
    QCOMPARE(back->grundPort, QStringLiteral("4")); // kept on replace
    QCOMPARE(reg.recipes().size(), 1);
    QCOMPARE(reg.remove(QStringLiteral("Gröt"), &error), RecipeRegister::Removed::Done);
    QCOMPARE(reg.remove(QStringLiteral("Gröt"), &error), RecipeRegister::Removed::NotFound);
    QVERIFY(!reg.find(QStringLiteral("Gröt")));
}

void TestRecipes::failedSaveWritesNothing() {
    RecipeRegister reg(m_state->database, RecipeRegister::Kind::General);
    const int before = int(reg.recipes().size());
    QSqlQuery trigger(m_state->database.db());
    QVERIFY(trigger.exec("CREATE TRIGGER stop BEFORE INSERT ON recept2 WHEN NEW.Rubrik = 'Bad' "
                         "BEGIN SELECT RAISE(ABORT, 'nej'); END"));
    QString error;
    QVERIFY(!reg.save(Recipe{"Bad", {}, {}, Kodgram::kTerminator, {}, {}}, &error));
    QVERIFY(error.startsWith(QStringLiteral("Receptet kunde inte sparas: ")));
    QCOMPARE(int(reg.recipes().size()), before);
    QVERIFY(!m_state->database.db().rollback()); // no transaction left open
}

void TestRecipes::indexFollowsTitleOrder() {
    FoodCatalogue& cat = m_state->catalogue;
    RecipeIndex::LoadRecipeIndex(m_state->database, cat);
    const int general = int(cat.GeneralRecipes.size());
    QVERIFY(general > 0);
    QCOMPARE(cat.FoodCount[4], general);
    QCOMPARE(cat.FoodCount[3], general); // the larger of the two counts
    QCOMPARE(cat.GeneralRecipes[0].kod, QStringLiteral("receptallm0"));

    RecipeRegister own(m_state->database, RecipeRegister::Kind::Own);
    QString error;
    QVERIFY(own.save(Recipe{"Ölbröd", {}, {}, Kodgram::kTerminator, {}, {}}, &error));
    QVERIFY(own.save(Recipe{"Bullar", {}, {}, Kodgram::kTerminator, {}, {}}, &error));
    RecipeIndex::LoadRecipeIndex(m_state->database, cat);
    QCOMPARE(cat.OwnRecipes.size(), std::size_t(2));
    QCOMPARE(cat.OwnRecipes[1].livsmedel, QStringLiteral("Ölbröd")); // Swedish order: Ö last
    QVERIFY(own.save(Recipe{"Äppelkaka", {}, {}, Kodgram::kTerminator, {}, {}}, &error));
    QVERIFY(own.save(Recipe{"Apelsin", {}, {}, Kodgram::kTerminator, {}, {}}, &error));
    RecipeIndex::LoadRecipeIndex(m_state->database, cat);
    QCOMPARE(RecipeIndex::codeOfTitle(cat.OwnRecipes, QStringLiteral("Apelsin")),
             QStringLiteral("receptegna0"));
    QCOMPARE(RecipeIndex::codeOfTitle(cat.OwnRecipes, QStringLiteral("Ölbröd")),
             QStringLiteral("receptegna3"));
    QCOMPARE(RecipeIndex::titleOfCode(cat, QStringLiteral("receptegna2")),
             QStringLiteral("Äppelkaka"));
    QCOMPARE(RecipeIndex::titleOfCode(cat, QStringLiteral("receptegna9")), QString());
}

void TestRecipes::fetchIntoFreeRows() {
    Registration::Meal meal;
    meal[1] = row("1_101", 100, 103, "dl");
    meal[2] = row("1_102", 100, 103, "dl");
    meal[4] = row("1_103", 100, 103, "dl"); // in use: never written over
    const QList<KodgramEntry> entries =
        Kodgram::parse("1_101!206/100@glas;gone!5/5@g;10:15!0/0@;egna001!75/99@dl;"
                       "1_199!50/50@x;0!0/0@port;");
    const RecipeFetch::Result r = RecipeFetch::fillMeal(meal, entries, tables());
    QCOMPARE(r.firstRow, 3);
    QCOMPARE(r.filled, 4);
    QCOMPARE(r.missingCodes, QStringList{"gone"});
    QCOMPARE(r.leftOut, 0);
    QCOMPARE(r.messages(), QStringList{"Livsmedel med nr gone finns ej."});
    // livtab100: the recipe's unit and weight, the table's values.
    QCOMPARE(meal[3].kod, QStringLiteral("1_101"));
    QCOMPARE(meal[3].livsmedel, QStringLiteral("Mjölk fett 3%"));
    QCOMPARE(meal[3].enhet, QStringLiteral("glas"));
    QCOMPARE(meal[3].enhetsvikt, 100.0f);
    QCOMPARE(meal[3].gram, 206.0f);
    QCOMPARE(meal[3].naring[nutrientSlot(nutrient::Kcal)], 59.0f);
    QCOMPARE(meal[3].altEnhet[0], QStringLiteral("glas"));
    QCOMPARE(meal[4].kod, QStringLiteral("1_103"));
    // A clock-time row.
    QCOMPARE(meal[5].kod, QStringLiteral("10:15"));
    QCOMPARE(meal[5].livsmedel, QStringLiteral("10:15"));
    QCOMPARE(meal[5].gram, 0.0f);
    // Another table: its own unit and portion.
    QCOMPARE(meal[6].kod, QStringLiteral("egna001"));
    QCOMPARE(meal[6].enhet, QStringLiteral("port"));
    QCOMPARE(meal[6].enhetsvikt, 150.0f);
    QCOMPARE(meal[6].gram, 75.0f);
    QCOMPARE(meal[6].naring[nutrientSlot(nutrient::Kcal)], 223.0f);
    // The older main table is the last one asked.
    QCOMPARE(meal[7].kod, QStringLiteral("1_199"));
    QCOMPARE(meal[7].livsmedel, QStringLiteral("Kärnmjölk fett 0,5%"));
    QCOMPARE(meal[7].enhet, QStringLiteral("dl"));
    QVERIFY(meal[8].isEmpty());
}

void TestRecipes::ingredientLines() {
    // 1_101 is in livtab100 and livtab2005; Abbo001 is only in fabrikant, which is not
    // asked; a clock-time row gives no line.
    const QStringList lines = RecipeContents::ingredientLines(
        "1_101!7,5/103@dl;10:00!0/0@;Abbo001!200/200@flaska;egna001!1234,4;0!0/0@port;",
        {m_state->livtab100, m_state->dabas, m_state->egna, m_state->livtab2005});
    QCOMPARE(lines, (QStringList{"      8g    Mjölk fett 3%", "      8g    Mjölk fett 3%",
                                 "1234,4g    Mormors köttbullar"}));
}

void TestRecipes::fetchIntoAFullMeal() {
    Registration::Meal meal;
    for (int r = 1; r <= 97; ++r)
        meal[std::size_t(r)] = row("1_101", 1, 1, "g");
    const QList<KodgramEntry> entries =
        Kodgram::parse("1_102!1/1@g;1_103!2/2@g;1_104!3/3@g;1_105!4/4@g;1_106!5/5@g;0!0/0@port;");
    const RecipeFetch::Result r = RecipeFetch::fillMeal(meal, entries, tables());
    QCOMPARE(r.firstRow, 98);
    QCOMPARE(r.filled, 2);
    QCOMPARE(r.leftOut, 3);
    QCOMPARE(r.messages(),
             QStringList{"Måltiden rymmer inte hela receptet: 3 rader kom inte med."});
    QCOMPARE(meal[98].kod, QStringLiteral("1_102"));
    QCOMPARE(meal[99].kod, QStringLiteral("1_103"));
    QVERIFY(meal[0].isEmpty()); // row 0 is never used
}

void TestRecipes::fetchIsOneUndoableStep() {
    RegistrationSession session(*m_state);
    m_state->CurrentMeal = 2;
    Registration::Meal meal = m_state->registration.meal(0, 2);
    RecipeFetch::fillMeal(meal, Kodgram::parse("1_101!100/100@dl;1_102!50/50@dl;"), tables());
    QVERIFY(session.replaceMeal(RegistrationSession::kRecipeStep, meal));
    QCOMPARE(m_state->registration.row(0, 2, 2).kod, QStringLiteral("1_102"));
    QVERIFY(session.isChanged());
    QCOMPARE(session.undoName(), QStringLiteral("Hämta recept"));
    QVERIFY(session.undo());
    QVERIFY(m_state->registration.row(0, 2, 1).isEmpty());
    QVERIFY(m_state->registration.row(0, 2, 2).isEmpty());
    QVERIFY(!session.isChanged());
    QVERIFY(!session.replaceMeal(RegistrationSession::kRecipeStep,
                                 m_state->registration.meal(0, 2))); // nothing changes
}

void TestRecipes::receptFile_data() {
    MealRow good = row("1_101", 206, 103, "dl");
    good.naring[1] = 59;
    const QByteArray header(ReceptFile::kRecordSize, 'H');
    const QByteArray goodRecord = MealRowCodec::encode(good);
    QByteArray badLength = goodRecord;
    badLength[104] = char(17); // enhet holds 16
    QByteArray nan = goodRecord;
    const float notANumber = std::numeric_limits<float>::quiet_NaN();
    std::memcpy(nan.data() + 224, &notANumber, 4); // gram
    QByteArray inf = goodRecord;
    const float infinite = std::numeric_limits<float>::infinity();
    std::memcpy(inf.data() + 248 + 4 * 71, &infinite, 4); // the last nutrient
    const QByteArray unknown = MealRowCodec::encode(row("nix", 5, 5, "g"));
    const QByteArray clock = MealRowCodec::encode(row("12:00", 0, 0, ""));

    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("problems");
    QTest::newRow("good") << header + goodRecord + clock + goodRecord << 3 << QStringList{};
    QTest::newRow("header only") << header << 0 << QStringList{};
    QTest::newRow("truncated") << header + goodRecord + goodRecord.left(100) << 1
                               << QStringList{"Post 2: posten är avkortad (100 av 536 byte)"};
    QTest::newRow("bad length byte")
        << header + badLength + goodRecord << 1
        << QStringList{"Post 1: fältet enhet anger 17 tecken, högst 16 ryms"};
    QTest::newRow("not finite") << header + nan + inf + goodRecord << 1
                                << QStringList{"Post 1: fältet gram är inget tal",
                                               "Post 2: fältet naring är inget tal"};
    QTest::newRow("unknown code") << header + unknown + goodRecord << 1
                                  << QStringList{"Post 1: livsmedel med nr nix finns ej"};
    QTest::newRow("shorter than the header")
        << QByteArray(10, 'x') << 0 << QStringList{"Filen är kortare än en post"};
}

void TestRecipes::receptFile() {
    QFETCH(QByteArray, data);
    QFETCH(int, rows);
    QFETCH(QStringList, problems);
    m_data->write(QStringLiteral("test.recept"), data);
    const auto known = [this](const QString& code) {
        return m_state->livtab100.findByCode(code).has_value();
    };
    const ReceptFile::Result r = ReceptFile::read(m_data->filePath("test.recept"), known);
    QVERIFY(r.opened);
    QCOMPARE(r.problems, problems);
    QCOMPARE(int(r.rows.size()), rows);
    if (rows > 0) {
        QCOMPARE(r.rows[0].kod, QStringLiteral("1_101"));
        QCOMPARE(r.rows[0].gram, 206.0f);
        QCOMPARE(r.rows[0].naring[1], 59.0f);
    }
}

void TestRecipes::divide_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<float>("flour");
    QTest::addColumn<float>("milk");
    QTest::newRow("4") << "4" << true << 100.0f << 200.0f;
    QTest::newRow("2,5") << " 2,5" << true << 160.0f << 320.0f;
    QTest::newRow("1") << "1" << true << 400.0f << 800.0f;
    QTest::newRow("0") << "0" << false << 400.0f << 800.0f;
    QTest::newRow("0.5") << "0.5" << false << 400.0f << 800.0f;
    QTest::newRow("-4") << "-4" << false << 400.0f << 800.0f;
    QTest::newRow("text") << "fyra" << false << 400.0f << 800.0f;
    QTest::newRow("empty") << "" << false << 400.0f << 800.0f;
}

void TestRecipes::divide() {
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    QFETCH(float, flour);
    QFETCH(float, milk);
    Registration::Meal meal;
    meal[1] = row("1_101", 400, 1, "g");
    meal[2] = row("12:00", 0, 0, "");
    meal[3] = row("1_102", 800, 1, "g");
    float n = 0;
    QCOMPARE(MealTools::portionsOf(typed, &n), accepted);
    if (accepted)
        MealTools::divide(meal, n);
    QCOMPARE(meal[1].gram, flour);
    QCOMPARE(meal[2].gram, 0.0f);
    QCOMPARE(meal[3].gram, milk);
}

void TestRecipes::storeOwnFood() {
    Registration::Meal meal;
    meal[1] = row("1_101", 400, 1, "g");
    meal[2] = row("1_102", 800, 1, "g");
    QCOMPARE(MealTools::totalGrams(meal), 1200.0f);
    NutrientValues sums{};
    sums[nutrientSlot(nutrient::Kcal)] = 960;
    sums[nutrientSlot(nutrient::Kj)] = 4000;
    float weight = 0;
    QVERIFY(!MealTools::weightOf("0,05", &weight));
    QVERIFY(!MealTools::weightOf("tung", &weight));
    QVERIFY(MealTools::weightOf("1000", &weight));
    const NutrientValues per100 = MealTools::per100g(sums, weight);
    QCOMPARE(per100[nutrientSlot(nutrient::Kcal)], 96.0f);
    QCOMPARE(per100[nutrientSlot(nutrient::Kj)], 400.0f);

    MealTools::Stored stored;
    QString error;
    QVERIFY2(
        MealTools::storeOwnFood(m_state->database, "Pannkaka", weight, per100, &stored, &error),
        qPrintable(error));
    QCOMPARE(stored.code, QStringLiteral("egna005")); // the first placeholder
    const std::optional<TableRecord> rec = m_state->egna.findByCode(stored.code);
    QVERIFY(rec);
    QCOMPARE(rec->text("Livsmedel"), QStringLiteral("Pannkaka"));
    QCOMPARE(rec->number("Portionsstorlek"), std::optional<double>(1000));
    QCOMPARE(rec->text("Enhet"), QStringLiteral("port"));
    QCOMPARE(rec->number(TableSchema::kFirstNutrientPosition + 1), std::optional<double>(96));
    QCOMPARE(rec->number(TableSchema::kFirstNutrientPosition), std::optional<double>(400));
    m_state->catalogue.loadEgna(m_state->egna);
    bool listed = false;
    for (const FoodRecord& f : m_state->catalogue.EgnaFoods)
        listed = listed || (f.kod == stored.code && f.livsmedel == "Pannkaka");
    QVERIFY(listed);
}

void TestRecipes::storeOwnFoodWithoutPlaceholder() {
    QSqlQuery q(m_state->database.db());
    QVERIFY(q.exec("UPDATE egna SET Livsmedel = 'Fylld ' || Kod WHERE Livsmedel IS NULL OR "
                   "TRIM(Livsmedel) = '' OR UPPER(Livsmedel) = 'RESERV'"));
    const int before = m_state->egna.count();
    MealTools::Stored stored;
    QString error;
    QVERIFY2(
        MealTools::storeOwnFood(m_state->database, "Soppa", 500, NutrientValues{}, &stored, &error),
        qPrintable(error));
    QCOMPARE(m_state->egna.count(), before + 1);
    QVERIFY(m_state->egna.findByCode(stored.code));
    QCOMPARE(m_state->egna.findByCode(stored.code)->text("Livsmedel"), QStringLiteral("Soppa"));
}

QTEST_GUILESS_MAIN(TestRecipes)
#include "tst_recipes.moc"
