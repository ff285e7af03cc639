#include "support/XlsxFixture.h"

#include "core/catalogue/LivsmedelsverketImport.h"

#include <QFile>

#include <xlsxwriter.h>

namespace vexamat {

bool XlsxFixture::write(const QString& path, const QList<QStringList>& rows) {
    lxw_workbook* workbook = workbook_new(QFile::encodeName(path).constData());
    if (!workbook)
        return false;
    lxw_worksheet* sheet = workbook_add_worksheet(workbook, "Blad1");
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows.at(r).size(); ++c) {
            const QString& text = rows.at(r).at(c);
            if (text.isEmpty())
                continue;
            bool isNumber = false;
            const double value = text.toDouble(&isNumber);
            if (isNumber)
                worksheet_write_number(sheet, lxw_row_t(r), lxw_col_t(c), value, nullptr);
            else
                worksheet_write_string(sheet, lxw_row_t(r), lxw_col_t(c), text.toUtf8().constData(),
                                       nullptr);
        }
    }
    return workbook_close(workbook) == LXW_NO_ERROR;
}

QList<QStringList> XlsxFixture::headings(const QStringList& columns) {
    return {QStringList{QStringLiteral("Livsmedelsverkets livsmedelsdatabas version 2099-01-01")},
            QStringList{LivsmedelsverketImport::kSubtitle}, columns};
}

} // namespace vexamat
