#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace vexamat {

// One row of a worksheet: its 1-based row number and the cell texts by column (A = 0).
// A number cell holds its stored text ("21.7"); an empty or absent cell an empty text.
struct XlsxRow {
    int number = 0;
    QStringList cells;
};

// Reads the first worksheet of an .xlsx file (a zip archive of XML parts) into rows.
class XlsxReader {
public:
    // False with a Swedish message when the file is missing, is no .xlsx or is damaged.
    static bool read(const QString& path, QList<XlsxRow>* rows, QString* error);

    // "A" for 0, "Z" for 25, "AA" for 26.
    static QString columnName(int column);
    // The 0-based column of a cell reference such as "BI2336"; -1 when it has no letters.
    static int columnOfReference(QStringView reference);
};

} // namespace vexamat
