#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace vexamat {

// Writes a one-sheet .xlsx as the Food Agency exports it: every cell that reads as a
// number is stored as a number, other texts as strings, empty texts as no cell.
class XlsxFixture {
public:
    static bool write(const QString& path, const QList<QStringList>& rows);
    // The three heading rows of an export followed by the given column names.
    static QList<QStringList> headings(const QStringList& columns);
};

} // namespace vexamat
