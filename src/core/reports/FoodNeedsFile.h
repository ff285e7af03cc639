#pragma once

#include "core/reports/ExportFile.h"

#include <QString>
#include <QStringList>

namespace vexamat {

struct AppState;

// The food-needs file (".vexagram"): a registered menu as a purchase basis. Every food row
// with its grams per meal, then per day the grams summed by food, then the same over the
// whole period; six fields a line, the first the user's tag (for example "Vecka 1"), no
// header, so that several menus can be added to one file.
class FoodNeedsFile {
public:
    static inline const QString kDialogTitle = QStringLiteral("Välj fil för livsmedelsbehov");
    static inline const QString kFilter = QStringLiteral("vexagram (*vexagram)");
    static inline const QString kWritten =
        QStringLiteral("Livsmedelsbehov utskrivet till filen:   ");
    // A tag with a field or line separator would shift every column of its lines.
    static inline const QString kBadTag = QStringLiteral(
        "Extra info får inte innehålla semikolon (;) eller radbrytning, eftersom alla "
        "kolumner i filen då skulle förskjutas.");

    // The chosen name with its extension replaced by ".vexagram".
    static QString withVexagramExtension(const QString& path);
    static bool isValidTag(const QString& tag);
    // The code as the file carries it: a DABAS article without its leading "dab".
    static QString fileCode(const QString& kod);

    // The registration's lines, from the engine's current meal and day energies.
    static QStringList lines(const QString& tag, const AppState& state);

    // Writes a new file or adds the lines to a file (a missing one is created). Refuses a
    // tag that is not valid and touches nothing.
    static ExportFile::Result write(const QString& path, ExportFile::Mode mode, const QString& tag,
                                    const AppState& state);
};

} // namespace vexamat
