#include "core/analysis/FoodSearch.h"
#include "core/catalogue/FoodTable.h"

#include <QTest>

#include <random>

using namespace vexamat;

namespace {

FoodRecord food(const QString& kod, const QString& name,
                const QString& portion = QStringLiteral("100"),
                const QString& unit = QStringLiteral("g")) {
    FoodRecord f;
    f.kod = kod;
    f.livsmedel = name;
    f.portionsstorlek = portion;
    f.enhet = unit;
    return f;
}

// A small catalogue in name order, as the tables give it.
FoodCatalogue catalogue() {
    FoodCatalogue c;
    c.MainFoods = {food("1_201", "Filmjölk fett 3%", "103", "dl"),
                   food("1_202", "Gröt havre", "250", "port"),
                   food("1_203", "Grötris kokt"),
                   food("1_204", "Mjölk fett 3%", "103", "dl"),
                   food("1_205", "Risgrynsgröt"),
                   food("1_206", "Ägg kokt", "60", "st")};
    c.MainFoods.edit(1).grupp1 = QStringLiteral("Gröt och välling");
    c.MainFoods.edit(2).grupp1 = QStringLiteral("Gröt och välling");
    c.FabrikantFoods = {food("Abbo001", "Demo gröt vanilj"), food("Nest001", "Välling fullkorn"),
                        food("NEST002", "Mjölk fil dryck")};
    c.EgnaFoods = {food("egna001", "Gröt mormors"), food("egna005", "RESERV")};
    c.DabasFoods = {food("dab123", "Grötmix /Demomejeriet")};
    return c;
}

const QString kFab = QStringLiteral("                         --- FABRIKANTER ---");
const QString kEgna = QStringLiteral("                         --- EGNA VÄRDEN ---");
const QString kDabas = QStringLiteral("                         --- DABAS ---");
const QString kDabasOff = QStringLiteral("                         --- DABAS EJ AKTIVERAD ---");

// A generated catalogue: names of Swedish words with accents, capitals, blanks and the
// RESERV placeholder, in every section.
FoodCatalogue generatedCatalogue() {
    static const QStringList words{"mjölk",  "Fil", "gröt", "ÅKAR", "ägg",  "ost",   "Ö",
                                   "RESERV", "lök", "é",    "m",    "smör", "Mjölk", "ris"};
    std::mt19937 random(7);
    const auto section = [&](const QString& prefix, int count) {
        std::vector<FoodRecord> foods;
        for (int i = 0; i < count; ++i) {
            QStringList name;
            const int n = 1 + int(random() % 3);
            for (int w = 0; w < n; ++w)
                name << words.at(int(random() % words.size()));
            foods.push_back(food(prefix + QString::number(i), name.join(QLatin1Char(' '))));
        }
        foods.push_back(food(prefix + QStringLiteral("r"), QStringLiteral("RESERV")));
        return foods;
    };
    FoodCatalogue c;
    c.MainFoods = section(QStringLiteral("1_"), 400);
    c.FabrikantFoods = section(QStringLiteral("Fab"), 100);
    c.EgnaFoods = section(QStringLiteral("egna"), 50);
    c.DabasFoods = section(QStringLiteral("dab"), 300);
    c.OwnRecipes = section(QStringLiteral("recept"), 20);
    c.GeneralRecipes = section(QStringLiteral("receptallm"), 20);
    return c;
}

// The search written out plainly over QStrings: what the list must show.
FoodList referenceSearch(const FoodCatalogue& c, const QString& text) {
    const QString q = text.toUpper();
    const qsizetype blank = q.indexOf(QLatin1Char(' '));
    const auto matches = [&](const FoodSection& foods, FoodList* list) {
        QList<const FoodRecord*> prefix;
        QList<const FoodRecord*> contained;
        for (const FoodRecord& f : foods) {
            const QString name = f.livsmedel.toUpper();
            if (name.startsWith(q)) {
                if (name != QLatin1String("RESERV"))
                    prefix << &f;
            } else if (blank < 0
                           ? name.contains(q)
                           : name.contains(q.left(blank)) && name.contains(q.mid(blank + 1))) {
                contained << &f;
            }
        }
        for (const FoodRecord* f : prefix + contained)
            list->add(f->livsmedel, FoodSearch::companionLine(*f));
        return int(prefix.size() + contained.size());
    };
    FoodList list;
    const QString indent(25, QLatin1Char(' '));
    int hits = matches(c.MainFoods, &list);
    const std::pair<const FoodSection*, QString> sections[] = {
        {&c.FabrikantFoods, QStringLiteral("--- FABRIKANTER ---")},
        {&c.EgnaFoods, QStringLiteral("--- EGNA VÄRDEN ---")},
        {&c.DabasFoods, QStringLiteral("--- DABAS ---")}};
    for (const auto& [foods, title] : sections) {
        list.add(indent + title, QLatin1Char(' ') + title);
        hits += matches(*foods, &list);
    }
    const std::pair<const FoodSection*, QString> recipes[] = {
        {&c.OwnRecipes, QStringLiteral("--- EGNA RECEPT ---")},
        {&c.GeneralRecipes, QStringLiteral("--- ALLMÄNNA RECEPT ---")}};
    for (const auto& [foods, title] : recipes) {
        FoodList found;
        if (matches(*foods, &found) == 0)
            continue;
        list.add(indent + title, QLatin1Char(' ') + title);
        list.append(found);
        hits += found.size();
    }
    if (hits == 0)
        list.add(FoodSearch::kNoHits + q, QString());
    return list;
}

} // namespace

