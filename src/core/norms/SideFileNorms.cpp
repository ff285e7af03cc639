#include "core/norms/SideFileNorms.h"

#include "core/AppState.h"
#include "core/catalogue/FoodTable.h"
#include "core/catalogue/TableSchema.h"
#include "core/files/ActivityFile.h"
#include "core/files/KetogenFile.h"
#include "core/files/KgNormFile.h"
#include "core/norms/EnergyExpenditure.h"
#include "core/norms/HarrisBenedict.h"
#include "core/norms/KgNorm.h"
#include "core/norms/OwnEnergyNorm.h"
#include "core/norms/PersonNorm.h"
#include "core/registration/Conversions.h"

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

std::optional<NormEstimate> kgNorm(const QString& path, const AppState& state, QString* error) {
    KgNormInputs inputs;
    if (!KgNormFile::read(path, &inputs, error))
        return std::nullopt;
    // The file keeps the day norm as shown, which is what activating it takes.
    NutrientValues day{};
    for (int c = 0; c < kNutrientCount; ++c)
        day[c] = TextToReal(inputs.dayNorm.value(c));
    // The norm's name is kept only in the label of the norm file beside it.
    QString name;
    const QString& prefix = KgNorm::kLabelPrefix;
    if (state.norm.NormKind == KgNorm::kKind && state.norm.NormLabel.startsWith(prefix))
        name = state.norm.NormLabel.mid(prefix.size()).section(QStringLiteral("   "), 0, 0);
    return KgNorm::estimate(state.norm, day, name);
}

std::optional<NormEstimate> ketogenicNorm(const QString& path, const AppState& state,
                                          QString* error) {
    KetogenicInputs inputs;
    if (!KetogenFile::read(path, &inputs, error))
        return std::nullopt;
    FoodTable normer(state.database, TableSchema::Normer);
    QString tableError;
    normer.open(&tableError);
    NormEstimate estimate = KetogenicPlan::estimate(state.norm, inputs, normer, state.names);
    if (estimate.kind.isEmpty()) {
        if (error)
            *error = QStringLiteral("%1 saknar uppgifter att räkna på.").arg(path);
        return std::nullopt;
    }
    return estimate;
}

} // namespace

const std::vector<SideFileNorms::Entry>& SideFileNorms::entries() {
    // One row per side file kind, added by each norm window's core class.
    static const std::vector<Entry> table{
        {QStringLiteral(".pers"), &PersonNorm::fromFile},
        {QStringLiteral(".enorm"), &OwnEnergyNorm::fromFile},
        {QStringLiteral(".harris"), &HarrisBenedict::fromFile},
        {ActivityFile::kExtension, activityNorm},
        {KgNormFile::kExtension, kgNorm},
        {KetogenFile::kExtension, ketogenicNorm},
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
