#pragma once

#include "core/reports/Report.h"

#include <QByteArray>

namespace vexamat {

// The report as one self-contained HTML file (well-formed XML): one <section> per page
// group with its header, the lines in a <pre>, bar rows and pies as inline SVG.
class ReportHtml {
public:
    static QByteArray toBytes(const Report& report);
};

} // namespace vexamat
