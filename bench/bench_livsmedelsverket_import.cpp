// Importing the Food Agency's own export (about 2,300 foods) into livtab100: reading the
// .xlsx, checking every row and replacing the table in one transaction.
#include "core/catalogue/LivsmedelsverketImport.h"
#include "core/catalogue/VexamatDatabase.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QString agencyFile() {
    const QByteArray dir = qgetenv("VEXAMAT_SHARED_DATA");
    return QString::fromLocal8Bit(dir.isEmpty() ? QByteArray("../shared/data") : dir) +
           QStringLiteral("/LivsmedelsDB_2022-05-24.xlsx");
}

void BM_ImportAgencyDatabase(benchmark::State& state) {
    const QString path = agencyFile();
    if (!QFile::exists(path)) {
        state.SkipWithError("LivsmedelsDB_2022-05-24.xlsx not found (set VEXAMAT_SHARED_DATA)");
        return;
    }
    QTemporaryDir dir;
    vexamat::VexamatDatabase database;
    QString error;
    if (!database.create(dir.filePath(QStringLiteral("vexamat.db")), &error)) {
        state.SkipWithError(qPrintable(error));
        return;
    }
    const vexamat::LivsmedelsverketImport importer;
    for (auto _ : state) {
        vexamat::LivsmedelsverketImport::Summary summary;
        if (!importer.run(path, database, &summary, &error)) {
            state.SkipWithError(qPrintable(error));
            return;
        }
        benchmark::DoNotOptimize(summary.foods);
    }
}
BENCHMARK(BM_ImportAgencyDatabase)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
