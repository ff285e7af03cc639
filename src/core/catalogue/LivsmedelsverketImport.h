#pragma once

#include "core/catalogue/XlsxReader.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <array>

namespace vexamat {

class NutrientNames;
class VexamatDatabase;

// Turns the Swedish Food Agency's .xlsx export of its food composition database into the
// livtab100 table. Columns are found by their names, not their positions, since the agency
// adds and reorders columns between versions.
class LivsmedelsverketImport {
public:
    static inline const QString kSubtitle =
        QStringLiteral("Näringsinnehåll per 100 gram livsmedel");
    // The small table that keeps the version line of the imported database.
    static inline const QString kVersionTable = QStringLiteral("livsmedelsdatabas");

    struct Summary {
        int foods = 0;
        QString versionLine;
        QStringList mappedColumns;  // column names of the file that were read into a field
        QStringList ignoredColumns; // column names the table has no field for
    };

    // The three reserve nutrients (84..86) are filled only when nvnamn.txt names them;
    // names: the nutrient names as read from nvnamn.txt (may be empty: reserves stay NULL).
    explicit LivsmedelsverketImport(const NutrientNames* names = nullptr);

    // Reads the file and replaces livtab100 in one transaction: on any error the old table
    // stays whole and the message names the row or column at fault.
    bool run(const QString& xlsxPath, VexamatDatabase& database, Summary* summary,
             QString* error) const;

    // Checks the rows and turns them into livtab100 records (all 96 fields, in field order).
    bool convert(const QList<XlsxRow>& rows, QList<QList<QVariant>>* records, Summary* summary,
                 QString* error) const;
    // Replaces the table's records and the stored version line, in one transaction.
    static bool replaceTable(VexamatDatabase& database, const QList<QList<QVariant>>& records,
                             const QString& versionLine, QString* error);

    // The code of a food number: "_" before the last three digits ("1_234" for 1234,
    // "0_012" for 12).
    static QString codeForNumber(qint64 number);
    // The version line stored by the last import; empty when none was made.
    static QString importedVersion(const VexamatDatabase& database);

private:
    // The livtab100 field position of an agency column; -1 when the table has none.
    int fieldFor(const QString& columnName) const;

    std::array<QString, 3> m_reserveNames; // NutrientName of 84, 85, 86
};

} // namespace vexamat
