#include "core/norms/SideFileNorms.h"

#include "core/AppState.h"
#include "core/catalogue/FoodTable.h"
#include "core/catalogue/TableSchema.h"
#include "core/files/ActivityFile.h"
#include "core/norms/EnergyExpenditure.h"

#include <QStringList>

namespace vexamat {

namespace {

std::optional<NormEstimate> activityNorm(const QString& path, const AppState& state,
                                         QString* error) {
    ActivityInputs inputs;
    if (!ActivityFile::read(path, &inputs, error))
        return std::nullopt;
    FoodTable normer(state.database, TableSchema::Normer);
    QString tableError;
    normer.open(&tableError); // without the table the energy is still computed
    return EnergyExpenditure::estimate(
        state.norm, inputs, EnergyExpenditure::compute(inputs, EnergyExpenditure::kStartBmr),
        normer);
}

} // namespace

const std::vector<SideFileNorms::Entry>& SideFileNorms::entries() {
    // One row per side file kind, added by each norm window's core class.
    static const std::vector<Entry> table{
        {ActivityFile::kExtension, activityNorm},
    };
    return table;
}

std::optional<NormEstimate> SideFileNorms::compute(const QString& path, const AppState& state,
                                                   QString* error) {
    QStringList known;
    for (const Entry& entry : entries()) {
        if (path.endsWith(entry.extension, Qt::CaseInsensitive))
            return entry.compute(path, state, error);
        known << entry.extension;
    }
    if (error)
        *error = QStringLiteral("Okänd sorts normfil: %1 (kända: %2)")
                     .arg(path, known.isEmpty() ? QStringLiteral("inga")
                                                : known.join(QStringLiteral(", ")));
    return std::nullopt;
}

} // namespace vexamat
