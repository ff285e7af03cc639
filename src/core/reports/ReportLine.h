#pragma once

#include <QList>
#include <QString>

namespace vexamat {

// One printed line of a report and the title of the section it belongs to. A line whose
// text starts with "!" is a bar line (see ReportBarLine).
struct ReportLine {
    QString text;
    QString title;

    bool operator==(const ReportLine&) const = default;
};

using ReportLines = QList<ReportLine>;

} // namespace vexamat
