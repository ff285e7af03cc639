#include "cli/NameFile.h"

#include "core/catalogue/NutrientNames.h"

#include <QDir>
#include <QTextStream>

bool readNameFile(vexamat::NutrientNames& names, const QString& dataFolder, const char* command,
                  QTextStream& err) {
    const vexamat::NutrientNames::ReadResult read =
        names.read(QDir(dataFolder).filePath(QStringLiteral("nvnamn.txt")));
    if (read.status == vexamat::NutrientNames::ReadStatus::Ok)
        return true;
    err << command << ": " << read.message;
    if (read.line > 0)
        err << " (rad " << read.line << ")";
    err << "\n";
    return false;
}
