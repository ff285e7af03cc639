#include "cli/Commands.h"
#include "cli/ExportRegistration.h"

#include "core/AppState.h"
#include "core/reports/StatisticsFile.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QTextStream>

int runStats(const QStringList& arguments) {
    using namespace vexamat;
    QTextStream err(stderr);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Skriver registreringens näringsvärden till en statistikfil (.skv)."));
    const QCommandLineOption idOption(QStringLiteral("id"), QStringLiteral("ID på varje rad."),
                                      QStringLiteral("ID"));
    const QCommandLineOption perDayOption(QStringLiteral("per-day"),
                                          QStringLiteral("Näringsvärden summerat per dag."));
    const QCommandLineOption detailedOption(QStringLiteral("detailed"),
                                            QStringLiteral("Näringsvärden i detalj."));
    const QCommandLineOption appendOption(QStringLiteral("append"),
                                          QStringLiteral("Adderar till befintlig statistikfil."));
    const QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("Statistikfilen."),
                                       QStringLiteral("FIL.skv"));
    const QCommandLineOption dataOption(QStringLiteral("data"), QStringLiteral("Datamappen."),
                                        QStringLiteral("DIR"));
    parser.addOptions(
        {idOption, perDayOption, detailedOption, appendOption, outOption, dataOption});
    parser.addPositionalArgument(QStringLiteral("FIL.vexa"), QStringLiteral("Registreringen."));
    if (!parser.parse(QStringList{QStringLiteral("stats")} + arguments) ||
        parser.positionalArguments().size() != 1 || !parser.isSet(idOption) ||
        !parser.isSet(outOption) || (parser.isSet(perDayOption) && parser.isSet(detailedOption))) {
        err << "stats: ange FIL.vexa --id ID [--per-day|--detailed] [--append] --out FIL.skv "
               "[--data DIR]\n";
        return 2;
    }
    const QString identity = parser.value(idOption);
    // Refused before anything is read, so that a study's file is never touched by it.
    if (!StatisticsFile::isValidIdentity(identity)) {
        err << "stats: " << StatisticsFile::kBadIdentity << "\n";
        return 1;
    }
    const auto state =
        openExportRegistration(QFileInfo(parser.positionalArguments().first()).absoluteFilePath(),
                               parser.value(dataOption), "stats", err);
    if (!state)
        return 1;

    const QString out =
        StatisticsFile::withSkvExtension(QFileInfo(parser.value(outOption)).absoluteFilePath());
    const ExportFile::Result result = StatisticsFile::write(
        out, parser.isSet(appendOption) ? ExportFile::Mode::Append : ExportFile::Mode::New,
        parser.isSet(detailedOption) ? StatisticsFile::Kind::Detailed
                                     : StatisticsFile::Kind::PerDay,
        identity, *state);
    if (!result.written) {
        err << "stats: " << result.message << "\n";
        return 1;
    }
    QTextStream(stdout) << result.message << "\n";
    return 0;
}
