// The core calculation on a full registration (21 days x 9 meals x 99 rows, every row a food),
// and on registrations of 0, 1, 7 and 21 days of 9 meals of 20 foods: its cost should follow
// what is registered.
#include "core/analysis/CalculationEngine.h"
#include "core/registration/Registration.h"

#include <benchmark/benchmark.h>

#include <memory>

using namespace vexamat;

namespace {

void fill(Registration& reg, int days = Registration::kDays, int rows = Registration::kLastRow) {
    int k = 0;
    for (int d = 0; d < days; ++d) {
        for (int m = 0; m < Registration::kMeals; ++m) {
            for (int r = 1; r <= rows; ++r, ++k) {
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

CalculationInputs inputs() {
    CalculationInputs in;
    in.ActiveNeed.fill(100.0f);
    in.ActiveNeed[3] = 0.0f;
    for (int no : {15, 16, 19, 20, 21, 28, 34, 36, 48})
        in.SelectedNutrient[no] = true;
    return in;
}

void BM_CalculationEngine(benchmark::State& state) {
    Registration reg;
    fill(reg);
    auto results = std::make_unique<CalculationResults>();
    const CalculationInputs in = inputs();
    for (auto _ : state) {
        CalculationEngine::Recalculate(reg, in, *results);
        benchmark::DoNotOptimize(results->PeriodAverage[0]);
    }
}
BENCHMARK(BM_CalculationEngine)->Unit(benchmark::kMicrosecond);

// An amount edited in the first meal, then the whole recompute, as after every change.
void BM_CalculationEngineDays(benchmark::State& state) {
    Registration reg;
    const int days = int(state.range(0));
    fill(reg, days, 20);
    auto results = std::make_unique<CalculationResults>();
    const CalculationInputs in = inputs();
    CalculationEngine::Recalculate(reg, in, *results);
    float gram = 100;
    for (auto _ : state) {
        if (days > 0)
            reg.row(0, 0, 1).gram = (gram += 1.0f);
        CalculationEngine::Recalculate(reg, in, *results);
        benchmark::DoNotOptimize(results->PeriodAverage[0]);
    }
}
BENCHMARK(BM_CalculationEngineDays)->Arg(0)->Arg(1)->Arg(7)->Arg(21)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
