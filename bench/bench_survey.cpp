#include "core/analysis/NutrientSelection.h"
#include "core/catalogue/NutrientNames.h"
#include "core/reports/SurveyProject.h"
#include "core/reports/SurveyProjectFile.h"
#include "core/reports/SurveySummary.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

using namespace vexamat;

namespace {

// A full survey: 4,999 food rows (the whole grid) of 50 persons, 5 days each, 4 meals a
// day, with 30 nutrients, saved as a project file.
struct BigSurvey {
    NutrientNames names;
    NutrientSelection selection;
    std::unique_ptr<SurveyProject> project = std::make_unique<SurveyProject>();
    QTemporaryDir dir;
    QString path;

    BigSurvey() {
        for (int n = 15; n < 45; ++n) {
            names.NutrientLabel[n] = QStringLiteral("nv%1").arg(n);
            names.NutrientDecimals[n] = 1;
            selection.setSelected(n, true);
        }
        project->setNutrients(selection, names);
        std::mt19937 random(11);
        std::uniform_real_distribution<double> value(0, 300);
        const QStringList meals{"Frukost", "Lunch", "Middag", "Kvällsmål"};
        for (int r = 1; r < SurveyProject::kRows; ++r) {
            const int food = r - 1;
            project->setCell(r, SurveyProject::kIdColumn, QStringLiteral("P%1").arg(food / 100));
            project->setCell(r, SurveyProject::kDayColumn, QString::number(food / 20 % 5 + 1));
            project->setCell(r, SurveyProject::kMealColumn, meals[food / 5 % 4]);
            project->setCell(r, SurveyProject::kGramColumn, QStringLiteral("100"));
            project->setCell(r, SurveyProject::kNameColumn, QStringLiteral("Livsmedel %1").arg(r));
            project->setCell(r, SurveyProject::kCodeColumn, QStringLiteral("1_%1").arg(r));
            for (int k = 0; k < 30; ++k) {
                const QString v = QString::number(value(random), 'f', 1);
                project->setCell(r, project->valueColumn(k), v);
                project->setCell(r, project->per100Column(k), v);
            }
            for (int c = SurveyProject::kFirstUnitColumn; c < SurveyProject::kColumns; c += 2) {
                project->setCell(r, c, QStringLiteral("dl"));
                project->setCell(r, c + 1, QStringLiteral("103"));
            }
        }
        path = dir.filePath(QStringLiteral("stor.skv"));
        SurveyProjectFile::write(*project, path, nullptr);
    }
};

BigSurvey& survey() {
    static BigSurvey big;
    return big;
}

void BM_SurveySummary(benchmark::State& state) {
    const SurveyProject& project = *survey().project;
    for (auto _ : state) {
        const QList<SurveySummary::Row> rows = SurveySummary::build(project);
        benchmark::DoNotOptimize(rows.size());
    }
}

// "Hämta": the grid emptied, then the whole file read into it.
void BM_SurveyRead(benchmark::State& state) {
    BigSurvey& big = survey();
    SurveyProject project;
    project.setNutrients(big.selection, big.names);
    for (auto _ : state) {
        project.clearRows();
        const SurveyProjectFile::ReadResult read = SurveyProjectFile::read(big.path, project);
        if (!read.ok || read.rowsRead != SurveyProject::kRows - 1)
            state.SkipWithError("the project was not read whole");
    }
}

} // namespace

BENCHMARK(BM_SurveySummary)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SurveyRead)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
