// Filling the main window's food list with the hits of a one-letter search and painting it,
// at 12,000 and 200,000 foods: what a user waits for after typing a letter.
#include "core/analysis/FoodSearch.h"
#include "core/text/SwedishText.h"
#include "ui/catalogue/FoodListModel.h"

#include <QApplication>
#include <QListView>
#include <QPixmap>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <random>

using namespace vexamat;

namespace {

std::vector<FoodRecord> makeFoods(int count, unsigned seed) {
    static const QStringList words{"mjölk", "fil",   "gröt",  "bröd",     "ost",  "smör",
                                   "ägg",   "ris",   "pasta", "kyckling", "lax",  "äpple",
                                   "banan", "morot", "lök",   "grädde",   "kokt", "stekt"};
    std::mt19937 random(seed);
    std::vector<FoodRecord> foods;
    for (int i = 0; i < count; ++i) {
        QString name = words.at(int(random() % words.size()));
        for (int w = 0; w < 2; ++w)
            name += QLatin1Char(' ') + words.at(int(random() % words.size()));
        FoodRecord f;
        f.kod = QString::number(i);
        f.livsmedel = name;
        f.upperName = SwedishText::upper(name);
        f.portionsstorlek = QStringLiteral("100");
        f.enhet = QStringLiteral("g");
        foods.push_back(std::move(f));
    }
    return foods;
}

const FoodCatalogue& catalogue(int total) {
    static std::map<int, std::unique_ptr<FoodCatalogue>> made;
    std::unique_ptr<FoodCatalogue>& c = made[total];
    if (!c) {
        c = std::make_unique<FoodCatalogue>();
        c->MainFoods = makeFoods(total / 4, 1);
        c->DabasFoods = makeFoods(total - total / 4, 2);
        FoodList warm;
        FoodSearch::BuildFoodList(*c, QStringLiteral("x"), true, &warm);
    }
    return *c;
}

// The search, the list's model replaced, and one paint of the visible lines.
void BM_TypeOneLetter(benchmark::State& state) {
    const FoodCatalogue& c = catalogue(int(state.range(0)));
    QListView view;
    FoodListModel model;
    view.setModel(&model);
    view.setUniformItemSizes(true);
    view.resize(300, 500);
    view.show();
    QPixmap canvas(view.size());
    int hits = 0;
    for (auto _ : state) {
        FoodList list;
        hits = FoodSearch::BuildFoodList(c, QStringLiteral("m"), true, &list);
        model.setFoodList(std::move(list));
        view.render(&canvas);
    }
    state.counters["hits"] = hits;
}
BENCHMARK(BM_TypeOneLetter)->Arg(12000)->Arg(200000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
