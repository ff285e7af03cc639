#pragma once

#include "core/analysis/FoodNutrientSheet.h"

#include <QStringList>

namespace vexamat {

// The two sides of the lookup window: the food looked up last on the left and the one before
// it on the right, each with its energy pie; or, with the left side locked, the new food on
// the right only.
class FoodComparison {
public:
    // A lookup: the last food's shares become the previous ones whatever is found; a food
    // that was not found changes nothing else.
    void show(const FoodNutrientSheet& food, bool lockLeft);

    const QStringList& left() const { return m_left; }
    const QStringList& right() const { return m_right; }
    const FoodNutrientSheet::Shares& leftShares() const { return m_leftShares; }
    const FoodNutrientSheet::Shares& rightShares() const { return m_rightShares; }

private:
    QStringList m_left;
    QStringList m_right;
    FoodNutrientSheet::Shares m_leftShares;
    FoodNutrientSheet::Shares m_rightShares;
    FoodNutrientSheet::Shares m_last;
    FoodNutrientSheet::Shares m_previous;
};

} // namespace vexamat
