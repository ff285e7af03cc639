#include "ui/app/TForm1.h"

#include "AppState.h"
#include "analysis/FoodSearch.h"
#include "catalogue/GramFile.h"
#include "catalogue/LivsmedelsverketImport.h"
#include "catalogue/TextCodec.h"
#include "registration/MealGridText.h"
#include "ui/Dialogs.h"
#include "ui/Windows.h"
#include "ui/app/TFormHelp.h"
#include "ui/catalogue/TFormDabas.h"
#include "ui/catalogue/TFormEgna.h"
#include "ui/catalogue/TFormFabrikant.h"
#include "ui/catalogue/TFormTab.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QChartView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTableWidget>
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

template <typename T> T* named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

TForm1::TForm1(AppState& state, Windows& windows, Dialogs& dialogs)
    : m_state(state), m_windows(windows), m_dialogs(dialogs) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Vexamat"));
    resize(837, 571);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    createControls();
    createMenus();
}

QPushButton* TForm1::makeButton(const char* name, const QString& caption, QRect geometry,
                                bool visible) {
    auto* button = named(new QPushButton(caption, m_central), name);
    button->setGeometry(geometry);
    button->setVisible(visible);
    return button;
}

void TForm1::createControls() {
    m_central = new QWidget(this);
    m_central->setObjectName(QStringLiteral("centralWidget"));
    setCentralWidget(m_central);

    // Meal buttons and day box, top left.
    mealButtonGroup = new QButtonGroup(this);
    mealButtonGroup->setExclusive(true);
    for (int m = 0; m < 9; ++m) {
        auto* b = named(new QToolButton(m_central), kMealButtonNames[m]);
        b->setText(MealButtonCaption(m));
        b->setCheckable(true);
        b->setGeometry(8 + m * 48, 4, 46, 24);
        mealButtonGroup->addButton(b, m);
        mealButtons[m] = b;
        connect(b, &QToolButton::clicked, this, [this, m] { selectMeal(m); });
    }
    mealButtons[0]->setChecked(true);

    ComboBox1 = named(new QComboBox(m_central), "ComboBox1");
    for (int d = 1; d <= Registration::kDays; ++d)
        ComboBox1->addItem(QStringLiteral("dag%1").arg(d));
    ComboBox1->setMaxVisibleItems(14);
    ComboBox1->setGeometry(8, 32, 80, 24);
    connect(ComboBox1, &QComboBox::activated, this, &TForm1::ComboBox1Change);

    // Hidden view-mode buttons beside the day box.
    Label2 = named(new QLabel(QStringLiteral("Visa diagram för"), m_central), "Label2");
    Label2->setGeometry(96, 36, 100, 16);
    Label2->hide();
    const auto viewButton = [this](const char* name, const QString& caption, int x) {
        auto* b = named(new QToolButton(m_central), name);
        b->setText(caption);
        b->setCheckable(true);
        b->setGeometry(x, 32, 56, 24);
        b->hide();
        return b;
    };
    SpeedButton9 = viewButton("SpeedButton9", QStringLiteral("Måltid"), 196);
    SpeedButton10 = viewButton("SpeedButton10", QStringLiteral("Dag"), 254);
    SpeedButton11 = viewButton("SpeedButton11", QStringLiteral("Dagar"), 312);
    SpeedButton9->setChecked(true);

    // Meal grid.
    StringGridMaltid =
        named(new QTableWidget(Registration::kLastRow, 5, m_central), "StringGridMaltid");
    StringGridMaltid->setGeometry(8, 60, 442, 256);
    StringGridMaltid->verticalHeader()->hide();
    StringGridMaltid->verticalHeader()->setDefaultSectionSize(16);
    StringGridMaltid->horizontalHeader()->setHighlightSections(false);
    const int widths[5] = {248, 47, 50, 45, 37};
    for (int c = 0; c < 5; ++c)
        StringGridMaltid->setColumnWidth(c, widths[c]);
    StringGridMaltid->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGridMaltid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int r = 0; r < StringGridMaltid->rowCount(); ++r) {
        for (int c = 0; c < 5; ++c)
            StringGridMaltid->setItem(r, c, new QTableWidgetItem);
    }

    Button4 = makeButton("Button4", QStringLiteral("Öka"), {8, 320, 70, 24}, true);
    Button5 = makeButton("Button5", QStringLiteral("Minska"), {82, 320, 70, 24}, true);
    Button6 = makeButton("Button6", QStringLiteral("Ta bort rad"), {156, 320, 90, 24}, true);
    ButtonInstruktioner = makeButton("ButtonInstruktioner", QStringLiteral("Hur gör man?"),
                                     {330, 320, 120, 24}, true);
    connect(ButtonInstruktioner, &QPushButton::clicked, this, &TForm1::ButtonInstruktionerClick);

    // Food list side.
    Edit1 = named(new QLineEdit(QStringLiteral("Sökord"), m_central), "Edit1");
    Edit1->setGeometry(460, 4, 250, 24);
    Button3 = makeButton("Button3", QStringLiteral("OK"), {716, 4, 50, 24}, true);
    ComboBoxSLVgrupp = named(new QComboBox(m_central), "ComboBoxSLVgrupp");
    ComboBoxSLVgrupp->setGeometry(460, 32, 250, 24);
    ComboBoxSLVgrupp->setMaxVisibleItems(18);
    connect(ComboBoxSLVgrupp, &QComboBox::activated, this, [this](int index) {
        Edit1->clear();
        FilterByGroup(ComboBoxSLVgrupp->itemText(index));
        if (ListBoxLivs->count() > 0)
            ListBoxLivs->setCurrentRow(0);
        ListBoxLivs->setFocus();
    });
    ListBoxLivs = named(new QListWidget(m_central), "ListBoxLivs");
    ListBoxLivs->setGeometry(460, 60, 368, 284);
    ListBoxLivs->setDragEnabled(true);
    ListBoxLivs->setContextMenuPolicy(Qt::CustomContextMenu);

    // Search options, hidden in the shipped layout.
    CheckBoxDabas = named(new QCheckBox(QStringLiteral("DABAS"), m_central), "CheckBoxDabas");
    CheckBoxDabas->setChecked(true);
    CheckBoxDabas->setGeometry(772, 4, 60, 24);
    CheckBoxDabas->hide();
    CheckBoxSnabbSok =
        named(new QCheckBox(QStringLiteral("Snabbsökning"), m_central), "CheckBoxSnabbSok");
    CheckBoxSnabbSok->setChecked(true);
    CheckBoxSnabbSok->setToolTip(QStringLiteral("Söker utan Enter"));
    CheckBoxSnabbSok->setGeometry(716, 32, 110, 24);
    CheckBoxSnabbSok->hide();
    ComboBoxDabas = named(new QComboBox(m_central), "ComboBoxDabas");
    ComboBoxDabas->setGeometry(460, 348, 180, 24);
    ComboBoxDabas->hide();
    ComboBoxFabrikant = named(new QComboBox(m_central), "ComboBoxFabrikant");
    ComboBoxFabrikant->addItem(QStringLiteral("Fabrikanter"));
    ComboBoxFabrikant->setGeometry(646, 348, 180, 24);
    ComboBoxFabrikant->hide();
    ButtonFavoriter =
        makeButton("ButtonFavoriter", QStringLiteral("Favoriter"), {460, 376, 80, 24}, false);
    ButtonSenaste =
        makeButton("ButtonSenaste", QStringLiteral("Senaste"), {544, 376, 80, 24}, false);
    ListBoxVikter = named(new QListWidget(m_central), "ListBoxVikter");
    ListBoxVikter->setGeometry(250, 120, 200, 120);
    ListBoxVikter->hide();
    buttonflyttaenhet =
        makeButton("buttonflyttaenhet", QStringLiteral("Flytta enhet"), {250, 244, 100, 24}, false);
    MemoHogerklick = named(new QPlainTextEdit(m_central), "MemoHogerklick");
    MemoHogerklick->setPlainText(QStringLiteral("Högerklick på livsmedlet visar olika enheter"));
    MemoHogerklick->setReadOnly(true);
    MemoHogerklick->setGeometry(250, 90, 200, 44);
    MemoHogerklick->hide();

    // Analysis controls, hidden in the shipped layout.
    ChartStapel = named(new QChartView(m_central), "ChartStapel");
    ChartStapel->setGeometry(8, 376, 442, 170);
    ChartStapel->hide();
    ChartEnergi = named(new QChartView(m_central), "ChartEnergi");
    ChartEnergi->setGeometry(8, 376, 220, 170);
    ChartEnergi->hide();
    ChartEnergiRek = named(new QChartView(m_central), "ChartEnergiRek");
    ChartEnergiRek->setGeometry(230, 376, 220, 170);
    ChartEnergiRek->hide();
    const auto toolButton = [this](const char* name, const QString& caption, QRect g) {
        auto* b = named(new QToolButton(m_central), name);
        b->setText(caption);
        b->setGeometry(g);
        b->hide();
        return b;
    };
    SpeedButton5 = toolButton("SpeedButton5", QStringLiteral("Staplar"), {8, 348, 70, 24});
    SpeedButton6 = toolButton("SpeedButton6", QStringLiteral("Energicirklar"), {82, 348, 90, 24});
    SpeedButton8 =
        toolButton("SpeedButton8", QStringLiteral("Saknade värden"), {176, 348, 100, 24});
    Button1 = makeButton("Button1", QStringLiteral("Zoom -"), {280, 348, 54, 24}, false);
    Button2 = makeButton("Button2", QStringLiteral("Zoom +"), {338, 348, 54, 24}, false);
    ButtonProcent = makeButton("ButtonProcent", QStringLiteral("%"), {396, 348, 54, 24}, false);
    CheckboxAlkohol =
        named(new QCheckBox(QStringLiteral("Räkna med Alkohol"), m_central), "CheckboxAlkohol");
    CheckboxAlkohol->setChecked(true);
    CheckboxAlkohol->setGeometry(250, 320, 140, 24);
    CheckboxAlkohol->hide();
    MemoStapel = named(new QPlainTextEdit(m_central), "MemoStapel");
    MemoStapel->setReadOnly(true);
    MemoStapel->setGeometry(8, 376, 442, 60);
    MemoStapel->hide();
    ButtonVisaSiffror = makeButton("ButtonVisaSiffror", QStringLiteral("Näringen i siffror"),
                                   {460, 404, 120, 24}, false);
    Button8 = makeButton("Button8", QStringLiteral("Tidsdiagram"), {584, 404, 120, 24}, false);
    ButtonNvPerKg = makeButton("ButtonNvPerKg", QStringLiteral("Per kg kroppsvikt"),
                               {708, 404, 120, 24}, false);
    ButtonNv100g =
        makeButton("ButtonNv100g", QStringLiteral("Näring per 100g"), {460, 432, 120, 24}, false);
    ButtonGram = makeButton("ButtonGram", QStringLiteral("Näring per livsmedel"),
                            {584, 432, 120, 24}, false);
    ButtonFett =
        makeButton("ButtonFett", QStringLiteral("Fettsammansättning"), {708, 432, 120, 24}, false);
    ButtonEnergiCirkel = makeButton("ButtonEnergiCirkel", QStringLiteral("Livsmedelscirkel"),
                                    {460, 460, 120, 24}, false);
    ButtonLivsGrupper = makeButton("ButtonLivsGrupper", QStringLiteral("Livsmedelsgrupper"),
                                   {584, 460, 120, 24}, false);
    ButtonSalt = makeButton("ButtonSalt", QStringLiteral("Salt"), {708, 460, 120, 24}, false);
    ButtonInsulin =
        makeButton("ButtonInsulin", QStringLiteral("Insulin"), {460, 488, 120, 24}, false);
    ButtonSkrivLivtab =
        makeButton("ButtonSkrivLivtab", QStringLiteral("SkrivLivtab"), {584, 488, 120, 24}, false);
    connect(ButtonSkrivLivtab, &QPushButton::clicked, this, &TForm1::ButtonSkrivLivtabClick);
    ButtonEnklare = makeButton("ButtonEnklare", QStringLiteral("Visa fler funktioner."),
                               {708, 488, 120, 24}, false);
    connect(ButtonEnklare, &QPushButton::clicked, this, &TForm1::ButtonEnklareClick);
    MemoHelp = named(new QPlainTextEdit(m_central), "MemoHelp");
    MemoHelp->setPlainText(kHelpMemoLines.join(QLatin1Char('\n')));
    MemoHelp->setReadOnly(true);
    MemoHelp->setGeometry(584, 352, 244, 168);
    MemoHelp->hide();
    CheckBoxHelp =
        named(new QCheckBox(QStringLiteral("Visa hjälptexter"), m_central), "CheckBoxHelp");
    CheckBoxHelp->setGeometry(460, 516, 140, 24);
    CheckBoxHelp->hide();
    connect(CheckBoxHelp, &QCheckBox::clicked, this, &TForm1::CheckBoxHelpClick);
    ComboBoxExtra = named(new QComboBox(m_central), "ComboBoxExtra");
    ComboBoxExtra->setGeometry(604, 516, 120, 24);
    ComboBoxExtra->hide();
    EditPris = named(new QLineEdit(m_central), "EditPris");
    EditPris->setGeometry(728, 516, 100, 24);
    EditPris->hide();

    StatusBar1 = named(new QStatusBar(this), "StatusBar1");
    StatusBar1->showMessage(QStringLiteral("Vänta, läser in DABAS"));
    setStatusBar(StatusBar1);
    StatusBar1->hide();

    Timer1 = named(new QTimer(this), "Timer1");
    Timer1->setInterval(500);
    Timer1->setSingleShot(true);
    TimerHogerKlick = named(new QTimer(this), "TimerHogerKlick");
    TimerHogerKlick->setInterval(3000);
    TimerHogerKlick->setSingleShot(true);
    connect(TimerHogerKlick, &QTimer::timeout, MemoHogerklick, &QWidget::hide);
    TimerDabasInlasning = named(new QTimer(this), "TimerDabasInlasning");
    TimerDabasInlasning->setInterval(1000);
    TimerDabasInlasning->setSingleShot(true);
}

