#include "core/norms/SideFileNorms.h"

#include "core/norms/HarrisBenedict.h"
#include "core/norms/OwnEnergyNorm.h"
#include "core/norms/PersonNorm.h"

#include <QStringList>

namespace vexamat {

const std::vector<SideFileNorms::Entry>& SideFileNorms::entries() {
    // One row per side file kind, added by each norm window's core class.
    static const std::vector<Entry> table{
        {QStringLiteral(".pers"), &PersonNorm::fromFile},
        {QStringLiteral(".enorm"), &OwnEnergyNorm::fromFile},
        {QStringLiteral(".harris"), &HarrisBenedict::fromFile},
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
