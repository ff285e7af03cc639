#pragma once

#include "core/analysis/CalculationEngine.h"
#include "core/analysis/CalculationResults.h"
#include "core/analysis/NutrientSelection.h"
#include "core/catalogue/FoodCatalogue.h"
#include "core/catalogue/FoodTable.h"
#include "core/catalogue/NutrientNames.h"
#include "core/catalogue/VexamatDatabase.h"
#include "core/diabetes/CarbohydrateSettings.h"
#include "core/diabetes/ReadingStore.h"
#include "core/norms/ActiveNorm.h"
#include "core/norms/MealSettings.h"
#include "core/registration/PickList.h"
#include "core/registration/Registration.h"
#include "core/registration/UndoHistory.h"

#include <QString>

#include <array>
#include <memory>

namespace vexamat {

// The program-wide state that every window reads and writes: the registration and the
// current position in it, the catalogue, the nutrient names, the active norm and the
// settings. One instance lives for the whole run; windows hold a reference to it.
struct AppState {
    // Registration and current position.
    Registration registration;
    int CurrentDay = 0;
    int CurrentMeal = 0;
    int CurrentRow = 1;
    int CurrentCol = 0;
    QString CurrentMealName = QStringLiteral("Frukost");
    QString RegistrationTitle; // shown in the main window's caption
    // Every edit of the registration, made through RegistrationSession.
    UndoHistory history;
    // A norm window made its norm active since the registration was last saved or opened;
    // the norm is saved with the registration but is not an undoable edit.
    bool NormChanged = false;
    // Whether the registration differs from what was last saved or opened.
    bool registrationChanged() const { return !history.isClean() || NormChanged; }

    Registration::Meal CopiedMeal;
    bool MealCopied = false;

    // Food data.
    VexamatDatabase database;
    FoodTable livtab100;
    FoodTable livtab2005;
    FoodTable fabrikant;
    FoodTable egna;
    FoodTable dabas;
    FoodCatalogue catalogue;
    NutrientNames names;

    // Norm and settings.
    ActiveNorm norm;
    MealSettings settings;
    QString AdminPassword = QStringLiteral("KORPRAM");

    // Pick lists, favourites and recent foods.
    PickList Favourites;                   // favoriter.txt, written back on exit
    PickList RecentFoods;                  // senaste.txt, grows during the run
    std::array<PickList, 4> MealTypeFoods; // Frukost, Lunch, Middag and the snacks
    // Where a DABAS product's public article page lives.
    QString DabasHost = QStringLiteral("https://www.dabas.com");

    // Results of the calculation engine.
    std::unique_ptr<CalculationResults> results = std::make_unique<CalculationResults>();
    // The food search lists only the national food table's raw-material groups.
    bool SearchRawMaterialsOnly = false;
    int ViewMode = 0;                                       // 0 "Måltid", 1 "Dag", 2 "Dagar"
    int AlcoholFactor = CalculationInputs::kAlcoholCounted; // 0 when alcohol is not counted
    int TimeChartNutrient = 16;
    int DayColourMeal = 0; // the days view shows whole days (0) or meal k - 1 of each day (k)
    NutrientSelection selection;
    // The engine's inputs taken from this state.
    CalculationInputs calculationInputs() const;
    // Recomputes every result array from the registration and the active norm.
    void recalculate();

    // Glucose and insulin stores.
    ReadingStore GlucoseStore;
    ReadingStore InsulinStore;
    CarbohydrateSettings carbohydrate;

    // Start-up state and folders.
    QString DataDir;    // the data folder, the working folder of the run
    QString ProgramDir; // where favoriter.txt is written back
    QString InitDir = QStringLiteral(".");
    bool AddHintPending = true;
    bool StartingUp = true;

    // Empties the registration and the current position (after the save question).
    void NewRegistration();
    // Opens vexamat.db in DataDir and the five food tables.
    bool openTables(QString* error);
    // The path of a file in the data folder.
    QString dataPath(const QString& fileName) const;
};

} // namespace vexamat
