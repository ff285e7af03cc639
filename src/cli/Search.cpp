#include "cli/Commands.h"

#include "core/AppState.h"
#include "core/DataFolder.h"
#include "core/analysis/FoodSearch.h"

#include <QCommandLineParser>
#include <QCoreApplication>
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
    vexamat::AppState state;
    state.DataDir = folder.path;
    QString error;
    const bool withDabas = !parser.isSet(noDabas);
    if (!state.openTables(&error) ||
        !state.catalogue.LoadCatalogue(state.livtab100, state.fabrikant, state.egna, &error) ||
        (withDabas && !state.catalogue.LoadDabas(state.dabas, &error))) {
        err << "search: " << error << "\n";
        return 1;
    }
    vexamat::FoodList list;
    vexamat::FoodSearch::BuildFoodList(state.catalogue, text, withDabas, &list);
    QTextStream out(stdout);
    out.setEncoding(QStringConverter::Utf8);
    for (int i = 0; i < list.size(); ++i)
        out << list.lines.at(i) << '\t' << list.companion(i) << '\n';
    return 0;
}
