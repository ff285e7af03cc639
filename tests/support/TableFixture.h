#pragma once

#include <QString>
#include <QVariant>

#include <utility>
#include <vector>

namespace vexamat {

class VexamatDatabase;

// Small hand-made table contents for tests: one record as field name -> value; fields not
// named stay NULL.
class TableFixture {
public:
    using Record = std::vector<std::pair<QString, QVariant>>;

    // Inserts one record; false (with a test failure message printed) on an SQL error.
    static bool insert(VexamatDatabase& db, const QString& table, const Record& record);
    // A food record with code, name, group, unit and portion, and the named nutrients.
    static Record food(const QString& kod, const QString& name, const QString& group = {},
                       const QString& unit = QStringLiteral("st"), double portion = 100,
                       const Record& more = {});
};

} // namespace vexamat
