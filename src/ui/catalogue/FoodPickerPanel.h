#pragma once

#include "core/analysis/FoodList.h"

#include <QWidget>

#include <functional>

class QAction;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListView;
class QMenu;
class QPushButton;
class QTimer;

namespace vexamat {

struct AppState;
class FoodListModel;
class Dialogs;
class PickList;

// The food list and what fills it: the search box, the group, manufacturer and DABAS boxes,
// favourites and recent foods, the quick-search and DABAS timers and the list's pop-up menu.
// A food chosen in the list leaves the panel as one signal.
class FoodPickerPanel : public QWidget {
    Q_OBJECT
public:
    // Adds the food of a typed code to the meal; false when no food has that code.
    using CodeHandler = std::function<bool(const QString& text)>;

    // The references are kept and must outlive the panel.
    FoodPickerPanel(AppState& state, Dialogs& dialogs, QWidget* parent);

    void setCodeHandler(CodeHandler handler) { m_codeHandler = std::move(handler); }
    // The group box filled from the catalogue and the DABAS brands, at start-up.
    void fillGroups();
    void fillBrands();

    // Shows the livtab100 foods of a group in the food list.
    void FilterByGroup(const QString& group);
    void showPickList(const PickList& list);
    // Letters typed elsewhere start a quick search with this text.
    void startSearch(const QString& text);
    void focusSearch();
    // Chooses the selected food: row 0 is the first empty row of the meal.
    void chooseCurrent(int row, bool insert);
    void namnsoekClick();
    void clearFoodList();

    // favoriter.txt and senaste.txt: read at start, the favourites written back on exit.
    void loadPickLists();
    void writeFavourites();

    const FoodList& foodList() const;
    // What the list shows: "senaste", "namn", "fabrikant" or "favorit".
    const QString& listShows() const { return ListShows; }
    const QString& lastSearch() const { return LastSearch; }
    // The code of the food the pop-up menu was last opened on.
    const QString& popupCode() const { return PopupCode; }

Q_SIGNALS:
    void foodChosen(const QString& name, const QString& companion, int row, bool insert);
    // Text with ":" typed in the search box: a clock-time heading row.
    void clockRowTyped(const QString& text);
    // The DABAS table is being read (true) or has been read (false).
    void dabasLoading(bool loading);
    // The pop-up menu asks for the nutrients per 100 g of the food with this code.
    void foodPer100gWanted(const QString& code);
    // The food list was clicked.
    void foodListClicked();

private:
    void createControls();
    void connectControls();
    void showFoodList(FoodList list);
    int currentRow() const;
    void setCurrentRow(int row);
    int lineCount() const;
    int BuildFoodList(const QString& text);
    void selectFirstFoodLine();
    void Edit1Enter();
    void Timer1Timer();
    void FilterByManufacturer(const QString& fragment);
    void ComboBoxSLVgruppChange(int index);
    void ComboBoxFabrikantChange(int index);
    void CheckBoxDabasClick();
    void ComboBoxDabasChange(int index);
    void TimerDabasInlasningTimer();
    void ButtonFavoriterClick();
    void ButtonSenasteClick();
    void ListBoxLivsContextPopup(const QPoint& pos);
    void PopupMenu1Popup();
    void illfavoriter1Click();
    void Artikelnswww1Click();
    void tabortClick();

    AppState& m_state;
    Dialogs& m_dialogs;
    CodeHandler m_codeHandler;
    QString ListShows = QStringLiteral("senaste");
    QString LastSearch;
    int PopupIndex = -1;
    QString PopupCode;

    QLineEdit* Edit1 = nullptr;
    QPushButton* Button3 = nullptr;
    QComboBox* ComboBoxSLVgrupp = nullptr;
    QListView* ListBoxLivs = nullptr;
    FoodListModel* m_foodModel = nullptr;
    QCheckBox* CheckBoxDabas = nullptr;
    QCheckBox* CheckBoxSnabbSok = nullptr;
    QComboBox* ComboBoxDabas = nullptr;
    QComboBox* ComboBoxFabrikant = nullptr;
    QPushButton* ButtonFavoriter = nullptr;
    QPushButton* ButtonSenaste = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* TimerDabasInlasning = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* Visanringenper100g1 = nullptr;
    QAction* illfavoriter1 = nullptr;
    QAction* Artikelnswww1 = nullptr;
    QAction* tabort = nullptr;
};

} // namespace vexamat
