#pragma once

#include "ui/MainWindowUpdates.h"

#include <QMainWindow>

#include <array>
#include <memory>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class QToolButton;

namespace vexamat {

struct AppState;
class Dialogs;
class FoodPickerPanel;
class MainMenu;
class MealGridPanel;
class MealRecipeTools;
class RegistrationFiles;
class ResultChartPanel;
class ResultView;
struct Windows;

// The main window: the meal buttons, the day box and the view buttons, with the meal grid,
// the food list and the result charts as panels of their own. Its creation handler
// (FormCreate) loads what every other window reads; its Recalculate is the one update path.
class TForm1 : public QMainWindow, public MainWindowUpdates {
    Q_OBJECT
public:
    enum class StartupResult { Ok, Stopped, Fatal };

    TForm1(AppState& state, Windows& windows, Dialogs& dialogs);
    ~TForm1() override;

    // The start-up sequence; Stopped: a fault was shown and the later steps did not run;
    // Fatal: the program must end at once.
    StartupResult FormCreate();
    // Puts every result view into the order Recalculate refreshes them; called once every
    // window exists.
    void buildRefreshList();

    // The one update path after every change: refreshes the grid, the charts, the open
    // windows, the caption, the day box and the meal buttons.
    void Recalculate() override;
    void nutrientSelectionChanged() override;
    void showFoodGroup(const QString& group) override;
    void clearFoodList() override;
    void fetchRecipe(const QString& code) override;
    void focusSearchBox() override;

    // Asks to save when the registration has changed, then empties it. False when the user
    // cancelled (nothing changed).
    bool NewRegistration();
    // Whether there is anything that closing would lose.
    bool hasUnsavedChanges() const;

    bool isExtendedLayout() const { return m_extended; }
    // The layout chosen in an earlier run, then a first refresh.
    void restoreLayout();
    RegistrationFiles& registrationFiles() { return *m_registrationFiles; }
    ResultChartPanel& resultChartPanel() { return *m_charts; }
    FoodPickerPanel& foodPicker() { return *m_picker; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void createControls();
    void createWindowButtons(QLayout* into);
    // The food lookup window closes on a click in the main window when it is set to.
    void hideFoodLookup();
    void connectMenu();
    void selectMeal(int meal);
    void ComboBox1Change(int index);
    void setViewMode(int mode);
    void RefreshMealShares();
    void refreshDayBox();
    void refreshMealButtons();
    void readInitDir();
    void readPassword();
    void setExtendedLayout(bool extended);
    void saveLayout();
    void Nyberkning1Click();
    void Copyright1Click();
    void ButtonSkrivLivtabClick();
    void foodChosen(const QString& name, const QString& companion, int row, bool insert);

    AppState& m_state;
    Windows& m_windows;
    Dialogs& m_dialogs;
    bool m_recalculating = false;
    bool m_extended = false;

    QWidget* m_central = nullptr;
    MealGridPanel* m_grid = nullptr;
    FoodPickerPanel* m_picker = nullptr;
    ResultChartPanel* m_charts = nullptr;
    MainMenu* m_menu = nullptr;
    std::unique_ptr<RegistrationFiles> m_registrationFiles;
    std::unique_ptr<MealRecipeTools> m_mealTools;
    std::vector<ResultView*> m_views;

    std::array<QToolButton*, 9> mealButtons{}; // SpeedButton1..4, SpeedButton12..16
    QButtonGroup* mealButtonGroup = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QLabel* Label2 = nullptr;
    QToolButton* SpeedButton9 = nullptr;
    QToolButton* SpeedButton10 = nullptr;
    QToolButton* SpeedButton11 = nullptr;
    QPushButton* ButtonEnklare = nullptr;
    QPlainTextEdit* MemoHelp = nullptr;
    QCheckBox* CheckBoxHelp = nullptr;
    QComboBox* ComboBoxExtra = nullptr;
    QPushButton* ButtonSkrivLivtab = nullptr;
    QStatusBar* StatusBar1 = nullptr;
};

} // namespace vexamat
