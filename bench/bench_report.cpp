// The detailed all-days report of a full registration (21 days x 9 meals x 20 foods, 30
// nutrients chosen): building its lines, and the lines laid out and written as PDF.
#include "core/AppState.h"
#include "core/reports/ReportLineBuilder.h"
#include "output/ReportExport.h"
#include "output/ReportRenderer.h"

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

using namespace vexamat;

namespace {

std::unique_ptr<AppState> fullState() {
    auto state = std::make_unique<AppState>();
    state->names.read(QDir(QStringLiteral(VEXAMAT_BENCH_DATA)).filePath("nvnamn.txt"));
    state->selection.clear();
    for (int n = 15; n < 45; ++n)
        state->selection.setSelected(n, true);
    state->norm.NormLabel = QStringLiteral("Kvinnor 31-60 år");
    int k = 0;
    for (int d = 0; d < Registration::kDays; ++d) {
        for (int m = 0; m < Registration::kMeals; ++m) {
            for (int r = 1; r <= 20; ++r, ++k) {
                MealRow& row = state->registration.row(d, m, r);
                row.kod = QString::number(1000 + k % 500);
                row.livsmedel = QStringLiteral("Livsmedel nummer %1 med ett långt namn").arg(k);
                row.enhet = QStringLiteral("st");
                row.enhetsvikt = k % 3 == 0 ? 0.0f : 40.0f;
                row.gram = 50.0f + float(k % 200);
                for (int n = 0; n < kNutrientCount; ++n)
                    row.naring[n] = (k + n) % 17 == 0 ? -1.0f : float((k * n) % 300) * 0.1f;
                row.naring[nutrientSlot(nutrient::Kj)] = 400.0f + float(k % 500);
            }
        }
    }
    state->recalculate();
    return state;
}

ReportOptions detailedAllDays() {
    ReportOptions options;
    options.what = ReportOptions::What::AllDays;
    options.detail = ReportOptions::Detail::AllFoods;
    return options;
}

void BM_ReportLines(benchmark::State& bench) {
    const auto state = fullState();
    for (auto _ : bench) {
        const Report report = ReportLineBuilder(*state).build(detailedAllDays());
        benchmark::DoNotOptimize(report.lines.size());
        bench.counters["lines"] = double(report.lines.size());
    }
}
BENCHMARK(BM_ReportLines)->Unit(benchmark::kMillisecond);

void BM_ReportToPdf(benchmark::State& bench) {
    const auto state = fullState();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("utskrift.pdf"));
    for (auto _ : bench) {
        Report report = ReportLineBuilder(*state).build(detailedAllDays());
        report.headerText = QStringLiteral("Vecka 1 / Mottagningen");
        QString error;
        if (!ReportExport::write(report, ReportExport::Format::Pdf, path, &error))
            bench.SkipWithError(qPrintable(error));
        bench.counters["pages"] = double(ReportRenderer(report).pageCount());
        bench.counters["groups"] = double(report.groups().size());
    }
}
BENCHMARK(BM_ReportToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // fonts for the PDF
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
