#pragma once

#include "core/norms/NormRow.h"

#include <optional>

namespace vexamat {

class VexamatDatabase;

// A row of the norm table "normer" by its number, for the windows that take the nutrients
// of an age group's standard norm.
class NormRowLookup {
public:
    // nullopt when the database is closed or has no such row.
    static std::optional<NormRow> find(const VexamatDatabase& database, int nr);
};

} // namespace vexamat
