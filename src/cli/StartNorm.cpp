#include "cli/StartNorm.h"

#include "core/AppState.h"
#include "core/catalogue/TableSchema.h"
#include "core/norms/NormActivation.h"
#include "core/norms/NormTable.h"

void loadStartNorm(vexamat::AppState& state) {
    vexamat::FoodTable normer(state.database, vexamat::TableSchema::Normer);
    QString error;
    bool found = false;
    if (!normer.open(&error))
        return;
    if (const std::optional<vexamat::NormRow> row =
            vexamat::NormTable::defaultRow(normer, vexamat::NormTable::kDefaultNr, &found))
        vexamat::NormActivation::loadDefault(state.norm, *row, found);
}
