#pragma once

#include "core/registration/FoodAdder.h"
#include "core/registration/Registration.h"
#include "core/registration/UndoStep.h"

#include <QString>

#include <functional>

namespace vexamat {

struct AppState;

// The one way the registration changes: each call is one edit of the current meal
// (CurrentDay, CurrentMeal) that the undo history of the state can take back. An edit that
// changes nothing adds no step. Whether there is anything to save follows from the history's
// clean point. Cheap to make where it is needed: all its state lives in AppState.
class RegistrationSession {
public:
    struct CellResult {
        enum class Status { Changed, Unchanged, ReadOnly, NoRow, Refused };
        Status status = Status::Unchanged;
        QString message; // Swedish, for ReadOnly and Refused
    };
    // WouldEmpty: the step would use up the row; nothing changed, the window asks whether
    // to remove the row.
    enum class Decrease { Done, WouldEmpty, NoRow };

    // The names of the steps, for the undo and redo commands.
    static inline const QString kAntalStep = QStringLiteral("Ändra antal");
    static inline const QString kGramStep = QStringLiteral("Ändra gram");
    static inline const QString kKlockanStep = QStringLiteral("Ändra klockslag");
    static inline const QString kUnitStep = QStringLiteral("Byt enhet");
    static inline const QString kIncreaseStep = QStringLiteral("Öka");
    static inline const QString kDecreaseStep = QStringLiteral("Minska");
    static inline const QString kDeleteRowStep = QStringLiteral("Ta bort rad");
    static inline const QString kInsertRowStep = QStringLiteral("Infoga rad");
    static inline const QString kAddFoodStep = QStringLiteral("Lägg till livsmedel");
    static inline const QString kPasteStep = QStringLiteral("Klistra in måltid");
    static inline const QString kClockRowStep = QStringLiteral("Lägg till klockslag");
    static inline const QString kNewStep = QStringLiteral("Ny registrering");
    static inline const QString kOpenStep = QStringLiteral("Hämta registrering");
    static inline const QString kRestoreStep = QStringLiteral("Återställ registrering");
    static inline const QString kRecipeStep = QStringLiteral("Hämta recept");
    static inline const QString kDivideStep = QStringLiteral("Dividera ner recept");
    static inline const QString kGlucoseStep = QStringLiteral("Ändra blodsocker");
    static inline const QString kInsulinStep = QStringLiteral("Ändra insulin");
    static inline const QString kCarbohydrateStep = QStringLiteral("Ändra kolhydratkvot");

    enum class ReadingKind { Glucose, Insulin };

    // The state is not owned and must outlive the session.
    explicit RegistrationSession(AppState& state);

    // Commits a text typed into a column of the meal grid (MealEditor's columns). Amounts
    // that are no number, negative or over 10 kg on the row are refused with the reason.
    CellResult setCell(int row, int column, const QString& text);
    // A line of MealEditor::unitLines; false for the name and waste lines and empty rows.
    bool applyUnitLine(int row, const QString& line);
    // One step more; false for an empty row and when the row would pass 10 kg.
    bool increase(int row);
    Decrease decrease(int row);
    bool deleteRow(int row);
    // Makes row an empty row, moving it and the rows below down one place; false when the
    // last row holds something, which would be lost.
    bool insertRow(int row);
    FoodAdder::Result addFood(const QString& name, const QString& companion, int row, bool insert,
                              bool forDietSurvey = false);
    FoodAdder::Result addByCode(const QString& typed);
    Registration::PasteResult pasteMeal(const Registration::Meal& copied);
    // The row of the new clock-time row; -1 when the meal is full.
    int addClockRow(const QString& text);
    // Puts meal in place of the current meal as one step named name (a fetched recipe, a
    // divided meal); false when it is the same meal.
    bool replaceMeal(const QString& name, const Registration::Meal& meal);

    // A reading of the current day as typed (row 1..20), each text cut to 8 characters;
    // false when nothing changed or the row is outside the store.
    bool setReading(ReadingKind kind, int row, const QString& time, const QString& value);
    // The typed carbohydrate ratios and factors; false when nothing changed.
    bool setCarbohydrate(const CarbohydrateSettings& settings);

    // AppState::NewRegistration as one step; afterwards nothing is to be saved.
    void newRegistration();
    // Empties the state and lets read fill it from a file; one step, and afterwards nothing
    // is to be saved (the state is what the file holds).
    void open(const std::function<void()>& read);
    // The same for a registration recovered after a crash: it was never saved as it
    // stands, so afterwards there is something to save.
    void restore(const std::function<void()>& read);

    bool canUndo() const;
    bool canRedo() const;
    QString undoName() const;
    QString redoName() const;
    // Put back the meals of the step and the position where it was made; false when there
    // is nothing to undo or redo.
    bool undo();
    bool redo();

    // Whether the registration differs from what was last saved or opened.
    bool isChanged() const;
    // The registration as it is now is saved.
    void markSaved();

private:
    template <typename Edit> bool editMeal(const QString& name, Edit&& edit);
    void replaceAll(const QString& name, const std::function<void()>& replace);
    bool editExtras(const QString& name, const std::function<void()>& edit);
    void apply(const UndoStep& step, bool forward);
    UndoStep::Position position() const;
    void setPosition(const UndoStep::Position& position);
    UndoStep::Extras extras() const;
    void setExtras(const UndoStep::Extras& extras);
    const MealRow* filledRow(int row) const;

    AppState& m_state;
};

} // namespace vexamat
