#pragma once

#include <QString>
#include <QStringList>

namespace vexamat {

class VexamatDatabase;

// Builds a data folder from the default data: every table from its CSV file into a new
// vexamat.db, and the text files converted to Windows-1252 with CR LF.
class DefaultDataBuilder {
public:
    static QStringList textFiles();

    // Writes outDir/vexamat.db (replacing it only when the whole build succeeded) and the
    // text files. On failure the message names the file, line and column at fault.
    static bool build(const QString& sourceDir, const QString& outDir, QString* error);
    // Loads one CSV file into an existing table, in one transaction.
    static bool importCsv(VexamatDatabase& db, const QString& table, const QString& csvPath,
                          QString* error);
};

} // namespace vexamat
