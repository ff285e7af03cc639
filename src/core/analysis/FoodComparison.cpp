#include "core/analysis/FoodComparison.h"

namespace vexamat {

void FoodComparison::show(const FoodNutrientSheet& food, bool lockLeft) {
    m_previous = m_last;
    if (!food.found)
        return;
    m_last = food.shares;
    if (lockLeft) {
        m_right = food.lines;
        m_rightShares = m_last;
        return;
    }
    m_right = m_left;
    m_left = food.lines;
    m_rightShares = m_previous;
    m_leftShares = m_last;
}

} // namespace vexamat
