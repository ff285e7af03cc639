#include "core/analysis/NutrientTopList.h"
#include "core/catalogue/FoodTable.h"
#include "core/catalogue/NutrientNames.h"
#include "core/catalogue/Nutrients.h"
#include "core/catalogue/TableSchema.h"
#include "core/catalogue/VexamatDatabase.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <random>

using namespace vexamat;

namespace {

// A food table of 12,000 foods with random protein values, every tenth one missing, in a
// real SQLite file as the program reads it.
struct BigTable {
    QTemporaryDir dir;
    VexamatDatabase db;
    FoodTable table;
    NutrientNames names;

    BigTable() {
        db.create(dir.filePath(VexamatDatabase::kFileName), nullptr);
        table = FoodTable(db, TableSchema::Livtab100);
        table.open(nullptr);
        const QString protein = table.fieldNames().at(nutrient::Protein - 1);
        QSqlDatabase sql = db.db();
        sql.transaction();
        QSqlQuery q(sql);
        q.prepare(QStringLiteral("INSERT INTO livtab100 (Kod, Livsmedel, Portionsstorlek, %1) "
                                 "VALUES (?, ?, ?, ?)")
                      .arg(TableSchema::quoted(protein)));
        std::mt19937 random(7);
        for (int i = 0; i < 12000; ++i) {
            q.addBindValue(QStringLiteral("1_%1").arg(i));
            q.addBindValue(QStringLiteral("Livsmedel nummer %1").arg(random() % 100000));
            q.addBindValue(double(random() % 300));
            q.addBindValue(i % 10 == 0 ? QVariant() : QVariant(double(random() % 5000) / 100));
            q.exec();
        }
        sql.commit();
        names.NutrientUnit[nutrient::Protein] = QStringLiteral("g");
    }
};

BigTable& bigTable() {
    static BigTable t;
    return t;
}

void topList(benchmark::State& state, bool perPortion) {
    BigTable& t = bigTable();
    int lines = 0;
    for (auto _ : state) {
        const NutrientTopList::Result r =
            NutrientTopList::build(t.table, nutrient::Protein, perPortion, t.names);
        lines = int(r.lines.size());
        benchmark::DoNotOptimize(lines);
    }
    state.counters["lines"] = lines;
}

void BM_TopListPer100g(benchmark::State& state) {
    topList(state, false);
}
void BM_TopListPerPortion(benchmark::State& state) {
    topList(state, true);
}

} // namespace

BENCHMARK(BM_TopListPer100g)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TopListPerPortion)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
