#pragma once

#include <QString>

namespace vexamat {

class VexamatDatabase;

// Copies a livtab100 food into the own-foods table egna under a new egna code.
class OwnFoodCopy {
public:
    struct Result {
        QString code; // the new egna code
        QString name; // the name given to the copy
    };

    // The next free code: one above the largest number of any "egna" code, so it stays
    // unique whatever order the table is shown in ("egna02" after "egna01", "egna010"
    // after "egna09", "egna100" after "egna099"); "egna01" for an empty table.
    static QString nextCode(const VexamatDatabase& database);
    // Copies every field from "Portionsstorlek" on; the name becomes name + " (slv" + code
    // + ")". False with a Swedish message when the food is missing or cannot be stored.
    static bool copy(const VexamatDatabase& database, const QString& livtabCode, Result* result,
                     QString* error);
};

} // namespace vexamat
