#include "cli/Commands.h"

#include "core/DataFolder.h"
#include "core/analysis/FoodSearch.h"
#include "core/catalogue/FoodCatalogue.h"
#include "core/catalogue/FoodTable.h"
#include "core/catalogue/TableSchema.h"
#include "core/catalogue/VexamatDatabase.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

int runSearch(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Visar raderna som livsmedelslistan visar för en söktext."));
    QCommandLineOption data(QStringLiteral("data"), QStringLiteral("Datamappen."),
                            QStringLiteral("DIR"));
    QCommandLineOption noDabas(QStringLiteral("no-dabas"), QStringLiteral("Sök inte i DABAS."));
    parser.addOption(data);
    parser.addOption(noDabas);
    parser.addPositionalArgument(QStringLiteral("TEXT"), QStringLiteral("Söktexten."));
    QTextStream err(stderr);
    if (!parser.parse(QStringList{QStringLiteral("search")} + arguments) ||
        parser.positionalArguments().size() != 1) {
        err << "search: ange en söktext: search TEXT [--data DIR] [--no-dabas]\n";
        return 2;
    }
    const QString text = parser.positionalArguments().first();

    const QString defaults = vexamat::DataFolder::findDefaults(
        QCoreApplication::applicationDirPath(), QStringLiteral(VEXAMAT_BUILD_DATA_DIR));
    const vexamat::DataFolder::Result folder =
        vexamat::DataFolder::resolve(parser.value(data), defaults);
    if (!folder.error.isEmpty()) {
        err << "search: " << folder.error << "\n";
        return 1;
    }
    // Only the food tables and the catalogue: a search needs no registration or results.
    using namespace vexamat;
    VexamatDatabase database;
    QString error;
    const bool withDabas = !parser.isSet(noDabas);
    FoodTable livtab100(database, TableSchema::Livtab100);
    FoodTable fabrikant(database, TableSchema::Fabrikant);
    FoodTable egna(database, TableSchema::Egna);
    FoodTable dabas(database, TableSchema::Dabas);
    FoodCatalogue catalogue;
    const auto opened = [&] {
        if (!database.open(QDir(folder.path).filePath(VexamatDatabase::kFileName), &error))
            return false;
        livtab100 = FoodTable(database, TableSchema::Livtab100);
        fabrikant = FoodTable(database, TableSchema::Fabrikant);
        egna = FoodTable(database, TableSchema::Egna);
        dabas = FoodTable(database, TableSchema::Dabas);
        return livtab100.open(&error) && fabrikant.open(&error) && egna.open(&error) &&
               dabas.open(&error) && catalogue.LoadCatalogue(livtab100, fabrikant, egna, &error) &&
               (!withDabas || catalogue.LoadDabas(dabas, &error));
    };
    if (!opened()) {
        err << "search: " << error << "\n";
        return 1;
    }
    FoodList list;
    FoodSearch::BuildFoodList(catalogue, text, withDabas, &list);
    QTextStream out(stdout);
    out.setEncoding(QStringConverter::Utf8);
    for (int i = 0; i < list.size(); ++i)
        out << list.lines.at(i) << '\t' << list.companion(i) << '\n';
    return 0;
}
