// The core calculation on a full registration: 21 days x 9 meals x 99 rows, every row a food.
#include "core/analysis/CalculationEngine.h"
#include "core/registration/Registration.h"

#include <benchmark/benchmark.h>

#include <memory>

using namespace vexamat;

namespace {

void fill(Registration& reg) {
    int k = 0;
    for (int d = 0; d < Registration::kDays; ++d) {
        for (int m = 0; m < Registration::kMeals; ++m) {
            for (int r = 1; r <= Registration::kLastRow; ++r, ++k) {
                MealRow& row = reg.row(d, m, r);
                row.kod = QString::number(1000 + k % 500);
                row.livsmedel = QStringLiteral("Livsmedel");
                row.gram = 50.0f + static_cast<float>(k % 200);
                row.kgpris = 25.0f;
                row.tidslot = (k % 97);
                for (int n = 0; n < kNutrientCount; ++n)
                    row.naring[n] =
                        ((k + n) % 17 == 0) ? -1.0f : static_cast<float>((k * n) % 300) * 0.1f;
            }
        }
    }
}

void BM_CalculationEngine(benchmark::State& state) {
    Registration reg;
    fill(reg);
    auto results = std::make_unique<CalculationResults>();
    CalculationInputs in;
    in.ActiveNeed.fill(100.0f);
    in.ActiveNeed[3] = 0.0f;
    for (int no : {15, 16, 19, 20, 21, 28, 34, 36, 48})
        in.SelectedNutrient[no] = true;
    for (auto _ : state) {
        CalculationEngine::Recalculate(reg, in, *results);
        benchmark::DoNotOptimize(results->PeriodAverage[0]);
    }
}
BENCHMARK(BM_CalculationEngine)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
