#include "support/TempDataFolder.h"

#include <QDir>
#include <QFile>

namespace vexamat {

QString TempDataFolder::builtData() {
    return qEnvironmentVariable("VEXAMAT_TEST_DATA");
}

TempDataFolder::TempDataFolder() {
    const QDir source(builtData());
    if (!m_dir.isValid() || builtData().isEmpty() || !source.exists())
        return;
    for (const QString& name : source.entryList(QDir::Files)) {
        if (!QFile::copy(source.filePath(name), filePath(name)))
            return;
        QFile::setPermissions(filePath(name), QFile::ReadOwner | QFile::WriteOwner);
    }
    m_valid = true;
}

QString TempDataFolder::filePath(const QString& name) const {
    return QDir(m_dir.path()).filePath(name);
}

void TempDataFolder::write(const QString& name, const QByteArray& bytes) const {
    QFile file(filePath(name));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

void TempDataFolder::remove(const QString& name) const {
    QFile::remove(filePath(name));
}

} // namespace vexamat
