#include "core/registration/FoodAdder.h"

#include "core/AppState.h"
#include "core/analysis/FoodSearch.h"
#include "core/registration/FoodRowBuilder.h"

namespace vexamat {

namespace {

FoodRowBuilder::Tables tablesOf(const AppState& state) {
    return {state.livtab100, state.fabrikant, state.egna, state.dabas};
}

} // namespace

FoodAdder::Result FoodAdder::AddFoodToMeal(AppState& state, const QString& name,
                                           const QString& companion, int row, bool insert,
                                           bool forDietSurvey) {
    Result result;
    result.code = FoodSearch::codeOfCompanion(companion);
    if (result.code.isEmpty())
        return result; // a heading or the no-hits line: no food to add

    Registration& reg = state.registration;
    const int day = state.CurrentDay;
    const int meal = state.CurrentMeal;
    int r = row;
    if (r == 0)
        r = reg.firstFreeRow(day, meal);
    // A full meal would lose a food row: the last one to overwriting, or to the insertion.
    // A food for the diet survey leaves the meal alone, so it may come all the same.
    if (!Registration::isValidRow(r) ||
        (insert && !reg.row(day, meal, Registration::kLastRow).isEmpty())) {
        if (!forDietSurvey) {
            result.status = Status::MealFull;
            result.messages << kMealFullMessage;
            return result;
        }
        if (!Registration::isValidRow(r))
            r = Registration::kLastRow;
        insert = false;
    }

    if (state.AddHintPending) {
        result.showHint = true;
        state.AddHintPending = false;
    }
    PickList& typeList = state.MealTypeFoods[std::size_t(mealType(meal))];
    state.RecentFoods.add(name, companion);
    typeList.add(name, companion);
    state.RecentFoods.trim();
    typeList.trim();
    state.CurrentRow = r;
    result.row = r;

    const bool inserted = insert && r < Registration::kLastRow;
    if (inserted)
        reg.insertRowAt(day, meal, r);
    const auto undoInsert = [&] {
        if (inserted)
            reg.deleteRow(day, meal, r);
    };

    if (result.code.contains(QLatin1String("recept"))) {
        undoInsert();
        result.status = Status::Recipe;
        return result;
    }
    const std::optional<FoodRowBuilder::Found> found =
        FoodRowBuilder::find(tablesOf(state), result.code);
    if (!found) {
        undoInsert();
        result.status = Status::NotFound;
        result.messages << FoodRowBuilder::notFoundMessage(result.code);
        return result;
    }
    if (forDietSurvey) {
        undoInsert();
        result.status = Status::DietSurvey;
        return result;
    }

    MealRow& target = reg.row(day, meal, r);
    result.messages << FoodRowBuilder::fill(target, result.code, *found);
    // A food added below a timed row takes that time.
    if (r > 1) {
        const MealRow& above = reg.row(day, meal, r - 1);
        if (!above.klockan.isEmpty()) {
            target.klockan = above.klockan;
            target.tidslot = above.tidslot;
        }
    }
    result.tabletHint = target.enhet == QLatin1String("Tablett");
    result.status = Status::Added;
    return result;
}

QString FoodAdder::typedCode(const QString& text) {
    QString code = text.toUpper();
    if (!code.isEmpty() && code.at(0) <= QLatin1Char('9'))
        code.insert(1, QLatin1Char('_'));
    return code;
}

FoodAdder::Result FoodAdder::addByCode(AppState& state, const QString& typed) {
    Result result;
    result.code = typedCode(typed);
    const std::optional<TableRecord> record =
        state.livtab100.isOpen() ? state.livtab100.findByCode(result.code) : std::nullopt;
    if (!record) {
        result.status = Status::NotFound;
        return result;
    }
    const int r = state.registration.firstFreeRow(state.CurrentDay, state.CurrentMeal);
    if (r < 0) {
        result.status = Status::MealFull;
        result.messages << kMealFullMessage;
        return result;
    }
    FoodRowBuilder::fill(state.registration.row(state.CurrentDay, state.CurrentMeal, r),
                         result.code, {FoodRowBuilder::Source::Livtab100, *record}, false);
    state.CurrentRow = r;
    result.row = r;
    result.status = Status::Added;
    return result;
}

} // namespace vexamat
