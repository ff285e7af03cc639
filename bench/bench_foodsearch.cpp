// The name search over catalogues of 3,000 to 200,000 foods, next to a plain scan of the same
// upper-case names and SQLite's LIKE over the same names, so that the ratios can be read off.
#include "core/analysis/FoodSearch.h"
#include "core/catalogue/FoodNameIndex.h"
#include "core/text/SwedishText.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include <benchmark/benchmark.h>

#include <map>
#include <random>

using namespace vexamat;

namespace {

// Names built from common Swedish food words.
std::vector<FoodRecord> makeFoods(int count, const QString& prefix, unsigned seed) {
    static const QStringList words{
        "mjölk", "fil",     "gröt",     "bröd",     "ost",      "smör",    "ägg",     "potatis",
        "ris",   "pasta",   "kyckling", "fläsk",    "nöt",      "lax",     "sill",    "äpple",
        "banan", "apelsin", "morot",    "lök",      "grädde",   "yoghurt", "kokt",    "stekt",
        "rå",    "fett",    "lätt",     "naturell", "fullkorn", "socker",  "choklad", "soppa"};
    std::mt19937 random(seed);
    std::vector<FoodRecord> foods;
    foods.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        QString name = words.at(int(random() % words.size()));
        name[0] = name[0].toUpper();
        const int extra = 1 + int(random() % 3);
        for (int w = 0; w < extra; ++w)
            name += QLatin1Char(' ') + words.at(int(random() % words.size()));
        name += QStringLiteral(" fett %1%").arg(random() % 40);
        FoodRecord f;
        f.kod = prefix + QString::number(i);
        f.livsmedel = name;
        f.upperName = SwedishText::upper(name);
        f.portionsstorlek = QStringLiteral("100");
        f.enhet = QStringLiteral("g");
        foods.push_back(std::move(f));
    }
    std::sort(foods.begin(), foods.end(), [](const FoodRecord& a, const FoodRecord& b) {
        return SwedishText::lessThan(a.livsmedel, b.livsmedel);
    });
    return foods;
}

// The four food tables in the proportions of the real data (national table, manufacturers,
// own foods, DABAS), scaled to the total.
struct Sized {
    FoodCatalogue catalogue;
    std::vector<std::string> upperNames; // every name of the four tables, for the plain scan
    QSqlDatabase db;
};

Sized& sized(int total) {
    static std::map<int, std::unique_ptr<Sized>> made;
    std::unique_ptr<Sized>& s = made[total];
    if (s)
        return *s;
    s = std::make_unique<Sized>();
    FoodCatalogue& cat = s->catalogue;
    cat.MainFoods = makeFoods(total * 5 / 24, QStringLiteral("1_"), 1);
    cat.FabrikantFoods = makeFoods(total / 12, QStringLiteral("Fab"), 2);
    cat.EgnaFoods = makeFoods(total / 24, QStringLiteral("egna"), 3);
    cat.DabasFoods = makeFoods(total * 2 / 3, QStringLiteral("dab"), 4);
    const QString connection = QStringLiteral("bench%1").arg(total);
    s->db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    s->db.setDatabaseName(QStringLiteral(":memory:"));
    s->db.open();
    QSqlQuery q(s->db);
    q.exec(QStringLiteral("CREATE TABLE foods (kod TEXT, livsmedel TEXT)"));
    s->db.transaction();
    q.prepare(QStringLiteral("INSERT INTO foods VALUES (?, ?)"));
    for (const FoodSection* section :
         {&cat.MainFoods, &cat.FabrikantFoods, &cat.EgnaFoods, &cat.DabasFoods}) {
        for (const FoodRecord& f : *section) {
            std::string upper;
            FoodNameIndex::appendUtf8(upper, f.upperName);
            s->upperNames.push_back(std::move(upper));
            q.addBindValue(f.kod);
            q.addBindValue(f.livsmedel);
            q.exec();
        }
    }
    s->db.commit();
    // The first search prepares the names; that is start-up work, not a search's.
    FoodList warm;
    FoodSearch::BuildFoodList(cat, QStringLiteral("x"), true, &warm);
    return *s;
}

const QString kQueries[] = {QStringLiteral("m"), QStringLiteral("mjölk"),
                            QStringLiteral("fil mjölk")};

void BM_Search(benchmark::State& state) {
    Sized& s = sized(int(state.range(0)));
    const QString& text = kQueries[state.range(1)];
    FoodList list;
    int hits = 0;
    for (auto _ : state) {
        hits = FoodSearch::BuildFoodList(s.catalogue, text, true, &list);
        benchmark::DoNotOptimize(hits);
    }
    state.counters["hits"] = hits;
}

// The least any search must do: look at every upper-case name once and keep the hits.
void BM_PlainScan(benchmark::State& state) {
    Sized& s = sized(int(state.range(0)));
    std::string needle;
    FoodNameIndex::appendUtf8(needle, SwedishText::upper(kQueries[state.range(1)]));
    const std::size_t blank = needle.find(' ');
    const std::string first = needle.substr(0, blank);
    const std::string second = blank == needle.npos ? std::string() : needle.substr(blank + 1);
    std::vector<int> hits;
    for (auto _ : state) {
        hits.clear();
        for (int i = 0; i < int(s.upperNames.size()); ++i) {
            const std::string& name = s.upperNames[std::size_t(i)];
            if (name.find(first) != name.npos && name.find(second) != name.npos)
                hits.push_back(i);
        }
        benchmark::DoNotOptimize(hits.data());
    }
    state.counters["hits"] = double(hits.size());
}

void BM_SqliteLike(benchmark::State& state) {
    Sized& s = sized(int(state.range(0)));
    const QStringList words = kQueries[state.range(1)].split(QLatin1Char(' '));
    QString sql = QStringLiteral("SELECT kod, livsmedel FROM foods WHERE livsmedel LIKE ?");
    if (words.size() > 1)
        sql += QStringLiteral(" AND livsmedel LIKE ?");
    QSqlQuery q(s.db);
    q.setForwardOnly(true);
    q.prepare(sql);
    int hits = 0;
    for (auto _ : state) {
        for (const QString& w : words)
            q.addBindValue(QLatin1Char('%') + w + QLatin1Char('%'));
        q.exec();
        hits = 0;
        while (q.next())
            ++hits;
    }
    state.counters["hits"] = hits;
}

void sizes(benchmark::internal::Benchmark* b) {
    for (int total : {3000, 12000, 50000, 200000}) {
        for (int query = 0; query < 3; ++query)
            b->Args({total, query});
    }
}

} // namespace

BENCHMARK(BM_Search)->Apply(sizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlainScan)->Apply(sizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SqliteLike)->Apply(sizes)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
