#pragma once

#include <QString>

class QTableWidget;

namespace vexamat {

// Types text into a cell of a table widget as a user does: brings its window to the front,
// clicks the cell, types (the first key opens the cell's editor) and presses Enter, then
// waits until the cell has taken the text.
void typeIntoCell(QTableWidget* grid, int row, int column, const QString& text);

} // namespace vexamat
