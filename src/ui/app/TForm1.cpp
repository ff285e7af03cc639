#include "ui/app/TForm1.h"

#include "core/AppState.h"
#include "core/analysis/ResultChartBuilder.h"
#include "core/catalogue/GramFile.h"
#include "core/catalogue/LivsmedelsverketImport.h"
#include "core/files/LayoutFile.h"
#include "core/norms/AdminPassword.h"
#include "core/norms/SettingsFile.h"
#include "core/recipes/RecipeIndex.h"
#include "core/registration/FoodAdder.h"
#include "core/registration/RegistrationSession.h"
#include "core/text/TextCodec.h"
#include "ui/Dialogs.h"
#include "ui/ResultView.h"
#include "ui/SideFileWindow.h"
#include "ui/Windows.h"
#include "ui/analysis/ResultChartPanel.h"
#include "ui/analysis/TFormEnergiCirkel.h"
#include "ui/analysis/TFormFettStapel.h"
#include "ui/analysis/TFormGramTotal.h"
#include "ui/analysis/TFormLivsmedelsgrupper.h"
#include "ui/analysis/TFormNvPer100g.h"
#include "ui/analysis/TFormNvPerKg.h"
#include "ui/analysis/TFormSalt.h"
#include "ui/analysis/TFormVisaNv.h"
#include "ui/analysis/TFormsiffror.h"
#include "ui/app/MainLayout.h"
#include "ui/app/MainMenu.h"
#include "ui/app/TFormHelp.h"
#include "ui/catalogue/FoodPickerPanel.h"
#include "ui/diabetes/TFormDagFarger.h"
#include "ui/diabetes/TFormDygn.h"
#include "ui/diabetes/TFormGlukos.h"
#include "ui/diabetes/TFormInsulin.h"
#include "ui/diabetes/TFormKolhkvot.h"
#include "ui/diabetes/TFormKolhydratrakning.h"
#include "ui/files/RecoveryAutosave.h"
#include "ui/files/RegistrationFiles.h"
#include "ui/files/TFormInfo.h"
#include "ui/norms/TFormAktiv.h"
#include "ui/norms/TFormEgenNorm.h"
#include "ui/norms/TFormHarris.h"
#include "ui/norms/TFormInst.h"
#include "ui/norms/TFormKetogen.h"
#include "ui/norms/TFormKgKroppsvikt.h"
#include "ui/norms/TFormPerson.h"
#include "ui/recipes/MealRecipeTools.h"
#include "ui/recipes/TFormRecept.h"
#include "ui/registration/MealGridPanel.h"
#include "ui/reports/TFormForskning.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