QAction* TForm1::addMenuItem(QMenu* menu, const QString& objectName, const QString& caption,
                             bool visible, void (TForm1::*handler)()) {
    auto* action = menu->addAction(caption);
    action->setObjectName(objectName);
    action->setVisible(visible);
    if (handler)
        connect(action, &QAction::triggered, this, handler);
    return action;
}

void TForm1::createMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    Arkiv = bar->addMenu(QStringLiteral("Arkiv"));
    Arkiv->setObjectName(QStringLiteral("Arkiv1"));
    addMenuItem(Arkiv, QStringLiteral("Nyberkning1"), QStringLiteral("Ny registrering"), true,
                &TForm1::Nyberkning1Click);
    addMenuItem(Arkiv, QStringLiteral("Hmtaberkning1"), QStringLiteral("Hämta registrering"), true,
                &TForm1::Hmtaberkning1Click);
    addMenuItem(Arkiv, QStringLiteral("SparaBerkning1"), QStringLiteral("Spara registrering"), true,
                &TForm1::SparaBerkning1Click);
    addMenuItem(Arkiv, QStringLiteral("Mailaberkning1"), QStringLiteral("Maila registrering"), true,
                &TForm1::Mailaberkning1Click);
    addMenuItem(Arkiv, QStringLiteral("Utskrift1"), QStringLiteral("Utskrift"), false);
    addMenuItem(Arkiv, QStringLiteral("Utskrift21"), QStringLiteral("Utskrift"), false);
    addMenuItem(Arkiv, QStringLiteral("Utskriftrecept1"), QStringLiteral("Utskrift recept"), false);
    addMenuItem(Arkiv, QStringLiteral("Utskriftlivsmedelsbehov1"),
                QStringLiteral("Utskrift livsmedelsbehov"), false);
    addMenuItem(Arkiv, QStringLiteral("Utskrifttillstatistikfil1"),
                QStringLiteral("Utskrift till statistikfil"), false);
    addMenuItem(Arkiv, QStringLiteral("Extrainfo1"), QStringLiteral("Info om denna beräkning"),
                true, &TForm1::Extrainfo1Click);
    addMenuItem(Arkiv, QStringLiteral("Recept1"), QStringLiteral("Recept"), false);
    addMenuItem(Arkiv, QStringLiteral("Hmtaettrecepttilldennamltid1"),
                QStringLiteral("Hämta ett recept till denna måltid"), false);
    addMenuItem(Arkiv, QStringLiteral("Lgguppettreceptiartikelregistret1"),
                QStringLiteral("Lägg upp recept i artikelregistret"), false);
    addMenuItem(Arkiv, QStringLiteral("Divideranerettrecept1"),
                QStringLiteral("Dividera ner ett recept"), false);
    addMenuItem(Arkiv, QStringLiteral("Instllningar1"), QStringLiteral("Inställningar"), false);
    addMenuItem(Arkiv, QStringLiteral("Radera"), QStringLiteral("Radera registrering"), true,
                &TForm1::RaderaClick);
    namnsoek = addMenuItem(Arkiv, QStringLiteral("namnsoek"), QStringLiteral("Sök på namn"), false);
    namnsoek->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    // A hidden menu item's shortcut still works when the window carries the action.
    addAction(namnsoek);
    addMenuItem(Arkiv, QStringLiteral("ketogen"), QStringLiteral("Ketogen kost"), false);
    addMenuItem(Arkiv, QStringLiteral("Kostunderskningar1"), QStringLiteral("Kostundersökningar"),
                false);

    Redigera = bar->addMenu(QStringLiteral("Redigera"));
    Redigera->setObjectName(QStringLiteral("Redigera1"));
    addMenuItem(Redigera, QStringLiteral("Kopieradennamltid2"),
                QStringLiteral("Kopiera denna måltid"), true, &TForm1::Kopieradennamltid2Click);
    addMenuItem(Redigera, QStringLiteral("Klistraindennamltid1"),
                QStringLiteral("Klistra in måltid"), true, &TForm1::Klistraindennamltid1Click);

    Normer = bar->addMenu(QStringLiteral("Normer"));
    Normer->setObjectName(QStringLiteral("Normer1"));
    Normer->menuAction()->setVisible(false);
    addMenuItem(Normer, QStringLiteral("Standardnormer1"), QStringLiteral("Standardnormer, SNR"),
                true);
    addMenuItem(Normer, QStringLiteral("Aktiviteter1"), QStringLiteral("Aktiviteter"), true);
    addMenuItem(Normer, QStringLiteral("veckoaktiviteter"),
                QStringLiteral("Aktiviteter detaljerat"), false);
    addMenuItem(Normer, QStringLiteral("Angesjlvnskadenergifrbrukning1"),
                QStringLiteral("Ange själv önskad energiförbrukning"), true);
    addMenuItem(Normer, QStringLiteral("HarrisBenedikt1"),
                QStringLiteral("Harris Benedict energy estimation"), true);
    addMenuItem(Normer, QStringLiteral("Personlignorm1"), QStringLiteral("Personlig norm, BMI"),
                true);
    addMenuItem(Normer, QStringLiteral("Perkgkroppsvikt1"), QStringLiteral("Per kg kroppsvikt"),
                true);
    addMenuItem(Normer, QStringLiteral("Ketogenkost1"), QStringLiteral("Ketogen kost"), false);

    Vljnringsmnen1 = bar->addAction(QStringLiteral("Välj näringsämnen"));
    Vljnringsmnen1->setObjectName(QStringLiteral("Vljnringsmnen1"));
    Vljnringsmnen1->setVisible(false);
    Nringstoppen1 = bar->addAction(QStringLiteral("Näringstoppen"));
    Nringstoppen1->setObjectName(QStringLiteral("Nringstoppen1"));

    Register = bar->addMenu(QStringLiteral("Register"));
    Register->setObjectName(QStringLiteral("Register1"));
    Register->menuAction()->setVisible(false);
    addMenuItem(Register, QStringLiteral("Livsmedelstabell1"), QStringLiteral("Livsmedelsverket"),
                true, &TForm1::Livsmedelstabell1Click);
    addMenuItem(Register, QStringLiteral("Fabrikanter1"), QStringLiteral("Fabrikanter"), true,
                &TForm1::Fabrikanter1Click);
    addMenuItem(Register, QStringLiteral("Egna1"), QStringLiteral("Egna"), true,
                &TForm1::Egna1Click);
    addMenuItem(Register, QStringLiteral("Dabas1"), QStringLiteral("Dabas"), true,
                &TForm1::Dabas1Click);
    addMenuItem(Register, QStringLiteral("Receptregister1"), QStringLiteral("Recept egna"), false);
    addMenuItem(Register, QStringLiteral("Receptregister2"), QStringLiteral("Recept allmänna"),
                false);

    wwwInfo = bar->addAction(QStringLiteral("wwwInfo"));
    wwwInfo->setObjectName(QStringLiteral("wwwInfo"));
    wwwInfo->setVisible(false);
    Copyright1 = bar->addAction(QStringLiteral("Copyright"));
    Copyright1->setObjectName(QStringLiteral("Copyright1"));
    connect(Copyright1, &QAction::triggered, this, &TForm1::Copyright1Click);
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
    ComboBoxSLVgrupp->clear();
    ComboBoxSLVgrupp->addItems(m_state.catalogue.groupList);

    // 6: the current meal; the need stays 100 until the norm window reads its table.
    m_state.CurrentMealName = MealName(0);

    // 7: favourites and recent foods come with the food list.
    m_state.ProgramDir = m_state.DataDir;

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

    // 10-12: grid headings, an empty registration, the meal view.
    StringGridMaltid->setHorizontalHeaderLabels(
        {QStringLiteral("Livsmedel"), QStringLiteral("Antal"), QStringLiteral("Enhet"),
         QStringLiteral("Gram"), QStringLiteral("klockan")});
    NewRegistration();
    ViewMode = 0;

    // 13-15: dialog folder, administrator password, help memo.
    readInitDir();
    readPassword();
    MemoHelp->move(584, 352);

    // 16: DABAS.
    if (!m_state.catalogue.LoadDabas(m_state.dabas, &error))
        m_dialogs.message(this, error, Dialogs::Icon::Error);
    ComboBoxDabas->clear();
    ComboBoxDabas->addItems(m_state.catalogue.brandList);
    StatusBar1->showMessage(QStringLiteral("%1 artiklar").arg(m_state.catalogue.DabasCount));
    TimerHogerKlick->start();
    RefreshMealGrid();
    return StartupResult::Ok;
}

