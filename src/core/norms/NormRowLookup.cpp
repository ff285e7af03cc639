#include "core/norms/NormRowLookup.h"

#include "core/catalogue/FoodTable.h"
#include "core/catalogue/TableRecord.h"
#include "core/catalogue/TableSchema.h"
#include "core/catalogue/VexamatDatabase.h"
#include "core/norms/NormTable.h"

namespace vexamat {

std::optional<NormRow> NormRowLookup::find(const VexamatDatabase& database, int nr) {
    if (nr <= 0 || !database.isOpen())
        return std::nullopt;
    FoodTable normer(database, TableSchema::Normer);
    QString error;
    if (!normer.open(&error))
        return std::nullopt;
    if (const std::optional<TableRecord> record = normer.findByCode(QString::number(nr)))
        return NormTable::fromRecord(*record);
    return std::nullopt;
}

} // namespace vexamat
