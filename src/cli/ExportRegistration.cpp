#include "cli/ExportRegistration.h"

#include "cli/NameFile.h"
#include "cli/StartNorm.h"

#include "core/AppState.h"
#include "core/DataFolder.h"
#include "core/files/FoodLookup.h"
#include "core/files/NormFile.h"
#include "core/files/RegistrationFile.h"
#include "core/norms/NormActivation.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

std::unique_ptr<vexamat::AppState> openExportRegistration(const QString& path,
                                                          const QString& dataDir,
                                                          const char* command, QTextStream& err) {
    using namespace vexamat;
    if (!QFileInfo::exists(path)) {
        err << command << ": " << RegistrationFile::kOpenFailed << ": " << path << " finns inte\n";
        return nullptr;
    }
    const DataFolder::Result folder = DataFolder::resolve(
        dataDir, DataFolder::findDefaults(QCoreApplication::applicationDirPath(),
                                          QStringLiteral(VEXAMAT_BUILD_DATA_DIR)));
    if (!folder.error.isEmpty()) {
        err << command << ": " << folder.error << "\n";
        return nullptr;
    }
    auto state = std::make_unique<AppState>();
    state->DataDir = folder.path;
    QString error;
    if (!state->openTables(&error)) {
        err << command << ": " << error << "\n";
        return nullptr;
    }
    if (!readNameFile(state->names, state->DataDir, command, err))
        return nullptr;
    loadStartNorm(*state);
    // A missing or broken nvval.txt gives the default selection, as at start-up.
    state->selection.load(state->dataPath(QStringLiteral("nvval.txt")));
    state->NewRegistration();

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
        err << command << ": " << RegistrationFile::kOpenFailed << ": " << path << "\n";
        return nullptr;
    }
    state->recalculate();
    return state;
}
