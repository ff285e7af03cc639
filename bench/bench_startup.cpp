// Start-up of the whole program on the bundled data, until the main window is shown.
#include "core/AppState.h"
#include "ui/QtDialogs.h"
#include "ui/app/TForm1.h"
#include "ui/app/WindowSet.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace vexamat;

namespace {

QString g_dataDir;

void BM_StartUpToShownMainWindow(benchmark::State& state) {
    for (auto _ : state) {
        AppState appState;
        appState.DataDir = g_dataDir;
        QtDialogs dialogs;
        WindowSet windows(appState, dialogs);
        windows.create();
        windows.mainWindow()->show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(windows.mainWindow());
    }
}
BENCHMARK(BM_StartUpToShownMainWindow)->Unit(benchmark::kMillisecond);

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
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
