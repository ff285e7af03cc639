// Loading the in-memory catalogue from a database of 2,500 + 1,000 + 500 + 8,000 foods.
#include "core/catalogue/FoodCatalogue.h"
#include "core/catalogue/FoodTable.h"
#include "core/catalogue/TableSchema.h"
#include "core/catalogue/VexamatDatabase.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace vexamat;

namespace {

void fillTable(VexamatDatabase& db, const QString& table, int count, const QString& prefix) {
    QSqlDatabase sql = db.db();
    sql.transaction();
    QSqlQuery q(sql);
    q.prepare(QStringLiteral("INSERT INTO %1 (Kod, Livsmedel, Portionsstorlek, Enhet, Grupp1, "
                             "\"Protein _g_\", \"Fett _g_\") VALUES (?, ?, ?, ?, ?, ?, ?)")
                  .arg(TableSchema::quoted(table)));
    static const char* const words[] = {"Mjölk", "Bröd",  "Gröt",   "Äpple",   "Ost",  "Korv",
                                        "Fisk",  "Soppa", "Sallad", "Yoghurt", "Kaka", "Öl"};
    for (int i = 0; i < count; ++i) {
        q.addBindValue(prefix + QString::number(i));
        q.addBindValue(
            QStringLiteral("%1 %2 nr %3")
                .arg(QString::fromUtf8(words[i % 12]), QString::fromUtf8(words[(i / 12) % 12]))
                .arg(i));
        q.addBindValue(100.0 + i % 50);
        q.addBindValue(QStringLiteral("st"));
        q.addBindValue(QStringLiteral("Grupp %1").arg(i % 40));
        q.addBindValue(3.5);
        q.addBindValue(1.0);
        q.exec();
    }
    sql.commit();
}

struct Fixture {
    QTemporaryDir dir;
    VexamatDatabase db;
    FoodTable livtab100, fabrikant, egna, dabas;
    Fixture() {
        db.create(dir.filePath(QStringLiteral("vexamat.db")), nullptr);
        fillTable(db, TableSchema::Livtab100, 2500, QStringLiteral("1_"));
        fillTable(db, TableSchema::Fabrikant, 1000, QStringLiteral("Fab"));
        fillTable(db, TableSchema::Egna, 500, QStringLiteral("egna"));
        fillTable(db, TableSchema::Dabas, 8000, QStringLiteral("dab0731"));
        livtab100 = FoodTable(db, TableSchema::Livtab100);
        fabrikant = FoodTable(db, TableSchema::Fabrikant);
        egna = FoodTable(db, TableSchema::Egna);
        dabas = FoodTable(db, TableSchema::Dabas);
        livtab100.open(nullptr);
        fabrikant.open(nullptr);
        egna.open(nullptr);
        dabas.open(nullptr);
    }
};

void BM_LoadCatalogue(benchmark::State& state) {
    static Fixture fixture;
    for (auto _ : state) {
        FoodCatalogue catalogue;
        catalogue.LoadCatalogue(fixture.livtab100, fixture.fabrikant, fixture.egna, nullptr);
        catalogue.LoadDabas(fixture.dabas, nullptr);
        benchmark::DoNotOptimize(catalogue.DabasCount);
    }
}
BENCHMARK(BM_LoadCatalogue)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
