#include "core/analysis/CalculationResults.h"

namespace vexamat {

CalculationResults::CalculationResults() = default;

} // namespace vexamat