void TForm1::readInitDir() {
    m_state.InitDir = QStringLiteral(".");
    QStringList lines;
    if (TextCodec::readLines(m_state.dataPath(QStringLiteral("initdir.txt")), &lines) &&
        !lines.isEmpty())
        m_state.InitDir = lines.first();
}

void TForm1::readPassword() {
    m_state.AdminPassword = QStringLiteral("KORPRAM");
    QStringList lines;
    if (TextCodec::readLines(m_state.dataPath(QStringLiteral("bkmpwtwa.gof")), &lines) &&
        !lines.isEmpty() && lines.first().size() >= 2)
        m_state.AdminPassword = lines.first().toUpper();
}

void TForm1::RefreshMealGrid() {
    const Registration::Meal& meal =
        m_state.registration.meal(m_state.CurrentDay, m_state.CurrentMeal);
    QSignalBlocker block(StringGridMaltid);
    for (int r = 1; r <= Registration::kLastRow; ++r) {
        const MealGridText::Row cells = MealGridText::row(meal[r]);
        for (int c = 0; c < MealGridText::kColumns; ++c) {
            QTableWidgetItem* item = StringGridMaltid->item(tableRow(r), c);
            if (item->text() != cells[c])
                item->setText(cells[c]);
        }
    }
}

void TForm1::Recalculate() {
    RefreshMealGrid();
    setWindowTitle(m_state.RegistrationTitle);
    refreshDayBox();
    refreshMealButtons();
}

