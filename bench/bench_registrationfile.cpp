// Saving and opening a full registration: 21 days x 9 meals x 99 rows.
#include "core/AppState.h"
#include "core/catalogue/TableSchema.h"
#include "core/files/FoodLookup.h"
#include "core/files/RegistrationFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

using namespace vexamat;

namespace {

// A state on a copy of the built default data, its food tables open.
struct Fixture {
    Fixture() : state(std::make_unique<AppState>()) {
        const QDir source(QStringLiteral(VEXAMAT_BENCH_DATA));
        for (const QString& name : source.entryList(QDir::Files))
            QFile::copy(source.filePath(name), QDir(dir.path()).filePath(name));
        state->DataDir = dir.path();
        QString error;
        ok = state->openTables(&error);
        // Every food of the national table, over and over, with clock times on some rows.
        const QList<TableRecord> foods = state->livtab100.recordsInKeyOrder();
        int i = 0;
        for (int d = 0; d < Registration::kDays; ++d)
            for (int m = 0; m < Registration::kMeals; ++m)
                for (int r = 1; r <= Registration::kLastRow; ++r, ++i) {
                    MealRow& row = state->registration.row(d, m, r);
                    row.kod = foods.at(i % foods.size()).text(0);
                    row.gram = float(i % 300) + 0.5f;
                    row.enhet = QStringLiteral("dl");
                    row.enhetsvikt = 103;
                    row.klockan = r % 3 == 0 ? QStringLiteral("12:30") : QString();
                }
        path = QDir(dir.path()).filePath(QStringLiteral("full.vexa"));
    }
    QTemporaryDir dir;
    std::unique_ptr<AppState> state;
    QString path;
    bool ok = false;
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

void BM_SaveFullRegistration(benchmark::State& s) {
    Fixture& f = fixture();
    if (!f.ok) {
        s.SkipWithError("no data folder");
        return;
    }
    for (auto _ : s)
        benchmark::DoNotOptimize(RegistrationFile::write(f.path, *f.state, QStringLiteral("d")));
}
BENCHMARK(BM_SaveFullRegistration)->Unit(benchmark::kMillisecond);

void BM_OpenFullRegistration(benchmark::State& s) {
    Fixture& f = fixture();
    if (!f.ok || !RegistrationFile::write(f.path, *f.state, QStringLiteral("d"))) {
        s.SkipWithError("no data folder");
        return;
    }
    for (auto _ : s) {
        s.PauseTiming();
        auto target = std::make_unique<AppState>();
        target->DataDir = f.state->DataDir;
        QString error;
        target->openTables(&error);
        s.ResumeTiming();
        FoodLookup lookup(*target);
        const RegistrationFile::ReadResult r = RegistrationFile::read(f.path, *target, lookup);
        s.PauseTiming();
        if (r.status != RegistrationFile::Status::Ok)
            s.SkipWithError("not read");
        target.reset();
        s.ResumeTiming();
    }
}
BENCHMARK(BM_OpenFullRegistration)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
