#include "output/ReportHtml.h"

#include "core/reports/ReportBarLine.h"
#include "output/EnergyPieDrawing.h"

namespace vexamat {

namespace {

QString esc(const QString& text) {
    return text.toHtmlEscaped();
}

QString barSvg(const QString& text) {
    const ReportBarLine bar = ReportBarLine::parse(text);
    QString svg = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"bar\" "
                                 "width=\"720\" height=\"14\" viewBox=\"0 0 720 14\">");
    const auto textAt = [](int x, const QString& t) {
        return QStringLiteral("<text x=\"%1\" y=\"11\" xml:space=\"preserve\">%2</text>")
            .arg(x)
            .arg(esc(t));
    };
    svg += textAt(ReportBarLine::kLabelX, bar.label);
    if (bar.barWidth() > 0)
        svg += QStringLiteral("<rect x=\"%1\" y=\"2\" width=\"%2\" height=\"10\" fill=\"blue\"/>")
                   .arg(ReportBarLine::kBarX)
                   .arg(bar.barWidth());
    for (const auto& [x, top, h] :
         {std::tuple{ReportBarLine::kMark50X, 3, 8}, std::tuple{ReportBarLine::kMark100X, 0, 14},
          std::tuple{ReportBarLine::kMark150X, 3, 8}})
        svg += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"1\" height=\"%3\" fill=\"black\"/>")
                   .arg(x)
                   .arg(top)
                   .arg(h);
    svg += textAt(ReportBarLine::kPercentX, bar.percentText());
    svg += textAt(ReportBarLine::kRecommendationX, bar.recommendation);
    svg += QStringLiteral("</svg>");
    return svg;
}

} // namespace

QByteArray ReportHtml::toBytes(const Report& report) {
    QString html = QStringLiteral(
        "<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"sv\">\n<head>\n"
        "<meta charset=\"utf-8\"/>\n<title>Vexamatutskrift</title>\n<style>\n"
        "body { font-family: 'Courier New', 'DejaVu Sans Mono', monospace; }\n"
        "section { page-break-after: always; margin-bottom: 2em; }\n"
        "header { display: flex; justify-content: space-between; }\n"
        "h1 { font-size: 16pt; margin: 0; }\n"
        ".owner { font-size: 9pt; text-align: right; }\n"
        "pre { font-size: 9pt; line-height: 14px; margin: 0.5em 0; }\n"
        "svg.bar { display: block; font-family: 'Courier New', 'DejaVu Sans Mono', monospace; "
        "font-size: 12px; }\n"
        ".pies { display: flex; gap: 2em; }\n"
        ".info { font-size: 10pt; white-space: pre-wrap; }\n"
        "</style>\n</head>\n<body>\n");
    const QList<std::pair<int, int>> groups = report.groups();
    for (int g = 0; g < groups.size(); ++g) {
        const auto [first, end] = groups.at(g);
        html += QStringLiteral("<section>\n<header><h1>%1</h1><div class=\"owner\">%2</div>"
                               "</header>\n<pre>")
                    .arg(esc(report.titleOf(report.lines.at(first))), esc(report.headerText));
        for (int i = first; i < end; ++i) {
            const QString& text = report.lines.at(i).text;
            html += ReportBarLine::isBarLine(text) ? barSvg(text) : esc(text) + QLatin1Char('\n');
        }
        html += QStringLiteral("</pre>\n");
        if (report.pies) {
            html += QStringLiteral("<div class=\"pies\">");
            html += EnergyPieDrawing::svg(
                EnergyPieDrawing::kActualTitle,
                EnergyPieDrawing::actualSlices(report.energySets.value(g)), 330, 220);
            html +=
                EnergyPieDrawing::svg(EnergyPieDrawing::kIdealTitle,
                                      EnergyPieDrawing::idealSlices(report.idealEnergy), 330, 220);
            html += QStringLiteral("</div>\n");
        }
        html += QStringLiteral("</section>\n");
    }
    if (report.showInfo)
        html += QStringLiteral("<div class=\"info\">%1</div>\n")
                    .arg(esc(report.infoLines.join(QLatin1Char('\n'))));
    html += QStringLiteral("</body>\n</html>\n");
    return html.toUtf8();
}

} // namespace vexamat
