#include "cli/Commands.h"
#include "cli/NameFile.h"

#include "core/DataFolder.h"
#include "core/catalogue/LivsmedelsverketImport.h"
#include "core/catalogue/NutrientNames.h"
#include "core/catalogue/VexamatDatabase.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

int runImportLivsmedelsverket(const QStringList& arguments) {
    using namespace vexamat;
    QTextStream err(stderr);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Läser Livsmedelsverkets livsmedelsdatabas (.xlsx) in i livtab100."));
    const QCommandLineOption data(QStringLiteral("data"), QStringLiteral("Datamappen."),
                                  QStringLiteral("DIR"));
    parser.addOption(data);
    parser.addPositionalArgument(QStringLiteral("FIL.xlsx"),
                                 QStringLiteral("Exporten från Livsmedelsverket."));
    if (!parser.parse(QStringList{QStringLiteral("import-livsmedelsverket")} + arguments) ||
        parser.positionalArguments().size() != 1) {
        err << "import-livsmedelsverket: ange en .xlsx-fil: "
               "vexamat-cli import-livsmedelsverket FIL.xlsx [--data DIR]\n";
        return 2;
    }
    const QString file = parser.positionalArguments().first();

    const QString defaults = DataFolder::findDefaults(QCoreApplication::applicationDirPath(),
                                                      QStringLiteral(VEXAMAT_BUILD_DATA_DIR));
    // The import writes a whole database, so a new folder gets the rest of the data too.
    const DataFolder::Result folder =
        DataFolder::resolve(parser.value(data), defaults, DataFolder::NewFolder::Create);
    if (!folder.error.isEmpty()) {
        err << "import-livsmedelsverket: " << folder.error << "\n";
        return 1;
    }
    const QDir dir(folder.path);
    VexamatDatabase database;
    QString error;
    if (!database.open(dir.filePath(VexamatDatabase::kFileName), &error)) {
        err << "import-livsmedelsverket: " << error << "\n";
        return 1;
    }
    // The reserve nutrients are filled only when the name file names them.
    NutrientNames names;
    if (!readNameFile(names, dir.path(), "import-livsmedelsverket", err))
        return 1;

    LivsmedelsverketImport::Summary summary;
    if (!LivsmedelsverketImport(&names).run(file, database, &summary, &error)) {
        err << "import-livsmedelsverket: " << error << "\n"
            << "Tabellen livtab100 är oförändrad.\n";
        return 1;
    }
    QTextStream out(stdout);
    out << summary.versionLine << "\n"
        << "Inlästa livsmedel: " << summary.foods << "\n"
        << "Inlästa kolumner (" << summary.mappedColumns.size()
        << "): " << summary.mappedColumns.join(QStringLiteral("; ")) << "\n"
        << "Kolumner som tabellen saknar fält för (" << summary.ignoredColumns.size()
        << "): " << summary.ignoredColumns.join(QStringLiteral("; ")) << "\n"
        << "Tabellen livtab100 i " << database.path() << " är ersatt.\n";
    return 0;
}
