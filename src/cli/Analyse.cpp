#include "cli/Commands.h"
#include "cli/NameFile.h"
#include "cli/StartNorm.h"

#include "core/AppState.h"
#include "core/DataFolder.h"
#include "core/analysis/RegistrationAnalysis.h"
#include "core/catalogue/TableSchema.h"
#include "core/files/FoodLookup.h"
#include "core/files/NormFile.h"
#include "core/files/RegistrationFile.h"
#include "core/norms/NormActivation.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonDocument>
#include <QTextStream>

#include <memory>

int runAnalyse(const QStringList& arguments) {
    using namespace vexamat;
    QTextStream err(stderr);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Räknar ut näringen i en sparad registrering (.vexa)."));
    const QCommandLineOption dataOption(QStringLiteral("data"), QStringLiteral("Datamappen."),
                                        QStringLiteral("DIR"));
    const QCommandLineOption jsonOption(QStringLiteral("json"),
                                        QStringLiteral("Skriver resultatet som JSON."));
    parser.addOption(dataOption);
    parser.addOption(jsonOption);
    parser.addPositionalArgument(QStringLiteral("FIL.vexa"), QStringLiteral("Registreringen."));
    if (!parser.parse(QStringList{QStringLiteral("analyse")} + arguments) ||
        parser.positionalArguments().size() != 1) {
        err << "analyse: ange FIL.vexa [--data DIR] [--json]\n";
        return 2;
    }
    const QString path = QFileInfo(parser.positionalArguments().first()).absoluteFilePath();
    if (!QFileInfo::exists(path)) {
        err << RegistrationFile::kOpenFailed << ": " << path << " finns inte\n";
        return 1;
    }

    const DataFolder::Result folder = DataFolder::resolve(
        parser.value(dataOption), DataFolder::findDefaults(QCoreApplication::applicationDirPath(),
                                                           QStringLiteral(VEXAMAT_BUILD_DATA_DIR)));
    if (!folder.error.isEmpty()) {
        err << folder.error << "\n";
        return 1;
    }
    auto state = std::make_unique<AppState>();
    state->DataDir = folder.path;
    QString error;
    if (!state->openTables(&error)) {
        err << error << "\n";
        return 1;
    }
    if (!readNameFile(state->names, state->DataDir, "analyse", err))
        return 1;
    loadStartNorm(*state);
    state->NewRegistration();

    // As the program opens it: the norm beside the file first, then the file.
    const QString normPath = RegistrationFile::withExtension(path, QStringLiteral(".norm"));
    if (QFileInfo::exists(normPath))
        NormFile::read(normPath, state->norm);
    NormActivation::ComputeNormEnergyShares(state->norm);
    FoodLookup lookup(*state);
    const RegistrationFile::ReadResult result = RegistrationFile::read(path, *state, lookup);
    for (const QString& missing : result.missingFoods)
        err << missing << "\n";
    if (result.overflowed())
        err << RegistrationFile::overflowMessage(result) << "\n";
    if (result.status == RegistrationFile::Status::Failed) {
        err << RegistrationFile::kOpenFailed << ": " << path << "\n";
        return 1;
    }

    QTextStream out(stdout);
    if (parser.isSet(jsonOption)) {
        out << QJsonDocument(RegistrationAnalysis::toJson(*state)).toJson(QJsonDocument::Indented);
    } else {
        out << "Registrering: " << path << "\n";
        if (!result.date.isEmpty())
            out << "Sparad: " << result.date << "\n";
        for (const QString& line : RegistrationAnalysis::toText(*state))
            out << line << "\n";
    }
    return 0;
}
