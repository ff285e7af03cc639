#pragma once

#include "core/norms/NormRow.h"

#include <QList>

#include <optional>

namespace vexamat {

class FoodTable;
class TableRecord;

// Reads rows of the norm table "normer" (opened as a FoodTable): the values are read by
// field position, nutrient number - 1.
class NormTable {
public:
    static constexpr int kDefaultNr = 12;

    static NormRow fromRecord(const TableRecord& record);
    // The row with the number; when there is none, the first row in key order (found is
    // false then). std::nullopt when the table is empty.
    static std::optional<NormRow> defaultRow(const FoodTable& normer, int nr, bool* found);
    static QList<NormRow> allRows(const FoodTable& normer);
};

} // namespace vexamat