void TForm1::refreshDayBox() {
    for (int d = 0; d < Registration::kDays; ++d) {
        const QString text =
            (m_state.registration.isDayEmpty(d) ? QStringLiteral("dag%1") : QStringLiteral("DAG%1"))
                .arg(d + 1);
        if (ComboBox1->itemText(d) != text)
            ComboBox1->setItemText(d, text);
    }
    ComboBox1->setCurrentIndex(m_state.CurrentDay);
}

void TForm1::refreshMealButtons() {
    for (int m = 0; m < Registration::kMeals; ++m) {
        QFont font = mealButtons[m]->font();
        font.setBold(!m_state.registration.row(m_state.CurrentDay, m, 1).isEmpty());
        mealButtons[m]->setFont(font);
    }
}

void TForm1::selectMeal(int meal) {
    m_state.CurrentMeal = meal;
    m_state.CurrentMealName = MealName(meal);
    mealButtons[meal]->setChecked(true);
    Recalculate();
}

void TForm1::ComboBox1Change(int index) {
    if (!Registration::isValidDay(index))
        return;
    m_state.CurrentDay = index;
    Recalculate();
}

void TForm1::showFoodList(const FoodList& list) {
    m_foodList = list;
    ListBoxLivs->clear();
    ListBoxLivs->addItems(list.lines);
}