class TestFoodSearch : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void buildFoodList_data();
    void buildFoodList();
    void companionLinesFollowTheirLines();
    void sameAsAPlainSearch_data();
    void sameAsAPlainSearch();
    void emptyTextKeepsTheList();
    void filterByManufacturer_data();
    void filterByManufacturer();
    void dabasArticleUrl();
    void articleUrlOfAManufacturersFood();
    void onlyWebAddressesOpen_data();
    void onlyWebAddressesOpen();
};

void TestFoodSearch::buildFoodList_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("dabas");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("hits");

    QTest::newRow("prefix before contained, each section")
        << "gröt" << true
        << QStringList{"Gröt havre",           "Grötris kokt", "Risgrynsgröt", kFab,
                       "Demo gröt vanilj",     kEgna,          "Gröt mormors", kDabas,
                       "Grötmix /Demomejeriet"}
        << 6;
    QTest::newRow("two words in any order")
        << "fil mjölk" << true
        << QStringList{"Filmjölk fett 3%", kFab, "Mjölk fil dryck", kEgna, kDabas} << 2;
    QTest::newRow("no hits") << "xyz" << true
                             << QStringList{kFab, kEgna, kDabas, "Ingen träff på  XYZ"} << 0;
    QTest::newRow("dabas off") << "grötmix" << false
                               << QStringList{kFab, kEgna, kDabasOff, "Ingen träff på  GRÖTMIX"}
                               << 0;
    QTest::newRow("å ä ö upper-cased")
        << "ÄGG" << true << QStringList{"Ägg kokt", kFab, kEgna, kDabas} << 1;
    QTest::newRow("placeholders only in the contained pass")
        << "reserv" << true << QStringList{kFab, kEgna, kDabas, "Ingen träff på  RESERV"} << 0;
    QTest::newRow("placeholder contained")
        << "eserv" << true << QStringList{kFab, kEgna, "RESERV", kDabas} << 1;
    QTest::newRow("brand filter") << "/demomejeriet" << true
                                  << QStringList{kFab, kEgna, kDabas, "Grötmix /Demomejeriet"} << 1;
}

void TestFoodSearch::buildFoodList() {
    QFETCH(QString, text);
    QFETCH(bool, dabas);
    QFETCH(QStringList, lines);
    QFETCH(int, hits);
    FoodList list;
    QCOMPARE(FoodSearch::BuildFoodList(catalogue(), text, dabas, &list), hits);
    QCOMPARE(list.lines, lines);
    QCOMPARE(list.companions().size(), list.lines.size());
}

void TestFoodSearch::companionLinesFollowTheirLines() {
    FoodList list;
    FoodSearch::BuildFoodList(catalogue(), QStringLiteral("gröt h"), false, &list);
    QCOMPARE(list.companions(),
             (QStringList{"Gröt havre{1_202}250@port", " --- FABRIKANTER ---",
                          " --- EGNA VÄRDEN ---", "         --- DABAS EJ AKTIVERAD ---"}));
    FoodSearch::BuildFoodList(catalogue(), QStringLiteral("qq"), true, &list);
    QCOMPARE(list.companions().last(), QString());
    QCOMPARE(FoodSearch::codeOfCompanion(list.companions().last()), QString());
    QCOMPARE(FoodSearch::codeOfCompanion(QStringLiteral(" --- DABAS ---")), QString());
}

