#include "core/analysis/CalculationResults.h"

namespace vexamat {

CalculationResults::CalculationResults()
    : m_rowPercent(std::make_unique<PerMeal<MealRowValues>>()) {}

} // namespace vexamat
