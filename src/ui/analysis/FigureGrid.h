#pragma once

#include <QList>
#include <QStringList>

#include <initializer_list>

class QTableWidget;
class QWidget;

namespace vexamat {

// The read-only grids of figures of the detail views: a fixed number of rows, given column
// widths, cells filled from core's texts.
class FigureGrid {
public:
    // A grid of rows rows owned by parent; the first fixedRows rows are headings.
    static QTableWidget* create(QWidget* parent, int rows, std::initializer_list<int> widths,
                                int fixedRows);
    // Puts the cells in from the top; the rest of the grid is emptied.
    static void fill(QTableWidget* grid, const QList<QStringList>& cells);
    static void setCell(QTableWidget* grid, int row, int column, const QString& text);
    // The width of a window that shows every column.
    static int fittingWidth(const QTableWidget* grid);
};

} // namespace vexamat
