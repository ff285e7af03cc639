#pragma once

#include "ui/FormBase.h"

#include <QList>
#include <QStringList>

class QHBoxLayout;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class QToolButton;

namespace vexamat {

class FoodGridDelegate;
class FoodTableModel;
class FoodTableSortModel;

// What sets one food table editor apart from the others.
struct FoodTableEditorSetup {
    QString objectName;
    QString table;
    QString caption;
    QString unlockCaption;   // Button1
    bool configuredPassword; // the configured password, else the fixed default
    QStringList memoLines;   // Memo1, shown after unlocking
    QString lockedMessage;   // a key pressed in the locked grid
    bool productColumns;     // dabas labels and formats
};

// A food table shown as a data-bound grid: read-only until the administrator password,
// code or name order, a changed row stored when the user leaves it, Ctrl+Delete removing
// the selected food after a question.
class FoodTableEditor : public FormBase {
    Q_OBJECT
public:
    FoodTableEditor(AppState& state, Windows& windows, Dialogs& dialogs,
                    FoodTableEditorSetup setup);
    ~FoodTableEditor() override;

    void SpeedButton1Click(); // "Nummerordning"
    void SpeedButton2Click(); // "Alfabetisk ordning"
    void Button1Click();      // unlock
    bool isLocked() const;
    // Reads the table again (after another window changed it), in the current order.
    void refresh();
    // Stores a changed row that the user has not left yet; false when it was refused.
    bool storeEdits();
    // The code and name of the food in the grid's current row; empty when none.
    QString currentCode() const;
    QString currentName() const;

    FoodTableModel* DBISAMTable1 = nullptr;
    QTableView* DBISAMDBGrid1 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QPushButton* Button1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;

protected:
    // Called after a successful unlock, for the window's own extras.
    virtual void unlocked() {}
    QHBoxLayout* buttonRow() const { return m_buttonRow; }
    void insertAboveGrid(QWidget* widget);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void ensureLoaded();
    void sortBy(int column);
    void setUpColumns();
    void DBISAMDBGrid1KeyPress();
    void deleteCurrent();
    void addFood();

    FoodTableEditorSetup m_setup;
    FoodTableSortModel* m_sorted = nullptr;
    FoodGridDelegate* m_delegate = nullptr;
    QHBoxLayout* m_buttonRow = nullptr;
    int m_sortColumn = 0;
    bool m_loaded = false;
};

} // namespace vexamat
