#include "output/ReportRtf.h"

#include "core/reports/ReportBarLine.h"
#include "core/reports/ReportNumber.h"

namespace vexamat {

QByteArray ReportRtf::escaped(const QString& text) {
    QByteArray out;
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            out += '\\';
            out += char(u);
        } else if (u < 0x80) {
            out += char(u);
        } else {
            out += "\\u" + QByteArray::number(qint16(u)) + '?';
        }
    }
    return out;
}

QByteArray ReportRtf::toBytes(const Report& report) {
    QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fmodern Courier New;}}\n"
                     "\\paperw11906\\paperh16838\\margl720\\margr360\\margt360\\margb360\n";
    const QList<std::pair<int, int>> groups = report.groups();
    for (int g = 0; g < groups.size(); ++g) {
        const auto [first, end] = groups.at(g);
        if (g > 0)
            rtf += "\\page\n";
        rtf += "\\pard\\plain\\f0\\fs32\\b " + escaped(report.titleOf(report.lines.at(first))) +
               "\\b0\\par\n";
        rtf += "\\pard\\qr\\f0\\fs18 " + escaped(report.headerText) + "\\par\n\\pard\\f0\\fs18\n";
        for (int i = first; i < end; ++i) {
            QString text = report.lines.at(i).text;
            if (ReportBarLine::isBarLine(text)) {
                const ReportBarLine bar = ReportBarLine::parse(text);
                text = ReportNumber::padRight(QStringLiteral(" ") + bar.label, 63) +
                       ReportNumber::padRight(bar.percentText(), 12) + bar.recommendation;
            }
            rtf += escaped(text) + "\\line\n";
        }
        rtf += "\\par\n";
    }
    if (report.showInfo) {
        rtf += "\\pard\\f0\\fs20\n";
        for (const QString& line : report.infoLines)
            rtf += escaped(line) + "\\line\n";
        rtf += "\\par\n";
    }
    rtf += "\\pard\\f0\\fs18 " + escaped(kLastLine) + "\\par\n}\n";
    return rtf;
}

} // namespace vexamat
