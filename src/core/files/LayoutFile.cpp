#include "core/files/LayoutFile.h"

#include "core/text/TextCodec.h"

#include <QStringList>

namespace vexamat {

namespace {
const QString kExtended = QStringLiteral("utökad");
const QString kSimple = QStringLiteral("enkel");
} // namespace

bool LayoutFile::readExtended(const QString& path) {
    QStringList lines;
    return TextCodec::readLines(path, &lines) && !lines.isEmpty() &&
           lines.first().trimmed() == kExtended;
}

bool LayoutFile::writeExtended(const QString& path, bool extended, QString* error) {
    return TextCodec::writeLines(path, {extended ? kExtended : kSimple}, error);
}

} // namespace vexamat
