#include "cli/Commands.h"
#include "cli/NameFile.h"

#include "core/DataFolder.h"
#include "core/analysis/NutrientSelection.h"
#include "core/catalogue/NutrientNames.h"
#include "core/reports/SurveyProject.h"
#include "core/reports/SurveyProjectFile.h"
#include "core/reports/SurveySummary.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <memory>

int runSurveySummary(const QStringList& arguments) {
    using namespace vexamat;
    QTextStream err(stderr);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Sammanställer en kostundersökning (.skv) per måltid, dag och person."));
    const QCommandLineOption dataOption(QStringLiteral("data"), QStringLiteral("Datamappen."),
                                        QStringLiteral("DIR"));
    const QCommandLineOption outOption(QStringLiteral("out"),
                                       QStringLiteral("Skriver sammanställningen till en fil."),
                                       QStringLiteral("FIL.skv"));
    parser.addOptions({dataOption, outOption});
    parser.addPositionalArgument(QStringLiteral("PROJEKT.skv"), QStringLiteral("Projektet."));
    if (!parser.parse(QStringList{QStringLiteral("survey-summary")} + arguments) ||
        parser.positionalArguments().size() != 1) {
        err << "survey-summary: ange PROJEKT.skv [--out FIL.skv] [--data DIR]\n";
        return 2;
    }
    const QString path = QFileInfo(parser.positionalArguments().first()).absoluteFilePath();
    if (!QFileInfo::exists(path)) {
        err << "survey-summary: " << SurveyProjectFile::kReadError << ": " << path
            << " finns inte\n";
        return 1;
    }

    const DataFolder::Result folder = DataFolder::resolve(
        parser.value(dataOption), DataFolder::findDefaults(QCoreApplication::applicationDirPath(),
                                                           QStringLiteral(VEXAMAT_BUILD_DATA_DIR)));
    if (!folder.error.isEmpty()) {
        err << "survey-summary: " << folder.error << "\n";
        return 1;
    }
    NutrientNames names;
    if (!readNameFile(names, folder.path, "survey-summary", err))
        return 1;
    // The nutrients the program works with in this data folder, as the survey window takes
    // them at start.
    NutrientSelection selection;
    selection.load(QDir(folder.path).filePath(QStringLiteral("nvval.txt")));

    auto project = std::make_unique<SurveyProject>();
    project->setNutrients(selection, names);
    const SurveyProjectFile::ReadResult read = SurveyProjectFile::read(path, *project);
    if (!read.ok) {
        err << "survey-summary: " << path << ": " << read.error << "\n";
        return 1;
    }
    if (!project->leftOutNutrients().isEmpty())
        err << "survey-summary: " << project->leftOutNutrients().size()
            << " valda näringsämnen fick inte plats i projektet och räknas inte med\n";

    const QList<SurveySummary::Row> rows = SurveySummary::build(*project);
    if (parser.isSet(outOption)) {
        QString error;
        const QString out = parser.value(outOption);
        if (!SurveySummary::write(rows, out, &error)) {
            err << "survey-summary: " << error << ": " << out << "\n";
            return 1;
        }
        QTextStream(stdout) << SurveySummary::fileLines(rows).size() << " rader sparade.\n";
        return 0;
    }
    QTextStream outStream(stdout);
    outStream.setEncoding(QStringConverter::Utf8);
    for (const QString& line : SurveySummary::fileLines(rows))
        outStream << line << '\n';
    return 0;
}
