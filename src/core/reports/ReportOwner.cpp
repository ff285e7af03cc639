#include "core/reports/ReportOwner.h"

#include <QDir>
#include <QFile>

namespace vexamat {

QString ReportOwner::read(const QString& dataDir) {
    QFile file(QDir(dataDir).filePath(kFileName));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readLine()).trimmed();
}

QString ReportOwner::headerText(const QString& title, const QString& owner) {
    return title + QStringLiteral(" / ") + owner;
}

} // namespace vexamat