void TestFoodSearch::sameAsAPlainSearch_data() {
    QTest::addColumn<QString>("text");
    for (const char* text :
         {"m", "M", "mjölk", "MJÖLK M", "ö", "å", "é", "reserv", "eserv", "fil mjölk", "mjölk fil",
          "lök ", " lök", " ", "g r", "smör ägg ost", "qq", "k m", "ägg ägg"})
        QTest::newRow(text) << QString::fromUtf8(text);
}

void TestFoodSearch::sameAsAPlainSearch() {
    QFETCH(QString, text);
    static const FoodCatalogue c = generatedCatalogue();
    FoodList list;
    FoodSearch::BuildFoodList(c, text, true, &list);
    const FoodList expected = referenceSearch(c, text);
    QCOMPARE(list.lines, expected.lines);
    QCOMPARE(list.companions(), expected.companions());
}

void TestFoodSearch::emptyTextKeepsTheList() {
    FoodList list;
    list.add(QStringLiteral("kvar"), QStringLiteral("kvar{1}1@g"));
    QCOMPARE(FoodSearch::BuildFoodList(catalogue(), QString(), true, &list), -1);
    QCOMPARE(list.lines, QStringList{QStringLiteral("kvar")});
}

void TestFoodSearch::filterByManufacturer_data() {
    QTest::addColumn<QString>("fragment");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("letter case ignored")
        << "Nest" << QStringList{"Välling fullkorn", "Mjölk fil dryck"};
    QTest::newRow("heading matches nothing") << "Fabrikanter" << QStringList{};
}

void TestFoodSearch::filterByManufacturer() {
    QFETCH(QString, fragment);
    QFETCH(QStringList, lines);
    FoodList list;
    QVERIFY(FoodSearch::FilterByManufacturer(catalogue(), fragment, &list));
    QCOMPARE(list.lines, lines);
    QCOMPARE(FoodSearch::manufacturers().at(13),
             (QPair<QString, QString>{QStringLiteral("Novartis"), QStringLiteral("NMN")}));
}

void TestFoodSearch::dabasArticleUrl() {
    QCOMPARE(FoodSearch::dabasArticleUrl(QStringLiteral("dab12345678"),
                                         QStringLiteral("https://dabas.example/")),
             QStringLiteral(
                 "https://dabas.example/PublicDb/PublicArticle.aspx?typ=PB&GTIN=00000012345678"));
    FoodTable closed;
    QCOMPARE(FoodSearch::articleUrl(QStringLiteral("dab07310000000001"), closed,
                                    QStringLiteral("https://h")),
             QStringLiteral("https://h/PublicDb/PublicArticle.aspx?typ=PB&GTIN=07310000000001"));
}

void TestFoodSearch::articleUrlOfAManufacturersFood() {
    FoodTable closed;
    QCOMPARE(FoodSearch::articleUrl(QStringLiteral("Abbo001"), closed, QStringLiteral("https://h")),
             QString());
}

void TestFoodSearch::onlyWebAddressesOpen_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("link");
    QTest::newRow("https") << "https://www.arla.se/produkt"
                           << "https://www.arla.se/produkt";
    QTest::newRow("scheme in capitals") << " HTTP://arla.se "
                                        << "http://arla.se";
    QTest::newRow("no scheme") << "www.arla.se"
                               << "http://www.arla.se";
    QTest::newRow("no scheme, with a port") << "www.arla.se:8080/a"
                                            << "http://www.arla.se:8080/a";
    QTest::newRow("a local file") << "file:///etc/passwd"
                                  << "";
    QTest::newRow("a path") << "/etc/passwd"
                            << "";
    QTest::newRow("script") << "javascript:alert(1)"
                            << "";
    QTest::newRow("ftp") << "ftp://arla.se"
                         << "";
    QTest::newRow("empty") << "  "
                           << "";
}

void TestFoodSearch::onlyWebAddressesOpen() {
    QFETCH(QString, field);
    QFETCH(QString, link);
    QCOMPARE(FoodSearch::webLink(field), link);
    // A DABAS host set to something else never opens either.
    FoodTable closed;
    QCOMPARE(FoodSearch::articleUrl(QStringLiteral("dab1"), closed, QStringLiteral("file:///tmp")),
             QString());
}

QTEST_GUILESS_MAIN(TestFoodSearch)
#include "tst_foodsearch.moc"
