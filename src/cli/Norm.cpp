#include "cli/Commands.h"
#include "cli/NameFile.h"
#include "cli/StartNorm.h"

#include "core/AppState.h"
#include "core/DataFolder.h"
#include "core/files/NormFile.h"
#include "core/files/RegistrationFile.h"
#include "core/norms/NormActivation.h"
#include "core/norms/SideFileNorms.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <memory>

int runNorm(const QStringList& arguments) {
    using namespace vexamat;
    QTextStream err(stderr);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Räknar ut normen som en sparad normfil ger (.pers, .enorm, ...)."));
    const QCommandLineOption dataOption(QStringLiteral("data"), QStringLiteral("Datamappen."),
                                        QStringLiteral("DIR"));
    const QCommandLineOption jsonOption(QStringLiteral("json"),
                                        QStringLiteral("Skriver resultatet som JSON."));
    parser.addOption(dataOption);
    parser.addOption(jsonOption);
    parser.addPositionalArgument(QStringLiteral("FIL"), QStringLiteral("Normfilen."));
    if (!parser.parse(QStringList{QStringLiteral("norm")} + arguments) ||
        parser.positionalArguments().size() != 1) {
        err << "norm: ange FIL [--data DIR] [--json]\n";
        return 2;
    }
    const QString path = QFileInfo(parser.positionalArguments().first()).absoluteFilePath();
    if (!QFileInfo::exists(path)) {
        err << "norm: " << path << " finns inte\n";
        return 1;
    }

    const DataFolder::Result folder = DataFolder::resolve(
        parser.value(dataOption), DataFolder::findDefaults(QCoreApplication::applicationDirPath(),
                                                           QStringLiteral(VEXAMAT_BUILD_DATA_DIR)));
    if (!folder.error.isEmpty()) {
        err << "norm: " << folder.error << "\n";
        return 1;
    }
    auto state = std::make_unique<AppState>();
    state->DataDir = folder.path;
    QString error;
    if (!state->openTables(&error)) {
        err << "norm: " << error << "\n";
        return 1;
    }
    if (!readNameFile(state->names, state->DataDir, "norm", err))
        return 1;
    loadStartNorm(*state);
    // As opening a registration does: the norm saved beside the side file comes first.
    const QString normPath = RegistrationFile::withExtension(path, QStringLiteral(".norm"));
    if (QFileInfo::exists(normPath))
        NormFile::read(normPath, state->norm);
    NormActivation::ComputeNormEnergyShares(state->norm);

    const std::optional<NormEstimate> estimate = SideFileNorms::compute(path, *state, &error);
    if (!estimate) {
        err << "norm: " << error << "\n";
        return 1;
    }

    QTextStream out(stdout);
    out.setEncoding(QStringConverter::Utf8);
    if (parser.isSet(jsonOption)) {
        QJsonObject root;
        root.insert(QStringLiteral("kind"), estimate->kind);
        root.insert(QStringLiteral("label"), estimate->label);
        QJsonObject need;
        for (int no = kFirstNutrientNo; no <= kLastNutrientNo; ++no)
            need.insert(QString::number(no), double(estimate->need[nutrientSlot(no)]));
        root.insert(QStringLiteral("need"), need);
        for (const auto& [key, value] : estimate->headline)
            root.insert(key, value);
        out << QJsonDocument(root).toJson(QJsonDocument::Indented);
        return 0;
    }
    out << "Normtyp: " << estimate->kind << "\n";
    out << "Norm: " << estimate->label << "\n";
    for (const auto& [key, value] : estimate->headline)
        out << key << ": " << QString::number(value, 'f', 1) << "\n";
    for (int no = kFirstNutrientNo; no <= kLastNutrientNo; ++no) {
        const int decimals = state->names.NutrientDecimals[std::size_t(no)];
        out << no << ' ' << state->names.label(no) << ": "
            << QString::number(double(estimate->need[nutrientSlot(no)]), 'f', decimals) << ' '
            << state->names.NutrientUnit[std::size_t(no)] << "\n";
    }
    return 0;
}
