// Keeping the recovery file of a full registration: 21 days x 9 meals x 20 rows, with a
// note. The window's thread only encodes; a thread of its own writes the file.
#include "core/AppState.h"
#include "core/files/RecoveryFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

using namespace vexamat;

namespace {

constexpr int kRowsPerMeal = 20;

// A state on a copy of the built default data, its food tables open.
struct Fixture {
    Fixture() : state(std::make_unique<AppState>()) {
        const QDir source(QStringLiteral(VEXAMAT_BENCH_DATA));
        for (const QString& name : source.entryList(QDir::Files))
            QFile::copy(source.filePath(name), QDir(dir.path()).filePath(name));
        state->DataDir = dir.path();
        QString error;
        ok = state->openTables(&error);
        const QList<TableRecord> foods = state->livtab100.recordsInKeyOrder();
        ok = ok && !foods.isEmpty();
        int i = 0;
        for (int d = 0; ok && d < Registration::kDays; ++d)
            for (int m = 0; m < Registration::kMeals; ++m)
                for (int r = 1; r <= kRowsPerMeal; ++r, ++i) {
                    MealRow& row = state->registration.row(d, m, r);
                    row.kod = foods.at(i % foods.size()).text(0);
                    row.gram = float(i % 300) + 0.5f;
                    row.enhet = QStringLiteral("dl");
                    row.enhetsvikt = 103;
                    row.klockan = r % 3 == 0 ? QStringLiteral("12:30") : QString();
                }
        state->RegistrationTitle = QStringLiteral("/home/klient/vecka 12.vexa   2026-03-20");
        for (int n = 0; n < 30; ++n)
            note << QStringLiteral("Anteckning rad %1: åt mindre än vanligt på kvällen.").arg(n);
        path = QDir(dir.path()).filePath(RecoveryFile::kFileName);
    }
    QTemporaryDir dir;
    std::unique_ptr<AppState> state;
    QStringList note;
    QString path;
    bool ok = false;
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

// What the window's thread pays after a change.
void BM_EncodeRecoveryFile(benchmark::State& s) {
    Fixture& f = fixture();
    if (!f.ok) {
        s.SkipWithError("no data folder");
        return;
    }
    for (auto _ : s)
        benchmark::DoNotOptimize(RecoveryFile::encode(*f.state, f.note));
}
BENCHMARK(BM_EncodeRecoveryFile)->Unit(benchmark::kMillisecond);

// Encoding and the atomic write together, as if both ran on one thread.
void BM_EncodeAndWriteRecoveryFile(benchmark::State& s) {
    Fixture& f = fixture();
    if (!f.ok) {
        s.SkipWithError("no data folder");
        return;
    }
    for (auto _ : s) {
        if (!RecoveryFile::write(f.path, RecoveryFile::encode(*f.state, f.note)))
            s.SkipWithError("not written");
    }
}
BENCHMARK(BM_EncodeAndWriteRecoveryFile)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
