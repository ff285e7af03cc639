#pragma once

#include "core/reports/ReportLine.h"

#include <QString>

namespace vexamat {

// The report lines as plain text: one line per record, its section title after a tab.
// UTF-8 with LF line ends.
class ReportTextFile {
public:
    static QByteArray toBytes(const ReportLines& lines);
    // Writes atomically; false with a Swedish message naming the file when it fails.
    static bool write(const QString& path, const ReportLines& lines, QString* error);
    // "Kan ej skriva filen PATH"
    static QString writeFailed(const QString& path);
};

} // namespace vexamat
