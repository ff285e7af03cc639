#pragma once

#include "core/analysis/FoodList.h"
#include "ui/FormBase.h"

#include <QMainWindow>

#include <array>
#include <memory>

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QKeyEvent;
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
class QScrollBar;

namespace vexamat {

class PickList;
class RegistrationFiles;
class ResultCharts;

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

    // Meal grid, adding a food, food search and pick lists.
    void StringGridMaltidSelectCell(int tableRowIndex, int column);
    void StringGridMaltidClick();
    // A key typed into the grid (with the text of the cell, or of its open editor); true
    // when it was dealt with here.
    bool StringGridMaltidKeyPress(QKeyEvent* key, const QString& text, bool fromEditor);
    void StringGridMaltidMouseDown(const QPoint& viewportPos);
    void StringGridMaltidDragDrop(const QPoint& viewportPos);
    void ListBoxVikterClick();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void SpeedButton9Click();
    void SpeedButton10Click();
    void SpeedButton11Click();
    void buttonflyttaenhetClick();
    void DeleteRow(int row);
    void AddFoodToMeal(int row, bool insert);
    int BuildFoodList(const QString& text);
    void Edit1Enter();
    void Timer1Timer();
    void namnsoekClick();
    void FilterByManufacturer(const QString& fragment);
    void ComboBoxFabrikantChange(int index);
    void CheckBoxDabasClick();
    void ComboBoxDabasChange(int index);
    void ButtonFavoriterClick();
    void ButtonSenasteClick();
    void ListBoxLivsContextPopup(const QPoint& pos);
    void PopupMenu1Popup();
    void Visanringenper100g1Click();
    void illfavoriter1Click();
    void Artikelnswww1Click();
    void tabortClick();
    // favoriter.txt and senaste.txt: read at start, the favourites written back on exit.
    void loadPickLists();
    void writeFavourites();

    QMenu* PopupMenu1 = nullptr;
    QAction* Visanringenper100g1 = nullptr;
    QAction* illfavoriter1 = nullptr;
    QAction* Artikelnswww1 = nullptr;
    QAction* tabort = nullptr;
    QString ListShows = QStringLiteral("senaste");
    QString LastSearch;
    int PopupIndex = -1;
    QString PopupCode;

    // Results: engine refresh, charts, norm, nutrient selection, settings.
    // Whole-day mode or the meal shares of the settings window.
    void RefreshMealShares();
    // The bar chart, the pies, the price and MemoStapel from the engine's results.
    void DrawResultCharts();
    // Bars per page of the bar chart from its height and the number of selected nutrients.
    void FitBarsPerPage();
    void SpeedButton5Click();
    void SpeedButton6Click();
    void SpeedButton8Click();
    void ButtonProcentClick();
    void CheckboxAlkoholClick();
    void Button1Click();
    void Button2Click();
    void Standardnormer1Click();
    void Vljnringsmnen1Click();
    void Instllningar1Click();
    // The extended layout shows the analysis controls and menus; remembered between runs.
    void setExtendedLayout(bool extended);
    // The layout chosen in an earlier run, then a first refresh.
    void restoreLayout();
    bool isExtendedLayout() const { return m_extended; }
    ResultCharts* resultCharts() const { return m_charts; }
    bool MissingValuesMode = false;
    QScrollBar* ScrollBarStapel = nullptr;

private:
    void connectAnalysis();
    void placeAnalysisControls();
    void refreshSalt();
    void saveLayout();
    ResultCharts* m_charts = nullptr;
    bool m_recalculating = false;
    bool m_extended = false;

public:

    // Registration files, note, information texts and mail.
    RegistrationFiles& registrationFiles();
    std::shared_ptr<RegistrationFiles> m_registrationFiles; // made on first use

    // Food tables: editors and the gram file.
    // The delayed DABAS load, for when start-up could not read the table.
    void TimerDabasInlasningTimer();
    void Livsmedelstabell1Click();
    void Fabrikanter1Click();
    void Egna1Click();
    void Dabas1Click();
    void ButtonSkrivLivtabClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createControls();
    void setupMealEditing();
    void showPickList(const PickList& list);
    void showMealTypeList(int meal);
    void selectFirstFoodLine();
    void addClockRow(const QString& text);
    void commitCell(const QString& text);
    void setViewMode(int mode);
    void applyRowColours();
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
