#include "core/norms/NormTable.h"

#include "core/catalogue/FoodTable.h"
#include "core/catalogue/TableRecord.h"
#include "core/catalogue/TableSchema.h"

namespace vexamat {

NormRow NormTable::fromRecord(const TableRecord& record) {
    NormRow row;
    row.Nr = static_cast<int>(record.numberOr(0, 0));
    row.Norm = record.text(1);
    for (int n = 0; n < kNutrientCount; ++n)
        row.values[n] =
            static_cast<float>(record.numberOr(TableSchema::kFirstNutrientPosition + n, 0));
    return row;
}

std::optional<NormRow> NormTable::defaultRow(const FoodTable& normer, int nr, bool* found) {
    if (found)
        *found = false;
    if (const std::optional<TableRecord> record = normer.findByCode(QString::number(nr))) {
        if (found)
            *found = true;
        return fromRecord(*record);
    }
    const QList<TableRecord> rows = normer.recordsInKeyOrder();
    if (rows.isEmpty())
        return std::nullopt;
    return fromRecord(rows.first());
}

QList<NormRow> NormTable::allRows(const FoodTable& normer) {
    QList<NormRow> rows;
    for (const TableRecord& record : normer.recordsInKeyOrder())
        rows << fromRecord(record);
    return rows;
}

} // namespace vexamat
