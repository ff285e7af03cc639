#pragma once

#include "core/registration/FoodAdder.h"
#include "ui/ResultView.h"

#include <QColor>
#include <QWidget>

class QKeyEvent;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class QTimer;

namespace vexamat {

struct AppState;
class Dialogs;
class MainWindowUpdates;

// The meal grid with its buttons (Öka, Minska, Ta bort rad), the unit list and the
// right-click hint. Every change it makes to the meal is one edit of the registration
// session; the grid itself only shows the registration.
class MealGridPanel : public QWidget, public ResultView {
    Q_OBJECT
public:
    // All references are kept and must outlive the panel.
    MealGridPanel(AppState& state, Dialogs& dialogs, MainWindowUpdates& updates, QWidget* parent);

    void refresh(const AppState& state) override;
    void RefreshMealGrid();
    // Row colours follow the view mode: meal colours in "Måltid", black otherwise.
    void applyRowColours();

    // Adding a food chosen in the food list: row 0 is the first empty row; a drop inserts.
    FoodAdder::Result AddFoodToMeal(const QString& name, const QString& companion, int row,
                                    bool insert, bool forDietSurvey);
    // A code typed into the search box; false when no food has that code.
    bool addByCode(const QString& text);
    // A clock-time heading row typed into the search box.
    void addClockRow(const QString& text);
    void copyMeal();
    void pasteMeal();
    void undo();
    void redo();
    // Puts the cursor on the klockan column of the current row, as after opening a file.
    void selectTimeColumn();

    // The colour of a meal's rows and, in the day view, of its button.
    static QColor mealColour(int meal);

    // Grid rows 1..99 are the table's rows 0..98.
    static int tableRow(int gridRow) { return gridRow - 1; }
    static int gridRow(int tableRow) { return tableRow + 1; }

Q_SIGNALS:
    // Letters typed into the grid start a food search with this text.
    void searchTyped(const QString& text);
    // After an edit the typing goes on in the search box.
    void searchFocusWanted();
    // A food of the food list was dropped on a grid row (1..99).
    void foodDropped(int row);
    void instructionsRequested();

private:
    void StringGridMaltidSelectCell(int tableRowIndex, int column);
    void StringGridMaltidClick();
    bool StringGridMaltidKeyPress(QKeyEvent* key, const QString& text, bool fromEditor);
    void StringGridMaltidMouseDown(const QPoint& viewportPos);
    void StringGridMaltidDragDrop(const QPoint& viewportPos);
    void ListBoxVikterClick();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void buttonflyttaenhetClick();
    void DeleteRow(int row);
    bool commitCell(const QString& text, bool typed);
    void fitColumns();
    void installGridHooks();

    AppState& m_state;
    Dialogs& m_dialogs;
    MainWindowUpdates& m_updates;

    QTableWidget* StringGridMaltid = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* Button5 = nullptr;
    QPushButton* Button6 = nullptr;
    QPushButton* ButtonInstruktioner = nullptr;
    QListWidget* ListBoxVikter = nullptr;
    QPushButton* buttonflyttaenhet = nullptr;
    QPlainTextEdit* MemoHogerklick = nullptr;
    QTimer* TimerHogerKlick = nullptr;
};

} // namespace vexamat
