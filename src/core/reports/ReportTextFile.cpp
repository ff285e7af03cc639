#include "core/reports/ReportTextFile.h"

#include <QDir>
#include <QSaveFile>

namespace vexamat {

QByteArray ReportTextFile::toBytes(const ReportLines& lines) {
    QByteArray bytes;
    for (const ReportLine& line : lines)
        bytes += line.text.toUtf8() + '\t' + line.title.toUtf8() + '\n';
    return bytes;
}

QString ReportTextFile::writeFailed(const QString& path) {
    return QStringLiteral("Kan ej skriva filen %1").arg(QDir::toNativeSeparators(path));
}

bool ReportTextFile::write(const QString& path, const ReportLines& lines, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(toBytes(lines)) < 0 || !file.commit()) {
        if (error)
            *error = writeFailed(path);
        return false;
    }
    return true;
}

} // namespace vexamat
