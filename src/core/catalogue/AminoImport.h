#pragma once

#include <QString>

namespace vexamat {

class VexamatDatabase;

// Fills the 18 amino-acid fields of livtab100 foods from amino.skv: a line per food, its
// food number in field 1 and the amino acids ILE..SER in mg in fields 7 to 24, each field
// ended by ";".
class AminoImport {
public:
    static inline const QString kFileName = QStringLiteral("amino.skv");

    // The number of foods completed (each gets "*" after its name), or -1 with a Swedish
    // message when the file cannot be read. Lines whose food number is no number, whose
    // food is not in the table or that lack some of the 18 fields are skipped.
    static int run(const VexamatDatabase& database, const QString& path, QString* error);
};

} // namespace vexamat
