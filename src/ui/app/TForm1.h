#pragma once

#include "analysis/FoodList.h"
#include "ui/FormBase.h"

#include <QMainWindow>

#include <array>

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class QTableWidget;
class QTimer;
class QToolButton;

class QChartView;

namespace vexamat {

// The main window: the meal buttons, the day box, the meal grid, the food list and the
// menus. Its creation handler (FormCreate) loads what every other window reads.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    enum class StartupResult { Ok, Stopped, Fatal };

    TForm1(AppState& state, Windows& windows, Dialogs& dialogs);

    // The start-up sequence; Stopped: a fault was shown and the later steps did not run;
    // Fatal: the program must end at once.
    StartupResult FormCreate();

    // The one update path after every change: refreshes the grid, the charts, the open
    // windows, the caption, the day box and the meal buttons.
    void Recalculate();
    void RefreshMealGrid();
    // Shows the livtab100 foods of a group in the food list.
    void FilterByGroup(const QString& group);
    const FoodList& foodList() const { return m_foodList; }
    void showFoodList(const FoodList& list);

    // Asks to save when the registration has changed, then empties it. False when the user
    // cancelled (nothing changed).
    bool NewRegistration();

    // Grid rows 1..99 are the table's rows 0..98.
    static int tableRow(int gridRow) { return gridRow - 1; }
    static int gridRow(int tableRow) { return tableRow + 1; }

    // Menu handlers.
    void Nyberkning1Click();
    void Hmtaberkning1Click();
    void SparaBerkning1Click();
    void Mailaberkning1Click();
    void Extrainfo1Click();
    void RaderaClick();
    void Kopieradennamltid2Click();
    void Klistraindennamltid1Click();
    void Copyright1Click();
    void ButtonInstruktionerClick();
    void ButtonEnklareClick();
    void CheckBoxHelpClick();

    // Visible controls.
    std::array<QToolButton*, 9> mealButtons{}; // SpeedButton1..4, SpeedButton12..16
    QButtonGroup* mealButtonGroup = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QTableWidget* StringGridMaltid = nullptr;
    QListWidget* ListBoxLivs = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* Button5 = nullptr;
    QPushButton* Button6 = nullptr;
    QPushButton* ButtonInstruktioner = nullptr;
    QLineEdit* Edit1 = nullptr;
    QComboBox* ComboBoxSLVgrupp = nullptr;

    // Controls that start hidden.
    QChartView* ChartStapel = nullptr;
    QChartView* ChartEnergi = nullptr;
    QChartView* ChartEnergiRek = nullptr;
    QToolButton* SpeedButton5 = nullptr;
    QToolButton* SpeedButton6 = nullptr;
    QToolButton* SpeedButton8 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* ButtonProcent = nullptr;
    QCheckBox* CheckboxAlkohol = nullptr;
    QPlainTextEdit* MemoStapel = nullptr;
    QToolButton* SpeedButton9 = nullptr;
    QToolButton* SpeedButton10 = nullptr;
    QToolButton* SpeedButton11 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* ButtonVisaSiffror = nullptr;
    QPushButton* Button8 = nullptr;
    QPushButton* ButtonNvPerKg = nullptr;
    QPushButton* ButtonNv100g = nullptr;
    QPushButton* ButtonGram = nullptr;
    QPushButton* ButtonFett = nullptr;
    QPushButton* ButtonEnergiCirkel = nullptr;
    QPushButton* ButtonLivsGrupper = nullptr;
    QPushButton* ButtonSalt = nullptr;
    QPushButton* ButtonInsulin = nullptr;
    QCheckBox* CheckBoxDabas = nullptr;
    QComboBox* ComboBoxDabas = nullptr;
    QComboBox* ComboBoxFabrikant = nullptr;
    QPushButton* ButtonFavoriter = nullptr;
    QPushButton* ButtonSenaste = nullptr;
    QCheckBox* CheckBoxSnabbSok = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    QListWidget* ListBoxVikter = nullptr;
    QPushButton* buttonflyttaenhet = nullptr;
    QPlainTextEdit* MemoHogerklick = nullptr;
    QPushButton* ButtonSkrivLivtab = nullptr;
    QPushButton* ButtonEnklare = nullptr;
    QPlainTextEdit* MemoHelp = nullptr;
    QCheckBox* CheckBoxHelp = nullptr;
    QComboBox* ComboBoxExtra = nullptr;
    QLineEdit* EditPris = nullptr;

    // Timers.
    QTimer* Timer1 = nullptr;
    QTimer* TimerHogerKlick = nullptr;
    QTimer* TimerDabasInlasning = nullptr;

    // Menus.
    QMenu* Arkiv = nullptr;
    QMenu* Redigera = nullptr;
    QMenu* Normer = nullptr;
    QMenu* Register = nullptr;
    QAction* Vljnringsmnen1 = nullptr;
    QAction* Nringstoppen1 = nullptr;
    QAction* wwwInfo = nullptr;
    QAction* Copyright1 = nullptr;
    QAction* namnsoek = nullptr;

    int ViewMode = 0;

    // Meal grid, adding a food, food search and pick lists.

    // Results: engine refresh, charts, norm, nutrient selection, settings.

    // Registration files, note, information texts and mail.

    // Food tables: editors and the gram file.
    void Livsmedelstabell1Click();
    void Fabrikanter1Click();
    void Egna1Click();
    void Dabas1Click();
    void ButtonSkrivLivtabClick();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void createMenus();
    QAction* addMenuItem(QMenu* menu, const QString& objectName, const QString& caption,
                         bool visible, void (TForm1::*handler)() = nullptr);
    QPushButton* makeButton(const char* name, const QString& caption, QRect geometry, bool visible);
    void selectMeal(int meal);
    void ComboBox1Change(int index);
    void refreshDayBox();
    void refreshMealButtons();
    void readInitDir();
    void readPassword();

    AppState& m_state;
    Windows& m_windows;
    Dialogs& m_dialogs;
    FoodList m_foodList;
    QWidget* m_central = nullptr;
};

} // namespace vexamat
