#include "core/registration/UndoStep.h"

namespace vexamat {

std::vector<MealRow> UndoStep::keptRows(const Registration::Meal& meal) {
    const MealRow untouched;
    std::size_t kept = meal.size();
    while (kept > 0 && meal[kept - 1] == untouched)
        --kept;
    return {meal.begin(), meal.begin() + std::ptrdiff_t(kept)};
}

void UndoStep::restoreRows(Registration::Meal& meal, const std::vector<MealRow>& rows) {
    for (std::size_t r = 0; r < meal.size(); ++r)
        meal[r] = r < rows.size() ? rows[r] : MealRow();
}

} // namespace vexamat
