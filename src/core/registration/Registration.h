#pragma once

#include "core/registration/MealRow.h"

#include <array>
#include <cstdint>
#include <memory>

namespace vexamat {

// What a person ate: 21 days of 9 meals of 100 rows. Row 0 of a meal is never used.
class Registration {
public:
    static constexpr int kDays = 21;
    static constexpr int kMeals = 9;
    static constexpr int kRows = 100;
    static constexpr int kLastRow = 99;

    using Meal = std::array<MealRow, kRows>;

    struct PasteResult {
        int pasted = 0;  // copied food rows put into the meal
        int dropped = 0; // copied food rows that found no empty row
    };

    Registration();

    // Handing a meal out for writing forgets where its last food stands (see filledExtent).
    Meal& meal(int day, int meal) {
        const int i = index(day, meal);
        m_extentKnown[std::size_t(i)] = false;
        return meals()[std::size_t(i)];
    }
    const Meal& meal(int day, int meal) const {
        return m_meals ? (*m_meals)[std::size_t(index(day, meal))] : emptyMeal();
    }
    MealRow& row(int day, int meal, int row) { return this->meal(day, meal)[row]; }
    const MealRow& row(int day, int meal, int row) const { return this->meal(day, meal)[row]; }

    // Empties every row of every meal.
    void clear();
    // First empty row 1..99 of the meal, or -1 when the meal is full.
    int firstFreeRow(int day, int meal) const;
    int filledRowCount(int day, int meal) const;
    bool isMealEmpty(int day, int meal) const { return filledRowCount(day, meal) == 0; }
    bool isDayEmpty(int day) const;
    // The last row of the meal that holds anything (0 for an empty meal): every row above it
    // is empty. Counted again only after the meal was handed out for writing, so that a
    // pass over the whole registration costs what is registered, not its 18,900 rows.
    int filledExtent(int day, int meal) const;

    // Rows r+1..99 move up one place; row 99 becomes empty.
    void deleteRow(int day, int meal, int r);
    // Rows r..98 move down one place (row 99's content is lost); row r becomes empty.
    void insertRowAt(int day, int meal, int r);
    // Puts the food rows of a copied meal into the empty rows of the meal, in order; rows
    // that hold foods are never overwritten, copied rows that do not fit are dropped.
    PasteResult pasteMeal(int day, int meal, const Meal& copied);

    static constexpr bool isValidDay(int day) { return day >= 0 && day < kDays; }
    static constexpr bool isValidMeal(int meal) { return meal >= 0 && meal < kMeals; }
    static constexpr bool isValidRow(int row) { return row >= 1 && row <= kLastRow; }

private:
    static int index(int day, int meal) { return day * kMeals + meal; }
    // The extent when it is known, else the last row; never counts, so that a caller holding
    // a meal for writing does not get an extent fixed before its write.
    int knownExtent(int day, int meal) const;
    // The rows are made on the first write: a registration nothing was written to (a command
    // that only searches, a program that has just started) costs no 10 MB of empty rows.
    std::array<Meal, kDays * kMeals>& meals();
    static const Meal& emptyMeal();
    std::unique_ptr<std::array<Meal, kDays * kMeals>> m_meals;
    mutable std::array<std::uint8_t, kDays * kMeals> m_extent{};
    mutable std::array<bool, kDays * kMeals> m_extentKnown;
};

// The names of the nine meals, by index, and the captions of their buttons.
QString MealName(int meal);
QString MealButtonCaption(int meal);

} // namespace vexamat
