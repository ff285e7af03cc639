#include "output/ReportXlsx.h"

#include "core/reports/ReportBarLine.h"
#include "output/EnergyPieDrawing.h"

#include <QFile>
#include <QTemporaryDir>

#include <xlsxwriter.h>

namespace vexamat {

namespace {

// Writes one pie's values at the row and adds its chart; the row after its values returned.
int addPie(lxw_workbook* book, lxw_worksheet* sheet, lxw_worksheet* data,
           const QByteArray& dataName, int dataRow, const QString& title,
           const QList<ResultChartData::Slice>& slices, int anchorRow, int anchorCol) {
    worksheet_write_string(data, lxw_row_t(dataRow), 0, title.toUtf8().constData(), nullptr);
    const int first = dataRow + 1;
    for (int i = 0; i < slices.size(); ++i) {
        worksheet_write_string(data, lxw_row_t(first + i), 0,
                               slices.at(i).label.toUtf8().constData(), nullptr);
        worksheet_write_number(data, lxw_row_t(first + i), 1, double(slices.at(i).value), nullptr);
    }
    lxw_chart* chart = workbook_add_chart(book, LXW_CHART_PIE);
    if (!slices.isEmpty()) {
        lxw_chart_series* series = chart_add_series(chart, nullptr, nullptr);
        const int last = first + int(slices.size()) - 1;
        chart_series_set_categories(series, dataName.constData(), lxw_row_t(first), 0,
                                    lxw_row_t(last), 0);
        chart_series_set_values(series, dataName.constData(), lxw_row_t(first), 1, lxw_row_t(last),
                                1);
        std::vector<lxw_chart_fill> fills(size_t(slices.size()));
        std::vector<lxw_chart_point> points(size_t(slices.size()));
        std::vector<lxw_chart_point*> pointers;
        for (size_t i = 0; i < fills.size(); ++i) {
            fills[i] = lxw_chart_fill{};
            fills[i].color = slices.at(qsizetype(i)).rgb;
            points[i] = lxw_chart_point{};
            points[i].fill = &fills[i];
            pointers.push_back(&points[i]);
        }
        pointers.push_back(nullptr);
        chart_series_set_points(series, pointers.data());
        chart_series_set_labels(series);
        chart_series_set_labels_options(series, LXW_FALSE, LXW_TRUE, LXW_FALSE);
        chart_series_set_labels_num_format(series, "##0 %");
        chart_series_set_labels_percentage(series);
    }
    const QByteArray titleBytes = title.toUtf8();
    chart_title_set_name(chart, titleBytes.constData());
    worksheet_insert_chart(sheet, lxw_row_t(anchorRow), lxw_col_t(anchorCol), chart);
    return first + int(slices.size()) + 1;
}

} // namespace

bool ReportXlsx::toBytes(const Report& report, QByteArray* bytes) {
    QTemporaryDir dir;
    if (!dir.isValid())
        return false;
    const QByteArray path = dir.filePath(QStringLiteral("utskrift.xlsx")).toLocal8Bit();
    lxw_workbook* book = workbook_new(path.constData());
    if (!book)
        return false;
    const QByteArray sheetName = kSheetName.toUtf8();
    lxw_worksheet* sheet = workbook_add_worksheet(book, sheetName.constData());
    lxw_format* mono = workbook_add_format(book);
    format_set_font_name(mono, "Courier New");
    format_set_font_size(mono, 9);
    worksheet_set_column(sheet, 0, 0, 95, mono);
    worksheet_set_column(sheet, 1, 1, 24, nullptr);
    worksheet_set_column(sheet, 3, 3, 14, nullptr);

    for (int i = 0; i < report.lines.size(); ++i) {
        const ReportLine& line = report.lines.at(i);
        const auto row = lxw_row_t(i);
        if (ReportBarLine::isBarLine(line.text)) {
            const ReportBarLine bar = ReportBarLine::parse(line.text);
            worksheet_write_string(sheet, row, 0, bar.label.trimmed().toUtf8().constData(), mono);
            worksheet_write_number(sheet, row, 2, bar.percent, nullptr);
            worksheet_write_string(sheet, row, 3, bar.recommendation.trimmed().toUtf8().constData(),
                                   nullptr);
        } else if (!line.text.isEmpty()) {
            worksheet_write_string(sheet, row, 0, line.text.toUtf8().constData(), mono);
        }
        if (!line.title.isEmpty())
            worksheet_write_string(sheet, row, 1, line.title.toUtf8().constData(), nullptr);
    }

    if (report.pies) {
        const QByteArray dataName = kPieSheetName.toUtf8();
        lxw_worksheet* data = workbook_add_worksheet(book, dataName.constData());
        int dataRow = 0;
        const QList<std::pair<int, int>> groups = report.groups();
        for (int g = 0; g < groups.size(); ++g) {
            const int anchor = groups.at(g).first;
            dataRow = addPie(book, sheet, data, dataName, dataRow, EnergyPieDrawing::kActualTitle,
                             EnergyPieDrawing::actualSlices(report.energySets.value(g)), anchor, 5);
            dataRow = addPie(book, sheet, data, dataName, dataRow, EnergyPieDrawing::kIdealTitle,
                             EnergyPieDrawing::idealSlices(report.idealEnergy), anchor, 13);
        }
    }
    if (workbook_close(book) != LXW_NO_ERROR)
        return false;
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *bytes = file.readAll();
    return true;
}

} // namespace vexamat