namespace vexamat {

namespace {

const char* const kMealButtonNames[9] = {"SpeedButton1",  "SpeedButton2",  "SpeedButton3",
                                         "SpeedButton4",  "SpeedButton12", "SpeedButton13",
                                         "SpeedButton14", "SpeedButton15", "SpeedButton16"};

const QStringList kHelpMemoLines{
    QStringLiteral("Instruktioner:"),
    QStringLiteral("Skriv några bokstäver i sökfältet ovan, t.ex. "),
    QStringLiteral("gröt."),
    QStringLiteral("Då visas alla livsmedel som innehåller ordet gröt."),
    QStringLiteral("Dubbelklicka sedan på det livsmedel du vill ha i"),
    QStringLiteral("måltiden."),
    QStringLiteral("När du valt ett livsmedel kan du högerklicka"),
    QStringLiteral("på det och välja enhet, t.ex. port, dl, msk ..."),
    QStringLiteral("Du kan också ändra i antal eller gram följt av"),
    QStringLiteral("Enter."),
};

const QString kSimpleCaption = QStringLiteral("Visa fler funktioner.");
const QString kExtendedCaption = QStringLiteral("Visa enklare version.");

using WindowGetter = QWidget* (*)(Windows&);

template <auto member> QWidget* windowAt(Windows& windows) {
    return windows.*member;
}

// The buttons that open the detail windows, in their grid order, with the window each opens
// (nullptr while that window is not built). Which of them show is the layout's business.
struct WindowButton {
    const char* name;
    const char* caption;
    WindowGetter window;
    const char* hint = nullptr;
};
const WindowButton kWindowButtons[] = {
    {"ButtonVisaSiffror", "Näringen i siffror", windowAt<&Windows::Formsiffror>},
    {"Button8", "Tidsdiagram", windowAt<&Windows::FormDygn>},
    {"ButtonNvPerKg", "Per kg kroppsvikt", windowAt<&Windows::FormNvPerKg>},
    {"ButtonNv100g", "Näring per 100g", windowAt<&Windows::FormNvPer100g>},
    {"ButtonGram", "Näring per livsmedel", windowAt<&Windows::FormGramTotal>},
    {"ButtonFett", "Fettsammansättning", windowAt<&Windows::FormFettStapel>},
    {"ButtonEnergiCirkel", "Livsmedelscirkel", windowAt<&Windows::FormEnergiCirkel>,
     "Visar energifördelningen för valt livsmedel"},
    {"ButtonLivsGrupper", "Livsmedelsgrupper", windowAt<&Windows::FormLivsmedelsgrupper>},
    {"ButtonSalt", "Salt", windowAt<&Windows::FormSalt>},
    {"ButtonInsulin", "Insulin", windowAt<&Windows::FormKolhydratrakning>},
};

template <typename T> T* named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

TForm1::TForm1(AppState& state, Windows& windows, Dialogs& dialogs)
    : m_state(state), m_windows(windows), m_dialogs(dialogs) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Vexamat"));
    m_windows.updates = this;
    createControls();
    m_menu = new MainMenu(*this, m_windows);
    m_registrationFiles = std::make_unique<RegistrationFiles>(
        m_state, m_windows, m_dialogs, *this, *this, [this] { m_grid->selectTimeColumn(); });
    m_mealTools = std::make_unique<MealRecipeTools>(m_state, m_dialogs, *this, this);
    connectMenu();
    MainLayout::apply(*this, false);
    resize(std::max(837, sizeHint().width()), std::max(571, sizeHint().height()));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    // The layout chosen in an earlier run; the first recalculation draws the charts once
    // every window exists.
    QTimer::singleShot(0, this, &TForm1::restoreLayout);
}

TForm1::~TForm1() = default;

void TForm1::createControls() {
    m_central = new QWidget(this);
    m_central->setObjectName(QStringLiteral("centralWidget"));
    setCentralWidget(m_central);

    // Meal buttons, the day box and the view buttons, top left.
    auto* mealRow = new QHBoxLayout;
    mealRow->setSpacing(2);
    mealButtonGroup = new QButtonGroup(this);
    mealButtonGroup->setExclusive(true);
    for (int m = 0; m < Registration::kMeals; ++m) {
        auto* b = named(new QToolButton(m_central), kMealButtonNames[m]);
        b->setText(MealButtonCaption(m));
        b->setCheckable(true);
        mealButtonGroup->addButton(b, m);
        mealButtons[std::size_t(m)] = b;
        mealRow->addWidget(b);
        connect(b, &QToolButton::clicked, this, [this, m] { selectMeal(m); });
    }
    mealRow->addStretch();
    mealButtons[0]->setChecked(true);

    auto* dayRow = new QHBoxLayout;
    ComboBox1 = named(new QComboBox(m_central), "ComboBox1");
    for (int d = 1; d <= Registration::kDays; ++d)
        ComboBox1->addItem(QStringLiteral("DAG%1").arg(d)); // sized for the widest text
    ComboBox1->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    ComboBox1->setMaxVisibleItems(14);
    connect(ComboBox1, &QComboBox::activated, this, &TForm1::ComboBox1Change);
    Label2 = named(new QLabel(QStringLiteral("Visa diagram för"), m_central), "Label2");
    const auto viewButton = [this](const char* name, const QString& caption) {
        auto* b = named(new QToolButton(m_central), name);
        b->setText(caption);
        b->setCheckable(true);
        return b;
    };
    SpeedButton9 = viewButton("SpeedButton9", QStringLiteral("Måltid"));
    SpeedButton10 = viewButton("SpeedButton10", QStringLiteral("Dag"));
    SpeedButton11 = viewButton("SpeedButton11", QStringLiteral("Dagar"));
    auto* views = new QButtonGroup(this);
    for (QToolButton* b : {SpeedButton9, SpeedButton10, SpeedButton11})
        views->addButton(b);
    SpeedButton9->setChecked(true);
    connect(SpeedButton9, &QToolButton::clicked, this, [this] { setViewMode(0); });
    connect(SpeedButton10, &QToolButton::clicked, this, [this] { setViewMode(1); });
    connect(SpeedButton11, &QToolButton::clicked, this, [this] { setViewMode(2); });
    dayRow->addWidget(ComboBox1);
    dayRow->addSpacing(8);
    dayRow->addWidget(Label2);
    dayRow->addWidget(SpeedButton9);
    dayRow->addWidget(SpeedButton10);
    dayRow->addWidget(SpeedButton11);
    dayRow->addStretch();

    m_grid = new MealGridPanel(m_state, m_dialogs, *this, m_central);
    m_charts = new ResultChartPanel(m_state, *this, m_central);
    m_charts->setMinimumHeight(300);
    m_picker = new FoodPickerPanel(m_state, m_dialogs, m_central);
    m_views = {m_grid, m_charts};

    auto* left = new QVBoxLayout;
    left->addLayout(mealRow);
    left->addLayout(dayRow);
    left->addWidget(m_grid, 1);
    left->addWidget(m_charts, 1);

    ButtonEnklare = named(new QPushButton(kSimpleCaption, m_central), "ButtonEnklare");
    connect(ButtonEnklare, &QPushButton::clicked, this, [this] { setExtendedLayout(!m_extended); });
    CheckBoxHelp =
        named(new QCheckBox(QStringLiteral("Visa hjälptexter"), m_central), "CheckBoxHelp");
    connect(CheckBoxHelp, &QCheckBox::clicked, this,
            [this](bool on) { MainLayout::setHints(*this, on); });
    MemoHelp = named(new QPlainTextEdit(m_central), "MemoHelp");
    MemoHelp->setPlainText(kHelpMemoLines.join(QLatin1Char('\n')));
    MemoHelp->setReadOnly(true);
    // Tall enough for its ten lines, so that the instructions read without scrolling.
    MemoHelp->setMinimumHeight(MemoHelp->fontMetrics().lineSpacing() * (kHelpMemoLines.size() + 1) +
                               2 * MemoHelp->frameWidth() + 8);
    ComboBoxExtra = named(new QComboBox(m_central), "ComboBoxExtra");
    ButtonSkrivLivtab =
        named(new QPushButton(QStringLiteral("SkrivLivtab"), m_central), "ButtonSkrivLivtab");
    connect(ButtonSkrivLivtab, &QPushButton::clicked, this, &TForm1::ButtonSkrivLivtabClick);

    auto* right = new QVBoxLayout;
    right->addWidget(m_picker, 1);
    auto* helpRow = new QHBoxLayout;
    helpRow->addWidget(ButtonEnklare);
    helpRow->addWidget(CheckBoxHelp);
    helpRow->addStretch();
    right->addLayout(helpRow);
    right->addWidget(MemoHelp);
    createWindowButtons(right);
    auto* extraRow = new QHBoxLayout;
    extraRow->addWidget(ButtonSkrivLivtab);
    extraRow->addWidget(ComboBoxExtra);
    extraRow->addStretch();
    right->addLayout(extraRow);

    auto* layout = new QHBoxLayout(m_central);
    layout->addLayout(left, 1);
    layout->addLayout(right, 1);

    StatusBar1 = named(new QStatusBar(this), "StatusBar1");
    StatusBar1->showMessage(QStringLiteral("Vänta, läser in DABAS"));
    setStatusBar(StatusBar1);
    StatusBar1->hide();

    connect(m_picker, &FoodPickerPanel::foodChosen, this, &TForm1::foodChosen);
    connect(m_picker, &FoodPickerPanel::clockRowTyped, m_grid, &MealGridPanel::addClockRow);
    connect(m_picker, &FoodPickerPanel::dabasLoading, StatusBar1, &QWidget::setVisible);
    connect(m_picker, &FoodPickerPanel::foodPer100gWanted, this, [this](const QString& code) {
        if (m_windows.FormVisaNv)
            m_windows.FormVisaNv->ShowFoodPer100g(code);
    });
    connect(m_picker, &FoodPickerPanel::foodListClicked, this, &TForm1::hideFoodLookup);
    m_picker->setCodeHandler([this](const QString& text) { return m_grid->addByCode(text); });
    connect(m_grid, &MealGridPanel::searchTyped, m_picker, &FoodPickerPanel::startSearch);
    connect(m_grid, &MealGridPanel::searchFocusWanted, m_picker, &FoodPickerPanel::focusSearch);
    connect(m_grid, &MealGridPanel::foodDropped, m_picker,
            [this](int row) { m_picker->chooseCurrent(row, true); });
    connect(m_grid, &MealGridPanel::instructionsRequested, this,
            [this] { MainMenu::openWindow(m_windows.FormHelp); });
}

void TForm1::createWindowButtons(QLayout* into) {
    auto* grid = new QGridLayout;
    int i = 0;
    for (const WindowButton& b : kWindowButtons) {
        auto* button = named(new QPushButton(QString::fromUtf8(b.caption), m_central), b.name);
        button->hide();
        if (b.hint)
            button->setToolTip(QString::fromUtf8(b.hint));
        if (b.window)
            connect(button, &QPushButton::clicked, this,
                    [this, getter = b.window] { MainMenu::openWindow(getter(m_windows)); });
        grid->addWidget(button, i / 3, i % 3);
        ++i;
    }
    into->addItem(grid);
}

void TForm1::connectMenu() {
    const auto on = [this](const char* name, auto handler) {
        QAction* action = m_menu->action(QString::fromLatin1(name));
        Q_ASSERT(action);
        connect(action, &QAction::triggered, this, handler);
    };
    on("Nyberkning1", [this] { Nyberkning1Click(); });
    on("Hmtaberkning1", [this] { m_registrationFiles->open(); });
    on("SparaBerkning1", [this] { m_registrationFiles->save(); });
    on("Radera", [this] { m_registrationFiles->remove(); });
    on("ngra1", [this] { m_grid->undo(); });
    on("Grom1", [this] { m_grid->redo(); });
    on("Kopieradennamltid2", [this] { m_grid->copyMeal(); });
    on("Klistraindennamltid1", [this] { m_grid->pasteMeal(); });
    on("namnsoek", [this] { m_picker->namnsoekClick(); });
    on("Copyright1", [this] { Copyright1Click(); });
    on("Hmtaettrecepttilldennamltid1",
       [this] { m_windows.FormRecept->Hmtaettrecepttilldennamltid1Click(); });
    on("Utskriftrecept1", [this] { m_windows.FormRecept->ButtonSkrivClick(); });
    on("Divideranerettrecept1", [this] { m_mealTools->Divideranerettrecept1Click(); });
    on("Lgguppettreceptiartikelregistret1",
       [this] { m_mealTools->Lgguppettreceptiartikelregistret1Click(); });
    // A hidden menu item's shortcut does not fire: Ctrl+S works through this one meanwhile.
    QAction* search = m_menu->action(QStringLiteral("namnsoek"));
    auto* searchShortcut = new QShortcut(search->shortcut(), this);
    searchShortcut->setObjectName(QStringLiteral("namnsoekShortcut"));
    searchShortcut->setEnabled(!search->isVisible());
    connect(searchShortcut, &QShortcut::activated, m_picker, &FoodPickerPanel::namnsoekClick);
    connect(search, &QAction::visibleChanged, searchShortcut,
            [search, searchShortcut] { searchShortcut->setEnabled(!search->isVisible()); });
}

TForm1::StartupResult TForm1::FormCreate() {
    // 1-3: flags and defaults.
    m_state.AddHintPending = true;
    m_state.StartingUp = true;
    m_state.RegistrationTitle.clear();
    m_state.catalogue.DabasLoaded = false;
    m_state.MealCopied = false;

    // 4 and 9: the tables stay open for the whole run; the catalogue is read from them.
    QString error;
    if (!m_state.openTables(&error) ||
        !m_state.catalogue.LoadCatalogue(m_state.livtab100, m_state.fabrikant, m_state.egna,
                                         &error)) {
        m_dialogs.message(this, error, Dialogs::Icon::Error);
        return StartupResult::Stopped;
    }
    m_picker->fillGroups();
    // 5: the recipe indexes, so that a search lists the recipes.
    RecipeIndex::LoadRecipeIndex(m_state.database, m_state.catalogue);

    // 6: the current meal; the need stays 100 until the norm window reads its table.
    m_state.CurrentMealName = MealName(0);

    // 7: favourites and recent foods come with the food list.
    m_state.ProgramDir = m_state.DataDir;
    m_picker->loadPickLists();

    // 8: nutrient names; a bad number ends the program at once.
    const NutrientNames::ReadResult names =
        m_state.names.read(m_state.dataPath(QStringLiteral("nvnamn.txt")));
    if (names.status == NutrientNames::ReadStatus::BadNumber) {
        m_dialogs.message(this, names.message, Dialogs::Icon::Error);
        return StartupResult::Fatal;
    }
    if (names.status != NutrientNames::ReadStatus::Ok) {
        m_dialogs.message(this, names.message, Dialogs::Icon::Error);
        return StartupResult::Stopped;
    }

    // 10-12: an empty registration, the meal view.
    NewRegistration();
    m_state.ViewMode = 0;

    // 13-14: dialog folder, administrator password.
    readInitDir();
    readPassword();

    // 16: DABAS.
    if (!m_state.catalogue.LoadDabas(m_state.dabas, &error))
        m_dialogs.message(this, error, Dialogs::Icon::Error);
    m_picker->fillBrands();
    StatusBar1->showMessage(QStringLiteral("%1 artiklar").arg(m_state.catalogue.DabasCount));
    m_grid->RefreshMealGrid();
    return StartupResult::Ok;
}

void TForm1::buildRefreshList() {
    // The order of the refresh steps: a later view may read what an earlier one shows.
    Windows& w = m_windows;
    QWidget* const order[] = {
        m_grid,       w.Formsiffror,           w.FormNvPerKg,  w.FormNvPer100g,
        m_charts,     w.FormEnergiCirkel,      w.FormAktiv,    w.FormFettStapel,
        w.FormDygn,   w.FormLivsmedelsgrupper, w.FormSalt,     w.FormInsulin,
        w.FormGlukos, w.FormKolhydratrakning,  w.FormKolhkvot, w.FormGramTotal};
    m_views.clear();
    for (QWidget* window : order) {
        if (auto* view = dynamic_cast<ResultView*>(window))
            m_views.push_back(view);
    }
    QWidget* const normWindows[] = {w.FormPerson, w.FormEgenNorm,     w.FormHarris,
                                    w.FormAktiv,  w.FormKgKroppsvikt, w.FormKetogen};
    for (QWidget* window : normWindows) {
        if (auto* owner = dynamic_cast<SideFileWindow*>(window))
            m_registrationFiles->document().registerSideFile(owner->sideFileNormKind(),
                                                             owner->sideFileHandler());
    }
    if (w.FormLivsmedelsgrupper) {
        // The marker tells that the food search is limited to the raw-material groups.
        connect(w.FormLivsmedelsgrupper, &TFormLivsmedelsgrupper::onlyRawMaterialsChanged, this,
                [this](bool only) {
                    if (auto* button = findChild<QPushButton*>(QStringLiteral("ButtonLivsGrupper")))
                        button->setText(only ? QStringLiteral("Livsmedelsgrupper *")
                                             : QStringLiteral("Livsmedelsgrupper"));
                });
    }
}

void TForm1::readInitDir() {
    m_state.InitDir = QStringLiteral(".");
    QStringList lines;
    if (TextCodec::readLines(m_state.dataPath(QStringLiteral("initdir.txt")), &lines) &&
        !lines.isEmpty())
        m_state.InitDir = lines.first();
}

void TForm1::readPassword() {
    m_state.AdminPassword =
        AdminPassword::LoadAdminPassword(m_state.dataPath(AdminPassword::kFileName));
}

void TForm1::Recalculate() {
    if (m_recalculating)
        return;
    m_recalculating = true;
    RefreshMealShares();
    m_state.recalculate();
    // The day box before the charts, so that the chart title names the day as it now reads.
    refreshDayBox();
    for (ResultView* view : m_views)
        view->refresh(m_state);
    setWindowTitle(m_state.RegistrationTitle);
    refreshMealButtons();
    const RegistrationSession session(m_state);
    m_menu->action(QStringLiteral("ngra1"))->setEnabled(session.canUndo());
    m_menu->action(QStringLiteral("Grom1"))->setEnabled(session.canRedo());
    m_recalculating = false;
}

void TForm1::mousePressEvent(QMouseEvent* event) {
    hideFoodLookup();
    QMainWindow::mousePressEvent(event);
}

void TForm1::hideFoodLookup() {
    if (m_windows.FormVisaNv)
        m_windows.FormVisaNv->hideOnOutsideClick();
}

void TForm1::nutrientSelectionChanged() {
    m_charts->FitBarsPerPage();
}

void TForm1::showFoodGroup(const QString& group) {
    m_picker->FilterByGroup(group);
}

void TForm1::clearFoodList() {
    m_picker->clearFoodList();
}

void TForm1::fetchRecipe(const QString& code) {
    if (m_windows.FormRecept)
        m_windows.FormRecept->fetchRecipe(code);
}

void TForm1::refreshDayBox() {
    for (int d = 0; d < Registration::kDays; ++d) {
        const QString text = ResultChartBuilder::daySelectorText(m_state, d);
        if (ComboBox1->itemText(d) != text)
            ComboBox1->setItemText(d, text);
    }
    ComboBox1->setCurrentIndex(m_state.CurrentDay);
}

void TForm1::refreshMealButtons() {
    for (int m = 0; m < Registration::kMeals; ++m) {
        QToolButton* button = mealButtons[std::size_t(m)];
        QFont font = button->font();
        const bool bold = !m_state.registration.row(m_state.CurrentDay, m, 1).isEmpty();
        if (font.bold() != bold) {
            font.setBold(bold);
            button->setFont(font);
        }
    }
}

void TForm1::selectMeal(int meal) {
    // Only the first four buttons, and only when their meal type is already shown: the foods
    // used before in that meal type.
    if (meal <= 3 && FoodAdder::mealType(m_state.CurrentMeal) == meal)
        m_picker->showPickList(m_state.MealTypeFoods[std::size_t(meal)]);
    m_state.CurrentMeal = meal;
    m_state.CurrentMealName = MealName(meal);
    mealButtons[std::size_t(meal)]->setChecked(true);
    Recalculate();
}

void TForm1::ComboBox1Change(int index) {
    if (!Registration::isValidDay(index))
        return;
    m_state.CurrentDay = index;
    Recalculate();
}

void TForm1::setViewMode(int mode) {
    if (m_windows.FormDagFarger)
        m_windows.FormDagFarger->setVisible(mode == 2);
    m_state.ViewMode = mode;
    for (int m = 0; m < Registration::kMeals; ++m) {
        QToolButton* button = mealButtons[std::size_t(m)];
        QPalette palette = button->palette();
        palette.setColor(QPalette::ButtonText,
                         mode == 1 ? MealGridPanel::mealColour(m)
                                   : QApplication::palette().color(QPalette::ButtonText));
        button->setPalette(palette);
    }
    m_grid->applyRowColours();
    Recalculate();
}

void TForm1::RefreshMealShares() {
    MealSettings& settings = m_state.settings;
    QToolButton* first = mealButtons[0];
    if (settings.WholeDayMode) {
        first->setMinimumWidth(374);
        first->setText(QStringLiteral("Hela dagen"));
        first->setChecked(true);
        settings.MealShare.fill(0.0f);
        settings.MealShare[0] = 1.0f;
        m_state.CurrentMeal = 0;
        m_state.CurrentMealName = QStringLiteral("Hela dagen");
    } else {
        first->setMinimumWidth(0);
        first->setText(MealButtonCaption(0));
        if (m_windows.FormInst)
            SettingsFile::applyMealShares(m_windows.FormInst->settingsTexts(), settings);
        m_state.CurrentMealName = MealName(m_state.CurrentMeal);
    }
    for (int m = 1; m < Registration::kMeals; ++m)
        mealButtons[std::size_t(m)]->setVisible(!settings.WholeDayMode);
}

bool TForm1::hasUnsavedChanges() const {
    return m_registrationFiles->hasUnsavedChanges();
}

bool TForm1::NewRegistration() {
    if (!m_registrationFiles->offerToSave(
            QStringLiteral("Vill du spara pågående registrering innan ny startas?")))
        return false;
    RegistrationSession(m_state).newRegistration();
    if (m_windows.FormInfo)
        m_windows.FormInfo->clearNote();
    if (m_windows.FormRecept)
        m_windows.FormRecept->clearRecipe();
    mealButtons[0]->setChecked(true);
    ComboBox1->setCurrentIndex(0);
    return true;
}

void TForm1::Nyberkning1Click() {
    if (NewRegistration())
        Recalculate();
}

void TForm1::foodChosen(const QString& name, const QString& companion, int row, bool insert) {
    const bool survey = m_windows.FormForskning && m_windows.FormForskning->isVisible();
    const FoodAdder::Result added = m_grid->AddFoodToMeal(name, companion, row, insert, survey);
    if (added.status == FoodAdder::Status::Recipe)
        fetchRecipe(added.code);
    else if (added.status == FoodAdder::Status::DietSurvey)
        m_windows.FormForskning->addFood(added.code);
}

void TForm1::focusSearchBox() {
    activateWindow();
    m_picker->focusSearch();
}

void TForm1::Copyright1Click() {
    const QString version =
        m_state.DataDir.isEmpty() ? QString() : QStringLiteral("\nData: %1").arg(m_state.DataDir);
    const QString agencyVersion = LivsmedelsverketImport::importedVersion(m_state.database);
    m_dialogs.message(
        this,
        QStringLiteral("Vexamat\nKostregistrering och näringsberäkning\nVersion %1\n\n"
                       "De medföljande livsmedelstabellerna är demodata med ungefärliga värden. "
                       "Läs in Livsmedelsverkets livsmedelsdatabas för riktiga värden: ladda ner "
                       "den som Excel-fil från Livsmedelsverkets webbplats och kör\n"
                       "vexamat-cli import-livsmedelsverket FIL.xlsx%2%3")
            .arg(QCoreApplication::applicationVersion(), version,
                 agencyVersion.isEmpty()
                     ? QString()
                     : QStringLiteral("\nLivsmedelsdatabas: ") + agencyVersion));
}

void TForm1::ButtonSkrivLivtabClick() {
    QString error;
    const int written =
        GramFile::write(m_state.livtab100, m_state.dataPath(GramFile::kFileName), &error);
    if (written < 0) {
        m_dialogs.message(this, error, Dialogs::Icon::Error);
        return;
    }
    m_dialogs.message(this, QStringLiteral("Antal artiklar = ") + QString::number(written));
}

void TForm1::restoreLayout() {
    if (!m_state.DataDir.isEmpty() &&
        LayoutFile::readExtended(m_state.dataPath(LayoutFile::kFileName)))
        setExtendedLayout(true);
    Recalculate();
}

void TForm1::setExtendedLayout(bool extended) {
    m_extended = extended;
    ButtonEnklare->setText(extended ? kExtendedCaption : kSimpleCaption);
    MainLayout::apply(*this, extended);
    m_menu->setExtended(extended);
    if (!extended && m_windows.FormDagFarger)
        m_windows.FormDagFarger->hide();
    if (extended) {
        // The charts take room below the grid: the window grows rather than the grid shrinks.
        const QSize wanted = sizeHint();
        resize(std::max(width(), wanted.width()), std::max({height(), wanted.height(), 760}));
    }
    saveLayout();
    Recalculate();
}

void TForm1::saveLayout() {
    if (m_state.DataDir.isEmpty() || m_state.StartingUp)
        return;
    const QString path = m_state.dataPath(LayoutFile::kFileName);
    QString error;
    if (!LayoutFile::writeExtended(path, m_extended, &error))
        m_dialogs.message(this,
                          QStringLiteral("Det gick inte att spara valet av visning i %1: %2")
                              .arg(QDir::toNativeSeparators(path), error),
                          Dialogs::Icon::Warning);
}

void TForm1::closeEvent(QCloseEvent* event) {
    // Cancelled, or a save that was cancelled or failed: closing now would lose the
    // registration.
    if (!m_registrationFiles->offerToSave(QStringLiteral("Vill du spara pågående registrering?"))) {
        event->ignore();
        return;
    }
    m_picker->writeFavourites();
    event->accept();
    m_registrationFiles->recovery().discard(true);
    // Closing the main window ends the program: the other windows close with it.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible())
            window->close();
    }
}

} // namespace vexamat
