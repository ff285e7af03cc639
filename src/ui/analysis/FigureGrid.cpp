#include "ui/analysis/FigureGrid.h"

#include <QFont>
#include <QFontDatabase>
#include <QHeaderView>
#include <QTableWidget>

namespace vexamat {

QTableWidget* FigureGrid::create(QWidget* parent, int rows, std::initializer_list<int> widths,
                                 int fixedRows) {
    auto* grid = new QTableWidget(rows, int(widths.size()), parent);
    grid->setObjectName(QStringLiteral("StringGrid1"));
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    // Figures are padded with blanks: a fixed-pitch font keeps their points in line.
    grid->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    int c = 0;
    for (int w : widths)
        grid->setColumnWidth(c++, w);
    for (int r = 0; r < rows; ++r) {
        for (int col = 0; col < grid->columnCount(); ++col) {
            auto* item = new QTableWidgetItem;
            if (r < fixedRows) {
                QFont font = item->font();
                font.setBold(true);
                item->setFont(font);
            }
            grid->setItem(r, col, item);
        }
    }
    return grid;
}

void FigureGrid::setCell(QTableWidget* grid, int row, int column, const QString& text) {
    QTableWidgetItem* item = grid->item(row, column);
    if (item && item->text() != text)
        item->setText(text);
}

void FigureGrid::fill(QTableWidget* grid, const QList<QStringList>& cells) {
    for (int r = 0; r < grid->rowCount(); ++r) {
        const QStringList row = cells.value(r);
        for (int c = 0; c < grid->columnCount(); ++c)
            setCell(grid, r, c, row.value(c));
    }
}

int FigureGrid::fittingWidth(const QTableWidget* grid) {
    int width = 2 * grid->frameWidth() + 40; // the scroll bar and the layout's margins
    for (int c = 0; c < grid->columnCount(); ++c)
        width += grid->columnWidth(c);
    return width;
}

} // namespace vexamat