void TForm1::FilterByGroup(const QString& group) {
    FoodList list;
    if (FoodSearch::FilterByGroup(m_state.catalogue, group, &list))
        showFoodList(list);
}

bool TForm1::NewRegistration() {
    if (m_state.RegistrationChanged) {
        const Dialogs::Answer answer = m_dialogs.question(
            this, QStringLiteral("Vill du spara pågående registrering innan ny startas?"),
            Dialogs::Buttons::YesNoCancel);
        if (answer == Dialogs::Answer::Cancel)
            return false;
        if (answer == Dialogs::Answer::Yes) {
            SparaBerkning1Click();
            if (m_state.RegistrationChanged)
                return false; // not saved: keep what was entered
        }
    }
    m_state.NewRegistration();
    mealButtons[0]->setChecked(true);
    ComboBox1->setCurrentIndex(0);
    return true;
}

void TForm1::Nyberkning1Click() {
    if (NewRegistration())
        Recalculate();
}

void TForm1::Hmtaberkning1Click() {}

void TForm1::SparaBerkning1Click() {}

void TForm1::Mailaberkning1Click() {}

void TForm1::Extrainfo1Click() {}

void TForm1::RaderaClick() {}

void TForm1::Kopieradennamltid2Click() {
    m_state.CopiedMeal = m_state.registration.meal(m_state.CurrentDay, m_state.CurrentMeal);
    m_state.MealCopied = true;
    m_dialogs.message(
        this, QStringLiteral("Måltiden är nu lagrad och kan klistras in i en annan måltid."));
}

