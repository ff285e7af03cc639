#pragma once

#include "core/reports/ExportFile.h"

#include <QString>
#include <QStringList>

namespace vexamat {

struct AppState;
class NutrientNames;
class NutrientSelection;

// The statistics file (".skv"): the selected nutrients of a registration, one block of lines
// per registration, each line starting with the identity the user typed, so that the
// registrations of a whole study collect in one file a spreadsheet reads. Per day: one line
// per day with food. Detailed: one line per food row, with meal and day sums in between.
class StatisticsFile {
public:
    enum class Kind { PerDay, Detailed };

    static inline const QString kDialogTitle = QStringLiteral("Välj statistikfil");
    static inline const QString kFilter = QStringLiteral("Statistik (*vexastat)");
    static inline const QString kWritten = QStringLiteral("Statistik utskrivet till filen:   ");
    // An identity with a field or line separator would shift every column of its lines.
    static inline const QString kBadIdentity = QStringLiteral(
        "ID för denna beräkning får inte innehålla semikolon (;) eller radbrytning, eftersom "
        "alla kolumner i statistikfilen då skulle förskjutas.");

    // The chosen name with its extension replaced by ".skv".
    static QString withSkvExtension(const QString& path);
    static bool isValidIdentity(const QString& identity);

    // The header line a new file starts with.
    static QString header(Kind kind, const NutrientSelection& selection,
                          const NutrientNames& names);
    // The registration's lines, from the engine's current results.
    static QStringList lines(Kind kind, const QString& identity, const AppState& state);
    // A value rounded to the nutrient's decimals with a decimal comma; negative as 0.
    static QString number(float value, int decimals);

    // Writes a new file (header and lines) or adds the lines to a file (a missing one is
    // created, without header). Refuses an identity that is not valid and touches nothing.
    static ExportFile::Result write(const QString& path, ExportFile::Mode mode, Kind kind,
                                    const QString& identity, const AppState& state);
};

} // namespace vexamat
