#pragma once

#include <QString>

namespace vexamat {

class VexamatDatabase;

// Adding a food to a food table from its editor.
class FoodTableRows {
public:
    // Adds a food with only its code (name and values empty, to be filled in the grid).
    // False with a Swedish message when the code is empty or already used.
    static bool addEmpty(const VexamatDatabase& database, const QString& table, const QString& code,
                         QString* error);
};

} // namespace vexamat