void TForm1::Klistraindennamltid1Click() {
    if (!m_state.MealCopied) {
        m_dialogs.message(this, QStringLiteral("Ingen måltid finns att kopiera"));
        return;
    }
    const Registration::PasteResult result =
        m_state.registration.pasteMeal(m_state.CurrentDay, m_state.CurrentMeal, m_state.CopiedMeal);
    m_state.RegistrationChanged = true;
    Recalculate();
    if (result.dropped > 0)
        m_dialogs.message(
            this,
            QStringLiteral("Måltiden är full: %1 livsmedel fick inte plats och klistrades inte in.")
                .arg(result.dropped));
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
                 agencyVersion.isEmpty() ? QString()
                                         : QStringLiteral("\nLivsmedelsdatabas: ") + agencyVersion));
}

void TForm1::ButtonInstruktionerClick() {
    if (m_windows.FormHelp) {
        m_windows.FormHelp->show();
        m_windows.FormHelp->raise();
    }
}

void TForm1::ButtonEnklareClick() {
    const QList<QWidget*> extended{
        ButtonFavoriter, ButtonSenaste, CheckBoxDabas,      ButtonVisaSiffror, Button8,
        ButtonNvPerKg,   ButtonFett,    ButtonEnergiCirkel, ButtonNv100g,      ButtonSalt,
        Button1,         Button2,       ButtonProcent,      SpeedButton8,      ButtonGram};
    if (ButtonEnklare->text() != QLatin1String("Visa fler funktioner.")) {
        ButtonEnklare->setText(QStringLiteral("Visa fler funktioner."));
        for (QWidget* w : extended)
            w->hide();
        for (QWidget* w :
             {static_cast<QWidget*>(CheckBoxSnabbSok), static_cast<QWidget*>(ComboBoxFabrikant),
              static_cast<QWidget*>(ButtonLivsGrupper), static_cast<QWidget*>(ButtonInsulin)})
            w->hide();
        ComboBoxSLVgrupp->show();
        MemoHelp->show();
    } else {
        ButtonEnklare->setText(QStringLiteral("Visa enklare version."));
        for (QWidget* w : extended)
            w->show();
        MemoHelp->hide();
    }
}

