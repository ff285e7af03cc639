#include "ui/catalogue/FoodPickerPanel.h"

#include "core/AppState.h"
#include "core/analysis/FoodSearch.h"
#include "core/registration/PickList.h"
#include "ui/Dialogs.h"
#include "ui/app/EventHook.h"
#include "ui/catalogue/FoodListModel.h"

#include <QAction>
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QUrl>

namespace vexamat {

namespace {

const QString kShortSearch = QStringLiteral("Minst två tecken behövs för att söka");

template <typename T> T* named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

FoodPickerPanel::FoodPickerPanel(AppState& state, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), m_state(state), m_dialogs(dialogs) {
    setObjectName(QStringLiteral("FoodPickerPanel"));
    createControls();
    connectControls();
}

void FoodPickerPanel::createControls() {
    Edit1 = named(new QLineEdit(this), "Edit1");
    // A hint, not a text: typing must not append to it.
    Edit1->setPlaceholderText(QStringLiteral("Sökord"));
    Button3 = named(new QPushButton(QStringLiteral("OK"), this), "Button3");
    CheckBoxDabas = named(new QCheckBox(QStringLiteral("DABAS"), this), "CheckBoxDabas");
    CheckBoxDabas->setChecked(true);
    ComboBoxSLVgrupp = named(new QComboBox(this), "ComboBoxSLVgrupp");
    ComboBoxSLVgrupp->setMaxVisibleItems(18);
    CheckBoxSnabbSok =
        named(new QCheckBox(QStringLiteral("Snabbsökning"), this), "CheckBoxSnabbSok");
    CheckBoxSnabbSok->setChecked(true);
    CheckBoxSnabbSok->setToolTip(QStringLiteral("Söker utan Enter"));
    ListBoxLivs = named(new QListView(this), "ListBoxLivs");
    m_foodModel = new FoodListModel(this);
    ListBoxLivs->setModel(m_foodModel);
    ListBoxLivs->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListBoxLivs->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBoxLivs->setDragEnabled(true);
    ListBoxLivs->setDragDropMode(QAbstractItemView::DragOnly);
    ListBoxLivs->setDefaultDropAction(Qt::CopyAction);
    ListBoxLivs->setContextMenuPolicy(Qt::CustomContextMenu);
    ListBoxLivs->setUniformItemSizes(true);
    ComboBoxDabas = named(new QComboBox(this), "ComboBoxDabas");
    ComboBoxFabrikant = named(new QComboBox(this), "ComboBoxFabrikant");
    for (const auto& [caption, fragment] : FoodSearch::manufacturers())
        ComboBoxFabrikant->addItem(caption, fragment);
    ButtonFavoriter = named(new QPushButton(QStringLiteral("Favoriter"), this), "ButtonFavoriter");
    ButtonSenaste = named(new QPushButton(QStringLiteral("Senaste"), this), "ButtonSenaste");
    ButtonSenaste->setToolTip(QStringLiteral("Visa senast använda livsmedel"));
    for (QWidget* w :
         std::initializer_list<QWidget*>{CheckBoxDabas, CheckBoxSnabbSok, ComboBoxDabas,
                                         ComboBoxFabrikant, ButtonFavoriter, ButtonSenaste})
        w->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(Edit1, 1);
    searchRow->addWidget(Button3);
    searchRow->addWidget(CheckBoxDabas);
    layout->addLayout(searchRow);
    auto* groupRow = new QHBoxLayout;
    groupRow->addWidget(ComboBoxSLVgrupp, 1);
    groupRow->addWidget(CheckBoxSnabbSok);
    layout->addLayout(groupRow);
    layout->addWidget(ListBoxLivs, 1);
    auto* brandRow = new QHBoxLayout;
    brandRow->addWidget(ComboBoxDabas, 1);
    brandRow->addWidget(ComboBoxFabrikant, 1);
    layout->addLayout(brandRow);
    auto* listRow = new QHBoxLayout;
    listRow->addWidget(ButtonFavoriter);
    listRow->addWidget(ButtonSenaste);
    listRow->addStretch();
    layout->addLayout(listRow);

    Timer1 = named(new QTimer(this), "Timer1");
    Timer1->setInterval(500);
    Timer1->setSingleShot(true);
    TimerDabasInlasning = named(new QTimer(this), "TimerDabasInlasning");
    TimerDabasInlasning->setInterval(1000);
    TimerDabasInlasning->setSingleShot(true);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    const auto popupItem = [this](const char* name, const QString& caption, bool visible) {
        QAction* a = PopupMenu1->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        a->setVisible(visible);
        return a;
    };
    Visanringenper100g1 =
        popupItem("Visanringenper100g1", QStringLiteral("Visa näringen per 100g"), true);
    illfavoriter1 =
        popupItem("illfavoriter1", QStringLiteral("Lägg denna artikel i favoritlistan"), false);
    Artikelnswww1 = popupItem("Artikelnswww1", QStringLiteral("Koppla till artikelns www"), true);
    tabort = popupItem("tabort", QStringLiteral("Ta bort denna artikel från favoritlistan"), true);
}

void FoodPickerPanel::connectControls() {
    // Adding a food.
    connect(Button3, &QPushButton::clicked, this, [this] { chooseCurrent(0, false); });
    connect(ListBoxLivs, &QListView::doubleClicked, this, [this] { chooseCurrent(0, false); });
    EventHook::install(ListBoxLivs, [this](QObject*, QEvent* e) {
        if (e->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            chooseCurrent(0, false);
            return true;
        }
        if (key == Qt::Key_Escape) {
            Edit1->setFocus();
            return true;
        }
        return false;
    });

    // Search.
    connect(Edit1, &QLineEdit::textEdited, this, [this] {
        if (CheckBoxSnabbSok->isChecked() && !Timer1->isActive())
            Timer1->start();
    });
    connect(Edit1, &QLineEdit::returnPressed, this, &FoodPickerPanel::Edit1Enter);
    connect(Timer1, &QTimer::timeout, this, &FoodPickerPanel::Timer1Timer);
    connect(CheckBoxSnabbSok, &QCheckBox::clicked, this, [this] { Edit1->setFocus(); });
    connect(ComboBoxSLVgrupp, &QComboBox::activated, this,
            &FoodPickerPanel::ComboBoxSLVgruppChange);
    connect(ComboBoxFabrikant, &QComboBox::activated, this,
            &FoodPickerPanel::ComboBoxFabrikantChange);
    connect(CheckBoxDabas, &QCheckBox::clicked, this, &FoodPickerPanel::CheckBoxDabasClick);
    connect(ComboBoxDabas, &QComboBox::activated, this, &FoodPickerPanel::ComboBoxDabasChange);
    connect(TimerDabasInlasning, &QTimer::timeout, this,
            &FoodPickerPanel::TimerDabasInlasningTimer);
    connect(ButtonFavoriter, &QPushButton::clicked, this, &FoodPickerPanel::ButtonFavoriterClick);
    connect(ButtonSenaste, &QPushButton::clicked, this, &FoodPickerPanel::ButtonSenasteClick);

    connect(Visanringenper100g1, &QAction::triggered, this, [this] {
        if (!PopupCode.isEmpty())
            Q_EMIT foodPer100gWanted(PopupCode);
    });
    connect(ListBoxLivs, &QListView::clicked, this, &FoodPickerPanel::foodListClicked);
    connect(illfavoriter1, &QAction::triggered, this, &FoodPickerPanel::illfavoriter1Click);
    connect(Artikelnswww1, &QAction::triggered, this, &FoodPickerPanel::Artikelnswww1Click);
    connect(tabort, &QAction::triggered, this, &FoodPickerPanel::tabortClick);
    connect(PopupMenu1, &QMenu::aboutToShow, this, &FoodPickerPanel::PopupMenu1Popup);
    connect(ListBoxLivs, &QListView::customContextMenuRequested, this,
            &FoodPickerPanel::ListBoxLivsContextPopup);
}

void FoodPickerPanel::fillGroups() {
    ComboBoxSLVgrupp->clear();
    ComboBoxSLVgrupp->addItems(m_state.catalogue.groupList);
}

void FoodPickerPanel::fillBrands() {
    ComboBoxDabas->clear();
    ComboBoxDabas->addItems(m_state.catalogue.brandList);
}

void FoodPickerPanel::showFoodList(FoodList list) {
    m_foodModel->setFoodList(std::move(list));
}

const FoodList& FoodPickerPanel::foodList() const {
    return m_foodModel->foodList();
}

int FoodPickerPanel::currentRow() const {
    return ListBoxLivs->currentIndex().row();
}

void FoodPickerPanel::setCurrentRow(int row) {
    ListBoxLivs->setCurrentIndex(m_foodModel->index(row));
}

int FoodPickerPanel::lineCount() const {
    return m_foodModel->rowCount();
}

void FoodPickerPanel::clearFoodList() {
    showFoodList(FoodList{});
}

void FoodPickerPanel::FilterByGroup(const QString& group) {
    FoodList list;
    if (FoodSearch::FilterByGroup(m_state.catalogue, group, &list))
        showFoodList(std::move(list));
}

void FoodPickerPanel::ComboBoxSLVgruppChange(int index) {
    ComboBoxFabrikant->setCurrentIndex(0);
    Edit1->clear();
    FilterByGroup(ComboBoxSLVgrupp->itemText(index));
    if (lineCount() > 0)
        setCurrentRow(0);
    ListBoxLivs->setFocus();
}

void FoodPickerPanel::startSearch(const QString& text) {
    Edit1->setText(text);
    Edit1->setFocus();
    Timer1->start();
}

void FoodPickerPanel::focusSearch() {
    Edit1->setFocus();
}

void FoodPickerPanel::chooseCurrent(int row, bool insert) {
    const int i = currentRow();
    if (i < 0 || i >= foodList().size())
        return;
    Q_EMIT foodChosen(foodList().lines.at(i), foodList().companion(i), row, insert);
}

int FoodPickerPanel::BuildFoodList(const QString& text) {
    ComboBoxSLVgrupp->setCurrentIndex(0);
    ComboBoxFabrikant->setCurrentIndex(0);
    FoodList list;
    const int hits = FoodSearch::BuildFoodList(m_state.catalogue, text, CheckBoxDabas->isChecked(),
                                               &list, m_state.SearchRawMaterialsOnly);
    if (hits < 0)
        return 0;
    ListShows = QStringLiteral("namn");
    showFoodList(std::move(list));
    return hits;
}

void FoodPickerPanel::selectFirstFoodLine() {
    if (lineCount() == 0)
        return;
    // The first line that is a food, so that Enter adds it rather than a heading.
    for (int i = 0; i < foodList().size(); ++i) {
        if (!FoodSearch::codeOfCompanion(foodList().companion(i)).isEmpty()) {
            setCurrentRow(i);
            return;
        }
    }
    setCurrentRow(0);
}

void FoodPickerPanel::Timer1Timer() {
    Timer1->stop();
    BuildFoodList(Edit1->text());
}

void FoodPickerPanel::Edit1Enter() {
    const QString text = Edit1->text();
    if (CheckBoxSnabbSok->isChecked()) {
        if (text.contains(QLatin1Char(':'))) {
            Timer1->stop();
            Q_EMIT clockRowTyped(text);
            return;
        }
        if (Timer1->isActive()) // Enter before the quick search fired: search now
            Timer1Timer();
        selectFirstFoodLine();
        ListBoxLivs->setFocus();
        return;
    }
    if (text.contains(QLatin1Char(':'))) {
        Q_EMIT clockRowTyped(text);
        return;
    }
    if (text.size() < 2) {
        m_dialogs.message(this, kShortSearch);
        return;
    }
    if (m_codeHandler && m_codeHandler(text))
        return;
    const int hits = BuildFoodList(text);
    LastSearch = text;
    selectFirstFoodLine();
    ComboBoxDabas->setCurrentIndex(0);
    ComboBoxFabrikant->setCurrentIndex(0);
    if (hits > 0) {
        ListBoxLivs->setFocus();
    } else {
        Edit1->clear();
        Edit1->setFocus();
    }
}

void FoodPickerPanel::namnsoekClick() {
    const std::optional<QString> text =
        m_dialogs.inputText(this, QStringLiteral("Skriv ett ord att söka på (t.ex. soppa)"),
                            QStringLiteral("Sökord+ENTER"));
    if (!text)
        return;
    if (text->size() < 2) {
        m_dialogs.message(this, kShortSearch);
        return;
    }
    BuildFoodList(*text);
    LastSearch = *text;
    selectFirstFoodLine();
    ComboBoxDabas->setCurrentIndex(0);
    ComboBoxFabrikant->setCurrentIndex(0);
    ListBoxLivs->setFocus();
}

void FoodPickerPanel::FilterByManufacturer(const QString& fragment) {
    FoodList list;
    if (FoodSearch::FilterByManufacturer(m_state.catalogue, fragment, &list)) {
        ListShows = QStringLiteral("fabrikant");
        showFoodList(std::move(list));
    }
}

void FoodPickerPanel::ComboBoxFabrikantChange(int index) {
    ComboBoxDabas->setCurrentIndex(0);
    ComboBoxSLVgrupp->setCurrentIndex(0);
    FilterByManufacturer(ComboBoxFabrikant->itemData(index).toString());
    if (lineCount() > 0)
        setCurrentRow(0);
    ListBoxLivs->setFocus();
}

void FoodPickerPanel::CheckBoxDabasClick() {
    m_dialogs.message(this, QStringLiteral("OBS! Dabas-produkter är ofta ofullständigt deklarerade "
                                           "och produkter kan utgå i kommande uppdateringar"));
    if (m_state.catalogue.DabasLoaded) {
        ComboBoxDabas->setVisible(!ComboBoxDabas->isVisible());
    } else {
        TimerDabasInlasning->start();
        Q_EMIT dabasLoading(true);
    }
    BuildFoodList(LastSearch);
}

void FoodPickerPanel::TimerDabasInlasningTimer() {
    TimerDabasInlasning->stop();
    QString error;
    if (!m_state.catalogue.LoadDabas(m_state.dabas, &error))
        m_dialogs.message(this, error, Dialogs::Icon::Error);
    fillBrands();
    ComboBoxDabas->show();
    Q_EMIT dabasLoading(false);
}

void FoodPickerPanel::ComboBoxDabasChange(int index) {
    BuildFoodList(QStringLiteral("/") + ComboBoxDabas->itemText(index));
    selectFirstFoodLine();
    ComboBoxSLVgrupp->setCurrentIndex(0);
    ComboBoxFabrikant->setCurrentIndex(0);
    ListBoxLivs->setFocus();
}

void FoodPickerPanel::showPickList(const PickList& list) {
    FoodList shown;
    for (int i = 0; i < list.names().size(); ++i)
        shown.add(list.names().at(i), list.companions().value(i));
    showFoodList(std::move(shown));
    if (lineCount() > 0)
        setCurrentRow(0);
    ListBoxLivs->setFocus();
}

void FoodPickerPanel::ButtonFavoriterClick() {
    ListShows = QStringLiteral("favorit");
    showPickList(m_state.Favourites);
}

void FoodPickerPanel::ButtonSenasteClick() {
    showPickList(m_state.RecentFoods);
}

void FoodPickerPanel::ListBoxLivsContextPopup(const QPoint& pos) {
    const QModelIndex index = ListBoxLivs->indexAt(pos);
    PopupIndex = index.isValid() ? index.row() : -1;
    PopupCode.clear();
    if (PopupIndex >= 0 && PopupIndex < foodList().size())
        PopupCode = FoodSearch::codeOfCompanion(foodList().companion(PopupIndex));
    PopupMenu1->popup(ListBoxLivs->viewport()->mapToGlobal(pos));
}

void FoodPickerPanel::PopupMenu1Popup() {
    tabort->setVisible(ListShows == QLatin1String("favorit"));
}

void FoodPickerPanel::illfavoriter1Click() {
    if (PopupIndex < 0 || PopupIndex >= foodList().size() || PopupCode.isEmpty())
        return;
    m_state.Favourites.add(foodList().lines.at(PopupIndex), foodList().companion(PopupIndex));
}

void FoodPickerPanel::Artikelnswww1Click() {
    const QString url = FoodSearch::articleUrl(PopupCode, m_state.fabrikant, m_state.DabasHost);
    if (url.isEmpty()) {
        m_dialogs.message(this, QStringLiteral("Artikeln har ingen webbadress som kan öppnas."));
        return;
    }
    QDesktopServices::openUrl(QUrl(url));
}

void FoodPickerPanel::tabortClick() {
    // The list may show something else by now: the favourite is found by its code, never by
    // where it stood.
    if (ListShows != QLatin1String("favorit") || PopupCode.isEmpty())
        return;
    const QStringList& companions = m_state.Favourites.companions();
    for (int i = 0; i < companions.size(); ++i) {
        if (FoodSearch::codeOfCompanion(companions.at(i)) == PopupCode) {
            m_state.Favourites.removeAt(i);
            break;
        }
    }
    ButtonFavoriterClick();
}

void FoodPickerPanel::loadPickLists() {
    m_state.Favourites.read(QDir(m_state.ProgramDir).filePath(QStringLiteral("favoriter.txt")));
    ListShows = QStringLiteral("senaste");
    m_state.RecentFoods.read(m_state.dataPath(QStringLiteral("senaste.txt")));
}

void FoodPickerPanel::writeFavourites() {
    if (m_state.Favourites.isEmpty())
        return;
    // A favourites file that cannot be written must not keep the program from closing.
    m_state.Favourites.write(QDir(m_state.ProgramDir).filePath(QStringLiteral("favoriter.txt")));
}

} // namespace vexamat
