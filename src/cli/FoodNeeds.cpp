#include "cli/Commands.h"
#include "cli/ExportRegistration.h"

#include "core/AppState.h"
#include "core/reports/FoodNeedsFile.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QTextStream>

int runFoodNeeds(const QStringList& arguments) {
    using namespace vexamat;
    QTextStream err(stderr);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Skriver hur mycket av varje livsmedel menyn innehåller (.vexagram)."));
    const QCommandLineOption tagOption(QStringLiteral("tag"),
                                       QStringLiteral("Extra info på varje rad, t.ex. Vecka 1."),
                                       QStringLiteral("TEXT"));
    const QCommandLineOption appendOption(QStringLiteral("append"),
                                          QStringLiteral("Adderar till befintlig fil."));
    const QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("Behovsfilen."),
                                       QStringLiteral("FIL"));
    const QCommandLineOption dataOption(QStringLiteral("data"), QStringLiteral("Datamappen."),
                                        QStringLiteral("DIR"));
    parser.addOptions({tagOption, appendOption, outOption, dataOption});
    parser.addPositionalArgument(QStringLiteral("FIL.vexa"), QStringLiteral("Registreringen."));
    if (!parser.parse(QStringList{QStringLiteral("food-needs")} + arguments) ||
        parser.positionalArguments().size() != 1 || !parser.isSet(tagOption) ||
        !parser.isSet(outOption)) {
        err << "food-needs: ange FIL.vexa --tag TEXT [--append] --out FIL [--data DIR]\n";
        return 2;
    }
    const QString tag = parser.value(tagOption);
    if (!FoodNeedsFile::isValidTag(tag)) {
        err << "food-needs: " << FoodNeedsFile::kBadTag << "\n";
        return 1;
    }
    const auto state =
        openExportRegistration(QFileInfo(parser.positionalArguments().first()).absoluteFilePath(),
                               parser.value(dataOption), "food-needs", err);
    if (!state)
        return 1;

    const QString out =
        FoodNeedsFile::withVexagramExtension(QFileInfo(parser.value(outOption)).absoluteFilePath());
    const ExportFile::Result result = FoodNeedsFile::write(
        out, parser.isSet(appendOption) ? ExportFile::Mode::Append : ExportFile::Mode::New, tag,
        *state);
    if (!result.written) {
        err << "food-needs: " << result.message << "\n";
        return 1;
    }
    QTextStream(stdout) << result.message << "\n";
    return 0;
}
