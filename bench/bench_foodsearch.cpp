#include "core/analysis/FoodSearch.h"
#include "core/text/SwedishText.h"

#include <benchmark/benchmark.h>

#include <random>

using namespace vexamat;

namespace {

// Names built from common Swedish food words, in the sizes of the real tables.
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

const FoodCatalogue& catalogue() {
    static const FoodCatalogue c = [] {
        FoodCatalogue cat;
        cat.MainFoods = makeFoods(2500, QStringLiteral("1_"), 1);
        cat.FabrikantFoods = makeFoods(1000, QStringLiteral("Fab"), 2);
        cat.EgnaFoods = makeFoods(500, QStringLiteral("egna"), 3);
        cat.DabasFoods = makeFoods(8000, QStringLiteral("dab"), 4);
        return cat;
    }();
    return c;
}

void search(benchmark::State& state, const QString& text) {
    const FoodCatalogue& c = catalogue();
    FoodList list;
    int hits = 0;
    for (auto _ : state) {
        hits = FoodSearch::BuildFoodList(c, text, true, &list);
        benchmark::DoNotOptimize(hits);
    }
    state.counters["hits"] = hits;
}

void BM_BuildFoodList_OneLetter(benchmark::State& state) {
    search(state, QStringLiteral("m"));
}
void BM_BuildFoodList_TwoWords(benchmark::State& state) {
    search(state, QStringLiteral("fil mjölk"));
}
void BM_BuildFoodList_Word(benchmark::State& state) {
    search(state, QStringLiteral("gröt"));
}

} // namespace

BENCHMARK(BM_BuildFoodList_OneLetter)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BuildFoodList_TwoWords)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BuildFoodList_Word)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
