#pragma once

#include "core/reports/Report.h"

#include <QByteArray>

namespace vexamat {

// The report as RTF: monospaced lines, a page break before each page group, bar rows as
// text; the bars and pies themselves are left out, which the last line says.
class ReportRtf {
public:
    static inline const QString kLastLine =
        QStringLiteral("Stapeldiagrammen och cirkeldiagrammen finns inte med i RTF-filen.");

    static QByteArray toBytes(const Report& report);
    // Escapes the RTF control characters and writes every non-ASCII character as \uN?.
    static QByteArray escaped(const QString& text);
};

} // namespace vexamat
