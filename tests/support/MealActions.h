#pragma once

#include <QString>

class QWidget;

namespace vexamat {

// What a user does to register food in the main window, for UI tests; each step fails the
// test when the user could not do it.

// Types text into the search box and waits for the quick search to fill the food list.
void searchFoods(QWidget* mainWindow, const QString& text);
// Searches and double-clicks the line of the food list that reads name.
void addFoodFromList(QWidget* mainWindow, const QString& text, const QString& name);
// Clicks a cell of the meal grid (table row 0 is meal row 1), types text into it and
// commits it with Enter.
void typeIntoGridCell(QWidget* mainWindow, int tableRow, int column, const QString& text);

} // namespace vexamat
