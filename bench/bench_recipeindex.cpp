// Building the two recipe indexes at start-up from 2,000 recipes (1,200 own, 800 general).
#include "core/catalogue/FoodCatalogue.h"
#include "core/catalogue/TableSchema.h"
#include "core/catalogue/VexamatDatabase.h"
#include "core/recipes/RecipeIndex.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace vexamat;

namespace {

void fillRegister(VexamatDatabase& db, const QString& table, int count) {
    QSqlDatabase sql = db.db();
    sql.transaction();
    QSqlQuery q(sql);
    q.prepare(QStringLiteral("INSERT INTO %1 (Rubrik, Grupp1, Grupp2, kodgram, Beskrivning, "
                             "GrundPort) VALUES (?, ?, ?, ?, ?, ?)")
                  .arg(TableSchema::quoted(table)));
    static const char* const words[] = {"Gröt",     "Soppa",  "Gryta",  "Äppelkaka",   "Bröd",
                                        "Pannkaka", "Sallad", "Ölbröd", "Fiskgratäng", "Paj"};
    for (int i = 0; i < count; ++i) {
        q.addBindValue(
            QStringLiteral("%1 nr %2").arg(QString::fromUtf8(words[(i * 7) % 10])).arg(i));
        q.addBindValue(QStringLiteral("Grupp %1").arg(i % 12));
        q.addBindValue(QStringLiteral("Sort %1").arg(i % 5));
        q.addBindValue(QStringLiteral("1_101!206/103@dl;6_116!250/250@port;0!0/0@port;"));
        q.addBindValue(QStringLiteral("Blanda och koka i tio minuter."));
        q.addBindValue(4);
        q.exec();
    }
    sql.commit();
}

struct Fixture {
    QTemporaryDir dir;
    VexamatDatabase db;
    Fixture() {
        db.create(dir.filePath(QStringLiteral("vexamat.db")), nullptr);
        fillRegister(db, TableSchema::Recept, 1200);
        fillRegister(db, TableSchema::Recept2, 800);
    }
};

void BM_LoadRecipeIndex(benchmark::State& state) {
    static Fixture fixture;
    FoodCatalogue catalogue;
    for (auto _ : state) {
        RecipeIndex::LoadRecipeIndex(fixture.db, catalogue);
        benchmark::DoNotOptimize(catalogue.FoodCount[3]);
    }
    if (catalogue.OwnRecipes.size() != 1200 || catalogue.GeneralRecipes.size() != 800)
        state.SkipWithError("the index does not hold every recipe");
}
BENCHMARK(BM_LoadRecipeIndex)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