void TForm1::CheckBoxHelpClick() {
    const bool on = CheckBoxHelp->isChecked();
    const QList<QPair<QWidget*, QString>> hints{
        {StringGridMaltid,
         QStringLiteral("Högerklick visar enhetsvikter. Skriv gram, antal eller klockslag+ Enter")},
        {ListBoxLivs,
         QStringLiteral("Dubbelklicka för att välja livsmedel, höger klick visar näring per 100g")},
        {Edit1, QStringLiteral("Skriv gärna ett kort sökord")},
        {ComboBoxSLVgrupp, QStringLiteral("Söker på grupp i Livsmedelsverkets tabell")},
        {ComboBoxFabrikant, QStringLiteral("Artiklar från fabrikanter")},
        {CheckBoxDabas,
         QStringLiteral("Sök även i Dabas, Dabas innehåller ofta endast kcal, kJ, prot, "
                        "fett och kolhydrater. ")},
        {ListBoxVikter, QStringLiteral("Klicka på önskad enhet")},
        {SpeedButton8, QStringLiteral("Klicka här för att se vilka näringsämnen som saknas")},
        {ButtonSenaste, QStringLiteral("Visa senast använda livsmedel")},
        {ButtonEnergiCirkel, QStringLiteral("Visar energifördelningen för valt livsmedel")},
        {CheckBoxHelp,
         QStringLiteral("Visar en hjälptext när du för musen över skärmens olika delar.")},
    };
    for (const auto& [widget, hint] : hints)
        widget->setToolTip(on ? hint : QString());
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (m_state.RegistrationChanged) {
        const Dialogs::Answer answer =
            m_dialogs.question(this, QStringLiteral("Vill du spara pågående registrering?"),
                               Dialogs::Buttons::YesNoCancel);
        if (answer == Dialogs::Answer::Cancel) {
            event->ignore();
            return;
        }
        if (answer == Dialogs::Answer::Yes) {
            SparaBerkning1Click();
            if (m_state.RegistrationChanged) {
                // The save was cancelled or failed: closing now would lose the registration.
                event->ignore();
                return;
            }
        }
    }
    event->accept();
}

// Meal grid, adding a food, food search and pick lists.

// Results: engine refresh, charts, norm, nutrient selection, settings.

// Registration files, note, information texts and mail.

// Food tables: editors and the gram file.

namespace {
void showEditor(QWidget* editor) {
    if (!editor)
        return;
    editor->show();
    editor->raise();
    editor->activateWindow();
}
} // namespace

void TForm1::Livsmedelstabell1Click() {
    showEditor(m_windows.FormTab);
}

void TForm1::Fabrikanter1Click() {
    showEditor(m_windows.FormFabrikant);
}

void TForm1::Egna1Click() {
    showEditor(m_windows.FormEgna);
}

void TForm1::Dabas1Click() {
    showEditor(m_windows.FormDabas);
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

} // namespace vexamat
