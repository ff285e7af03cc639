#include "core/AppState.h"

#include "core/catalogue/TableSchema.h"

#include <QDir>

namespace vexamat {

void AppState::NewRegistration() {
    RegistrationTitle.clear();
    CurrentDay = 0;
    CurrentMeal = 0;
    CurrentRow = 1;
    CurrentCol = 0;
    CurrentMealName = settings.WholeDayMode ? QStringLiteral("Hela dagen") : MealName(0);
    registration.clear();
    GlucoseStore.clear();
    InsulinStore.clear();
}

CalculationInputs AppState::calculationInputs() const {
    CalculationInputs in;
    in.CurrentDay = CurrentDay;
    in.ActiveNeed = norm.ActiveNeed;
    in.AlcoholFactor = AlcoholFactor;
    in.SelectedNutrient = selection.SelectedNutrient;
    in.TimeChartNutrient = TimeChartNutrient;
    return in;
}

void AppState::recalculate() {
    CalculationEngine::Recalculate(registration, calculationInputs(), *results);
}

QString AppState::dataPath(const QString& fileName) const {
    return QDir(DataDir).filePath(fileName);
}

bool AppState::openTables(QString* error) {
    if (!database.isOpen() && !database.open(dataPath(VexamatDatabase::kFileName), error))
        return false;
    const auto openOne = [&](FoodTable& table, const QString& name) {
        table = FoodTable(database, name);
        return table.open(error);
    };
    return openOne(livtab100, TableSchema::Livtab100) &&
           openOne(fabrikant, TableSchema::Fabrikant) && openOne(egna, TableSchema::Egna) &&
           openOne(dabas, TableSchema::Dabas) && openOne(livtab2005, TableSchema::Livtab2005);
}

} // namespace vexamat
