// Start-up of the whole program until the main window is shown: on the bundled data, on a
// national table grown to 200,000 foods, and beside it a bare Qt window, the least any
// program with a window pays.
#include "core/AppState.h"
#include "ui/QtDialogs.h"
#include "ui/app/TForm1.h"
#include "ui/app/WindowSet.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace vexamat;

namespace {

QString g_dataDir;
QString g_bigDataDir;

void startUp(benchmark::State& state, const QString& dataDir) {
    for (auto _ : state) {
        AppState appState;
        appState.DataDir = dataDir;
        QtDialogs dialogs;
        WindowSet windows(appState, dialogs);
        windows.create();
        windows.mainWindow()->show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(windows.mainWindow());
    }
}

void BM_StartUpToShownMainWindow(benchmark::State& state) {
    startUp(state, g_dataDir);
}
BENCHMARK(BM_StartUpToShownMainWindow)->Unit(benchmark::kMillisecond);

void BM_StartUpAt200000Foods(benchmark::State& state) {
    startUp(state, g_bigDataDir);
}
BENCHMARK(BM_StartUpAt200000Foods)->Unit(benchmark::kMillisecond);

void BM_BareQtWindow(benchmark::State& state) {
    for (auto _ : state) {
        QMainWindow window;
        window.setCentralWidget(new QLabel(QStringLiteral("Vexamat")));
        window.resize(800, 600);
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(&window);
    }
}
BENCHMARK(BM_BareQtWindow)->Unit(benchmark::kMillisecond);

// A copy of the data whose national table holds 200,000 foods in 40 groups.
void grow(const QString& dir) {
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("grow"));
        db.setDatabaseName(QDir(dir).filePath(QStringLiteral("vexamat.db")));
        db.open();
        QSqlQuery q(db);
        q.exec(
            QStringLiteral(
                "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                "INSERT INTO livtab100 (Kod, Livsmedel, Enhet, Portionsstorlek, Grupp1) "
                "SELECT 'gen' || i, 'Livsmedel ' || ((i * 7919) % 200000) || ' mjölk', 'g', 100, "
                "'Grupp ' || (i % 40) FROM n")
                .arg(200000));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("grow"));
}

} // namespace

int main(int argc, char** argv) {
    qputenv("VEXAMAT_NO_SPLASH", "1");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QDir source(QStringLiteral(VEXAMAT_BUILD_DATA_DIR));
    for (const QString& name : source.entryList(QDir::Files))
        QFile::copy(source.filePath(name), dir.filePath(name));
    g_dataDir = dir.path();
    QTemporaryDir big;
    for (const QString& name : source.entryList(QDir::Files))
        QFile::copy(source.filePath(name), big.filePath(name));
    grow(big.path());
    g_bigDataDir = big.path();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
