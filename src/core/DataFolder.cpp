#include "core/DataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace vexamat {

DataFolder::Result DataFolder::resolve(const QString& commandLineDir,
                                       const QString& installedDefaults, NewFolder newFolder) {
    Result result;
    QString chosen = commandLineDir;
    if (chosen.isEmpty())
        chosen = qEnvironmentVariable("VEXAMAT_DATA");
    if (!chosen.isEmpty()) {
        result.path = QDir(chosen).absolutePath();
        const QFileInfo info(result.path);
        // Only a missing or empty folder is filled: a folder with other files in it was
        // probably given by mistake, and is left as it is.
        const bool fresh =
            !info.exists() ||
            (info.isDir() &&
             QDir(result.path).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
        if (fresh && newFolder == NewFolder::Create) {
            if (!QDir().mkpath(result.path)) {
                result.error = QStringLiteral("Kan inte skapa datamappen %1.").arg(result.path);
                return result;
            }
            if (!fillFromDefaults(result.path, installedDefaults, &result.error))
                return result;
        }
    } else {
        result.path = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        if (result.path.isEmpty())
            result.path = QDir::home().filePath(QStringLiteral(".local/share/vexamat"));
        if (!QDir().mkpath(result.path)) {
            result.error = QStringLiteral("Kan inte skapa datamappen %1.").arg(result.path);
            return result;
        }
        if (!fillFromDefaults(result.path, installedDefaults, &result.error))
            return result;
    }
    if (!QFileInfo(result.path).isDir())
        result.error = QStringLiteral("Datamappen %1 finns inte.").arg(result.path);
    return result;
}

bool DataFolder::fillFromDefaults(const QString& target, const QString& defaults, QString* error) {
    const QDir source(defaults);
    if (defaults.isEmpty() || !source.exists()) {
        if (error)
            *error = QStringLiteral("Standarddata saknas (%1).").arg(defaults);
        return false;
    }
    const QDir to(target);
    for (const QFileInfo& file : source.entryInfoList(QDir::Files)) {
        const QString dest = to.filePath(file.fileName());
        if (QFileInfo::exists(dest))
            continue;
        if (!QFile::copy(file.absoluteFilePath(), dest)) {
            if (error)
                *error = QStringLiteral("Kan inte kopiera %1 till %2.")
                             .arg(file.absoluteFilePath(), target);
            return false;
        }
        QFile::setPermissions(dest, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                        QFile::ReadOther);
    }
    return true;
}

QString DataFolder::findDefaults(const QString& applicationDir, const QString& buildDataDir) {
    const QString installed =
        QDir(applicationDir).absoluteFilePath(QStringLiteral("../share/vexamat/data"));
    if (QFileInfo::exists(QDir(installed).filePath(QStringLiteral("vexamat.db"))))
        return QDir::cleanPath(installed);
    return buildDataDir;
}

} // namespace vexamat
