#pragma once

#include "core/reports/Report.h"

#include <QString>

#include <optional>

namespace vexamat {

// Writes a report to a file in one of the report window's four file types. Every file is
// written atomically: on failure an older file of the same name is left whole.
class ReportExport {
public:
    enum class Format { Pdf, Rtf, Excel, Html }; // the order of "Vilken typ av fil?"

    static inline const QString kDefaultBaseName = QStringLiteral("Vexamatutskrift");

    static QString suffix(Format format);     // "pdf", "rtf", "xlsx", "html"
    static QString fileFilter(Format format); // for the save dialog
    static std::optional<Format> formatOfSuffix(const QString& suffix);
    // "Vexamatutskrift.pdf" in the folder.
    static QString defaultPath(const QString& folder, Format format);

    // False with a Swedish message naming the file when it cannot be written.
    static bool write(const Report& report, Format format, const QString& path, QString* error);
    static bool writePdf(const Report& report, const QString& path, QString* error);
};

} // namespace vexamat
