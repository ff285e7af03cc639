#pragma once

#include "core/reports/Report.h"

#include <QByteArray>

namespace vexamat {

// The report as an Excel workbook: one sheet "Utskrift" with one row per report line, the
// text in column A and the section title in column B; a bar line gives its name, value and
// unit in A, the percentage of the recommendation as a number in C and the recommendation in
// D. With pies, each page group gets its two pies as Excel charts beside its first row, their
// values on the sheet "Cirkeldiagram".
class ReportXlsx {
public:
    static inline const QString kSheetName = QStringLiteral("Utskrift");
    static inline const QString kPieSheetName = QStringLiteral("Cirkeldiagram");

    // False when the workbook could not be made.
    static bool toBytes(const Report& report, QByteArray* bytes);
};

} // namespace vexamat
