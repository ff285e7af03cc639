#include "core/registration/RegistrationSession.h"

#include "core/AppState.h"
#include "core/registration/MealEditor.h"

#include <array>

namespace vexamat {

RegistrationSession::RegistrationSession(AppState& state) : m_state(state) {}

template <typename Edit> bool RegistrationSession::editMeal(const QString& name, Edit&& edit) {
    const int day = m_state.CurrentDay;
    const int mealNo = m_state.CurrentMeal;
    if (!Registration::isValidDay(day) || !Registration::isValidMeal(mealNo))
        return false;
    const UndoStep::Position before = position();
    Registration::Meal& meal = m_state.registration.meal(day, mealNo);
    const Registration::Meal old = meal;
    edit(meal);
    if (meal == old)
        return false;
    UndoStep step;
    step.name = name;
    step.positionBefore = before;
    step.positionAfter = position();
    step.meals.push_back({day, mealNo, UndoStep::keptRows(old), UndoStep::keptRows(meal)});
    m_state.history.push(std::move(step));
    return true;
}

const MealRow* RegistrationSession::filledRow(int row) const {
    if (!Registration::isValidRow(row) || !Registration::isValidDay(m_state.CurrentDay) ||
        !Registration::isValidMeal(m_state.CurrentMeal))
        return nullptr;
    const MealRow& r = m_state.registration.row(m_state.CurrentDay, m_state.CurrentMeal, row);
    return r.isEmpty() ? nullptr : &r;
}

RegistrationSession::CellResult RegistrationSession::setCell(int row, int column,
                                                             const QString& text) {
    using Status = CellResult::Status;
    QString message;
    MealEditor::Commit commit = MealEditor::Commit::NoRow;
    const QString name = column == MealEditor::Antal  ? kAntalStep
                         : column == MealEditor::Gram ? kGramStep
                                                      : kKlockanStep;
    // The commit runs even when the cell shows the same text: a time typed again is carried
    // down over the rows below once more.
    const bool changed = editMeal(name, [&](Registration::Meal& meal) {
        commit = MealEditor::commitTyped(meal, row, column, text, &message);
    });
    switch (commit) {
    case MealEditor::Commit::ReadOnly:
        return {Status::ReadOnly, message};
    case MealEditor::Commit::NoRow:
        return {Status::NoRow, {}};
    case MealEditor::Commit::Refused:
        return {Status::Refused, message};
    case MealEditor::Commit::Changed:
        break;
    }
    return {changed ? Status::Changed : Status::Unchanged, {}};
}

bool RegistrationSession::applyUnitLine(int row, const QString& line) {
    if (!filledRow(row))
        return false;
    return editMeal(kUnitStep,
                    [&](Registration::Meal& meal) { MealEditor::applyUnitLine(meal[row], line); });
}

bool RegistrationSession::increase(int row) {
    const MealRow* r = filledRow(row);
    if (!r || r->gram + MealEditor::step(*r) > MealEditor::kMaxRowGrams)
        return false;
    return editMeal(kIncreaseStep,
                    [&](Registration::Meal& meal) { MealEditor::increase(meal[row]); });
}

RegistrationSession::Decrease RegistrationSession::decrease(int row) {
    if (!filledRow(row))
        return Decrease::NoRow;
    bool decreased = false;
    editMeal(kDecreaseStep,
             [&](Registration::Meal& meal) { decreased = MealEditor::decrease(meal[row]); });
    return decreased ? Decrease::Done : Decrease::WouldEmpty;
}

bool RegistrationSession::deleteRow(int row) {
    if (!Registration::isValidRow(row))
        return false;
    return editMeal(kDeleteRowStep, [&](Registration::Meal&) {
        m_state.registration.deleteRow(m_state.CurrentDay, m_state.CurrentMeal, row);
    });
}

bool RegistrationSession::insertRow(int row) {
    if (!Registration::isValidRow(row) || !Registration::isValidDay(m_state.CurrentDay) ||
        !Registration::isValidMeal(m_state.CurrentMeal))
        return false;
    if (!m_state.registration.row(m_state.CurrentDay, m_state.CurrentMeal, Registration::kLastRow)
             .isEmpty())
        return false;
    return editMeal(kInsertRowStep, [&](Registration::Meal&) {
        m_state.registration.insertRowAt(m_state.CurrentDay, m_state.CurrentMeal, row);
    });
}

FoodAdder::Result RegistrationSession::addFood(const QString& name, const QString& companion,
                                               int row, bool insert, bool forDietSurvey) {
    FoodAdder::Result result;
    editMeal(kAddFoodStep, [&](Registration::Meal&) {
        result = FoodAdder::AddFoodToMeal(m_state, name, companion, row, insert, forDietSurvey);
    });
    return result;
}

FoodAdder::Result RegistrationSession::addByCode(const QString& typed) {
    FoodAdder::Result result;
    editMeal(kAddFoodStep,
             [&](Registration::Meal&) { result = FoodAdder::addByCode(m_state, typed); });
    return result;
}

Registration::PasteResult RegistrationSession::pasteMeal(const Registration::Meal& copied) {
    Registration::PasteResult result;
    editMeal(kPasteStep, [&](Registration::Meal&) {
        result = m_state.registration.pasteMeal(m_state.CurrentDay, m_state.CurrentMeal, copied);
    });
    return result;
}

int RegistrationSession::addClockRow(const QString& text) {
    int row = -1;
    editMeal(kClockRowStep,
             [&](Registration::Meal& meal) { row = MealEditor::addClockRow(meal, text); });
    return row;
}

bool RegistrationSession::replaceMeal(const QString& name, const Registration::Meal& meal) {
    return editMeal(name, [&](Registration::Meal& current) { current = meal; });
}

bool RegistrationSession::setReading(ReadingKind kind, int row, const QString& time,
                                     const QString& value) {
    if (!ReadingStore::isValidDay(m_state.CurrentDay) || !ReadingStore::isValidRow(row))
        return false;
    const bool glucose = kind == ReadingKind::Glucose;
    ReadingStore& store = glucose ? m_state.GlucoseStore : m_state.InsulinStore;
    return editExtras(glucose ? kGlucoseStep : kInsulinStep,
                      [&] { store.set(m_state.CurrentDay, row, time, value); });
}

bool RegistrationSession::setCarbohydrate(const CarbohydrateSettings& settings) {
    return editExtras(kCarbohydrateStep, [&] { m_state.carbohydrate = settings; });
}

bool RegistrationSession::editExtras(const QString& name, const std::function<void()>& edit) {
    UndoStep step;
    step.name = name;
    step.positionBefore = position();
    step.extrasBefore = extras();
    edit();
    step.extrasAfter = extras();
    if (step.extrasBefore == step.extrasAfter)
        return false;
    step.positionAfter = position();
    m_state.history.push(std::move(step));
    return true;
}

void RegistrationSession::newRegistration() {
    replaceAll(kNewStep, [this] { m_state.NewRegistration(); });
}

void RegistrationSession::open(const std::function<void()>& read) {
    replaceAll(kOpenStep, [&] {
        m_state.NewRegistration();
        if (read)
            read();
    });
}

void RegistrationSession::restore(const std::function<void()>& read) {
    replaceAll(kRestoreStep, [&] {
        m_state.NewRegistration();
        if (read)
            read();
    });
    // The norm came with the lost registration and is saved nowhere else either.
    m_state.NormChanged = true;
}

void RegistrationSession::replaceAll(const QString& name, const std::function<void()>& replace) {
    constexpr int kMeals = Registration::kDays * Registration::kMeals;
    const auto keptMeals = [this] {
        std::array<std::vector<MealRow>, kMeals> kept;
        for (int d = 0; d < Registration::kDays; ++d) {
            for (int m = 0; m < Registration::kMeals; ++m)
                kept[std::size_t(d * Registration::kMeals + m)] =
                    UndoStep::keptRows(m_state.registration.meal(d, m));
        }
        return kept;
    };

    UndoStep step;
    step.name = name;
    step.positionBefore = position();
    step.extrasBefore = extras();
    auto before = keptMeals();
    replace();
    auto after = keptMeals();
    step.positionAfter = position();
    step.extrasAfter = extras();
    for (int i = 0; i < kMeals; ++i) {
        auto& b = before[std::size_t(i)];
        auto& a = after[std::size_t(i)];
        if (b != a)
            step.meals.push_back(
                {i / Registration::kMeals, i % Registration::kMeals, std::move(b), std::move(a)});
    }
    if (!step.meals.empty() || step.extrasBefore != step.extrasAfter)
        m_state.history.push(std::move(step));
    m_state.history.setClean();
    m_state.NormChanged = false;
}

void RegistrationSession::apply(const UndoStep& step, bool forward) {
    for (const UndoStep::MealChange& change : step.meals)
        UndoStep::restoreRows(m_state.registration.meal(change.day, change.meal),
                              forward ? change.after : change.before);
    const std::optional<UndoStep::Extras>& extras = forward ? step.extrasAfter : step.extrasBefore;
    if (extras)
        setExtras(*extras);
    setPosition(forward ? step.positionAfter : step.positionBefore);
}

bool RegistrationSession::canUndo() const {
    return m_state.history.canUndo();
}

bool RegistrationSession::canRedo() const {
    return m_state.history.canRedo();
}

QString RegistrationSession::undoName() const {
    return m_state.history.undoName();
}

QString RegistrationSession::redoName() const {
    return m_state.history.redoName();
}

bool RegistrationSession::undo() {
    const UndoStep* step = m_state.history.undo();
    if (step)
        apply(*step, false);
    return step != nullptr;
}

bool RegistrationSession::redo() {
    const UndoStep* step = m_state.history.redo();
    if (step)
        apply(*step, true);
    return step != nullptr;
}

bool RegistrationSession::isChanged() const {
    return m_state.registrationChanged();
}

void RegistrationSession::markSaved() {
    m_state.history.setClean();
    m_state.NormChanged = false;
}

UndoStep::Position RegistrationSession::position() const {
    return {m_state.CurrentDay, m_state.CurrentMeal, m_state.CurrentRow};
}

void RegistrationSession::setPosition(const UndoStep::Position& position) {
    m_state.CurrentDay = position.day;
    m_state.CurrentMeal = position.meal;
    m_state.CurrentRow = position.row;
    m_state.CurrentMealName =
        m_state.settings.WholeDayMode ? QStringLiteral("Hela dagen") : MealName(position.meal);
}

UndoStep::Extras RegistrationSession::extras() const {
    return {m_state.GlucoseStore, m_state.InsulinStore, m_state.carbohydrate,
            m_state.settings.WholeDayMode, m_state.RegistrationTitle};
}

void RegistrationSession::setExtras(const UndoStep::Extras& extras) {
    m_state.GlucoseStore = extras.glucose;
    m_state.InsulinStore = extras.insulin;
    m_state.carbohydrate = extras.carbohydrate;
    m_state.settings.WholeDayMode = extras.wholeDayMode;
    m_state.RegistrationTitle = extras.title;
}

} // namespace vexamat
