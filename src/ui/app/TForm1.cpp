#include "ui/app/TForm1.h"

#include "core/AppState.h"
#include "core/analysis/FoodSearch.h"
#include "core/analysis/ResultChartBuilder.h"
#include "core/analysis/SaltSummary.h"
#include "core/catalogue/DefaultUnitCopier.h"
#include "core/catalogue/GramFile.h"
#include "core/catalogue/LivsmedelsverketImport.h"
#include "core/text/TextCodec.h"
#include "core/files/LayoutFile.h"
#include "core/norms/AdminPassword.h"
#include "core/norms/SettingsFile.h"
#include "core/registration/FoodAdder.h"
#include "core/registration/FoodRowBuilder.h"
#include "core/registration/MealEditor.h"
#include "core/registration/MealGridText.h"
#include "ui/Dialogs.h"
#include "ui/Windows.h"
#include "ui/analysis/ResultCharts.h"
#include "ui/analysis/TFormSalt.h"
#include "ui/analysis/TFormVisaNv.h"
#include "ui/analysis/Tformnvval.h"
#include "ui/app/EventHook.h"
#include "ui/app/MealGridDelegate.h"
#include "ui/app/TFormHelp.h"
#include "ui/catalogue/TFormDabas.h"
#include "ui/catalogue/TFormEgna.h"
#include "ui/catalogue/TFormFabrikant.h"
#include "ui/catalogue/TFormTab.h"
#include "ui/diabetes/TFormDagFarger.h"
#include "ui/files/RegistrationFiles.h"
#include "ui/files/TFormInfo.h"
#include "ui/mail/TFormMailIndy.h"
#include "ui/norms/TFormInst.h"
#include "ui/norms/TFormNorm.h"
#include "ui/reports/TFormForskning.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QChartView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

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
    setupMealEditing();
    connectAnalysis();
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
        ComboBoxFabrikant->setCurrentIndex(0);
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
                               {460, 348, 140, 24}, true);
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
    connect(TimerDabasInlasning, &QTimer::timeout, this, &TForm1::TimerDabasInlasningTimer);
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
    loadPickLists();

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
    m_state.ViewMode = 0;

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
    m_state.AdminPassword =
        AdminPassword::LoadAdminPassword(m_state.dataPath(AdminPassword::kFileName));
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
    if (m_recalculating)
        return;
    m_recalculating = true;
    RefreshMealShares();
    m_state.recalculate();
    RefreshMealGrid();
    // The open detail views (figures, per kg, per 100 g) are refilled here once they exist.
    // The day box first, so that the chart title names the day as it now reads.
    refreshDayBox();
    DrawResultCharts();
    // Then the activity chart and the fat-composition view; after start-up the day timeline
    // and the food-group view.
    setWindowTitle(m_state.RegistrationTitle);
    refreshSalt();
    // The timeline's insulin series and the "Varifrån kommer näringen." view follow here.
    refreshMealButtons();
    m_recalculating = false;
}

void TForm1::refreshDayBox() {
    for (int d = 0; d < Registration::kDays; ++d) {
        const bool hasFood = m_state.results->DaySum[d][nutrientSlot(nutrient::Kj)] > 0.1f;
        const QString text =
            (hasFood ? QStringLiteral("DAG%1") : QStringLiteral("dag%1")).arg(d + 1);
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
    showMealTypeList(meal);
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
    if (m_windows.FormInfo)
        m_windows.FormInfo->clearNote();
    mealButtons[0]->setChecked(true);
    ComboBox1->setCurrentIndex(0);
    return true;
}

void TForm1::Nyberkning1Click() {
    if (NewRegistration())
        Recalculate();
}

void TForm1::Hmtaberkning1Click() {
    registrationFiles().open();
}

void TForm1::SparaBerkning1Click() {
    registrationFiles().save();
}

void TForm1::Mailaberkning1Click() {
    if (m_windows.FormMailIndy) {
        m_windows.FormMailIndy->show();
        m_windows.FormMailIndy->raise();
    }
}

void TForm1::Extrainfo1Click() {
    if (m_windows.FormInfo) {
        m_windows.FormInfo->show();
        m_windows.FormInfo->raise();
    }
}

void TForm1::RaderaClick() {
    registrationFiles().remove();
}

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
    placeAnalysisControls();
    saveLayout();
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
    writeFavourites();
    event->accept();
}

// Meal grid, adding a food, food search and pick lists.

namespace {

// The text colours of the meal rows and of the meal buttons in the day view, in meal order.
const QColor kMealColours[9] = {
    QColor(QRgb(0x0000FF)), QColor(QRgb(0xFF0000)), QColor(QRgb(0x008000)),
    QColor(QRgb(0xFF00FF)), QColor(QRgb(0x800080)), QColor(QRgb(0x00FF00)),
    QColor(QRgb(0x808080)), QColor(QRgb(0x00FFFF)), QColor(QRgb(0x000000))};

const QString kShortSearch = QStringLiteral("Minst två tecken behövs för att söka");

} // namespace

void TForm1::setupMealEditing() {
    // The grid: every cell edits; the registration only changes on Enter or an arrow key.
    StringGridMaltid->setEditTriggers(QAbstractItemView::DoubleClicked |
                                      QAbstractItemView::EditKeyPressed |
                                      QAbstractItemView::AnyKeyPressed);
    StringGridMaltid->setItemDelegate(
        new MealGridDelegate(StringGridMaltid, [this](QKeyEvent* key, const QString& text) {
            StringGridMaltidKeyPress(key, text, true);
        }));
    connect(StringGridMaltid, &QTableWidget::currentCellChanged, this,
            [this](int row, int column) { StringGridMaltidSelectCell(row, column); });
    EventHook::install(StringGridMaltid, [this](QObject*, QEvent* e) {
        if (e->type() != QEvent::KeyPress)
            return false;
        const QTableWidgetItem* item = StringGridMaltid->currentItem();
        return StringGridMaltidKeyPress(static_cast<QKeyEvent*>(e), item ? item->text() : QString(),
                                        false);
    });
    StringGridMaltid->viewport()->setAcceptDrops(true);
    EventHook::install(StringGridMaltid->viewport(), [this](QObject*, QEvent* e) {
        switch (e->type()) {
        case QEvent::MouseButtonPress: {
            auto* mouse = static_cast<QMouseEvent*>(e);
            if (mouse->button() == Qt::RightButton) {
                StringGridMaltidMouseDown(mouse->position().toPoint());
                return true;
            }
            StringGridMaltidClick();
            return false;
        }
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(e);
            const bool fromList = qobject_cast<QListWidget*>(drag->source()) ||
                                  qobject_cast<QTableWidget*>(drag->source()) ||
                                  drag->mimeData()->hasFormat(
                                      QStringLiteral("application/x-qabstractitemmodeldatalist"));
            if (fromList) {
                drag->setDropAction(Qt::CopyAction);
                drag->accept();
            } else {
                drag->ignore();
            }
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(e);
            drop->setDropAction(Qt::CopyAction);
            drop->accept();
            StringGridMaltidDragDrop(drop->position().toPoint());
            return true;
        }
        default:
            return false;
        }
    });
    applyRowColours();

    ListBoxVikter->setStyleSheet(QStringLiteral("background-color: #87CEEB;"));
    ListBoxVikter->setFont(QFont(QStringLiteral("Courier New")));
    connect(ListBoxVikter, &QListWidget::itemClicked, this, [this] { ListBoxVikterClick(); });
    connect(Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TForm1::Button5Click);
    connect(Button6, &QPushButton::clicked, this, &TForm1::Button6Click);
    connect(SpeedButton9, &QToolButton::clicked, this, &TForm1::SpeedButton9Click);
    connect(SpeedButton10, &QToolButton::clicked, this, &TForm1::SpeedButton10Click);
    connect(SpeedButton11, &QToolButton::clicked, this, &TForm1::SpeedButton11Click);
    connect(buttonflyttaenhet, &QPushButton::clicked, this, &TForm1::buttonflyttaenhetClick);

    // Adding a food.
    connect(Button3, &QPushButton::clicked, this, [this] { AddFoodToMeal(0, false); });
    connect(ListBoxLivs, &QListWidget::itemDoubleClicked, this,
            [this] { AddFoodToMeal(0, false); });
    ListBoxLivs->setDefaultDropAction(Qt::CopyAction);
    EventHook::install(ListBoxLivs, [this](QObject*, QEvent* e) {
        if (e->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            AddFoodToMeal(0, false);
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
    connect(Edit1, &QLineEdit::returnPressed, this, &TForm1::Edit1Enter);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    connect(CheckBoxSnabbSok, &QCheckBox::clicked, this, [this] { Edit1->setFocus(); });
    connect(namnsoek, &QAction::triggered, this, &TForm1::namnsoekClick);
    // A hidden action's shortcut does not fire: Ctrl+S works through this one meanwhile.
    auto* searchShortcut = new QShortcut(namnsoek->shortcut(), this);
    searchShortcut->setObjectName(QStringLiteral("namnsoekShortcut"));
    searchShortcut->setEnabled(!namnsoek->isVisible());
    connect(searchShortcut, &QShortcut::activated, this, &TForm1::namnsoekClick);
    connect(namnsoek, &QAction::visibleChanged, searchShortcut,
            [this, searchShortcut] { searchShortcut->setEnabled(!namnsoek->isVisible()); });
    ComboBoxFabrikant->clear();
    for (const auto& [caption, fragment] : FoodSearch::manufacturers())
        ComboBoxFabrikant->addItem(caption, fragment);
    connect(ComboBoxFabrikant, &QComboBox::activated, this, &TForm1::ComboBoxFabrikantChange);
    connect(CheckBoxDabas, &QCheckBox::clicked, this, &TForm1::CheckBoxDabasClick);
    connect(ComboBoxDabas, &QComboBox::activated, this, &TForm1::ComboBoxDabasChange);
    connect(ButtonFavoriter, &QPushButton::clicked, this, &TForm1::ButtonFavoriterClick);
    connect(ButtonSenaste, &QPushButton::clicked, this, &TForm1::ButtonSenasteClick);
    ButtonSenaste->setToolTip(QStringLiteral("Visa senast använda livsmedel"));

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    const auto popupItem = [this](const char* name, const QString& caption, bool visible,
                                  void (TForm1::*handler)()) {
        QAction* a = PopupMenu1->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        a->setVisible(visible);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    Visanringenper100g1 = popupItem("Visanringenper100g1", QStringLiteral("Visa näringen per 100g"),
                                    true, &TForm1::Visanringenper100g1Click);
    illfavoriter1 = popupItem("illfavoriter1", QStringLiteral("Lägg denna artikel i favoritlistan"),
                              false, &TForm1::illfavoriter1Click);
    Artikelnswww1 = popupItem("Artikelnswww1", QStringLiteral("Koppla till artikelns www"), true,
                              &TForm1::Artikelnswww1Click);
    tabort = popupItem("tabort", QStringLiteral("Ta bort denna artikel från favoritlistan"), true,
                       &TForm1::tabortClick);
    connect(PopupMenu1, &QMenu::aboutToShow, this, &TForm1::PopupMenu1Popup);
    connect(ListBoxLivs, &QListWidget::customContextMenuRequested, this,
            &TForm1::ListBoxLivsContextPopup);
}

void TForm1::StringGridMaltidSelectCell(int tableRowIndex, int column) {
    if (tableRowIndex < 0 || column < 0)
        return;
    m_state.CurrentRow = gridRow(tableRowIndex);
    m_state.CurrentCol = column;
}

void TForm1::StringGridMaltidClick() {
    ListBoxVikter->hide();
    Recalculate();
}

void TForm1::commitCell(const QString& text) {
    // Only a typed text counts: the cells show rounded amounts, and an empty time would clear
    // the times of every row below, so passing over a cell must not write it back.
    const QTableWidgetItem* shown =
        StringGridMaltid->item(tableRow(m_state.CurrentRow), m_state.CurrentCol);
    const bool editable = m_state.CurrentCol == MealEditor::Antal ||
                          m_state.CurrentCol == MealEditor::Gram ||
                          m_state.CurrentCol == MealEditor::Klockan;
    if (editable && shown && shown->text() == text)
        return;
    Registration::Meal& meal = m_state.registration.meal(m_state.CurrentDay, m_state.CurrentMeal);
    const MealEditor::Commit result =
        MealEditor::commitCell(meal, m_state.CurrentRow, m_state.CurrentCol, text);
    if (result == MealEditor::Commit::ReadOnly)
        m_dialogs.message(this, MealEditor::kReadOnlyMessage);
    else if (result == MealEditor::Commit::Changed)
        m_state.RegistrationChanged = true;
}

bool TForm1::StringGridMaltidKeyPress(QKeyEvent* key, const QString& text, bool fromEditor) {
    if (MealGridDelegate::isSearchKey(key)) {
        // Typing a food name into the grid searches for it.
        Edit1->setText(key->text());
        Edit1->setFocus();
        Timer1->start();
        return true;
    }
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        commitCell(text);
        Recalculate();
        StringGridMaltid->setCurrentCell(tableRow(m_state.CurrentRow), MealEditor::Klockan);
        Edit1->setFocus();
        return true;
    case Qt::Key_Escape:
        Edit1->setFocus();
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down: {
        commitCell(text);
        Recalculate();
        if (!fromEditor)
            return false; // the grid moves its selection itself
        const int step = key->key() == Qt::Key_Up ? -1 : 1;
        const int target =
            qBound(0, tableRow(m_state.CurrentRow) + step, StringGridMaltid->rowCount() - 1);
        StringGridMaltid->setCurrentCell(target, m_state.CurrentCol);
        StringGridMaltid->setFocus();
        return true;
    }
    default:
        return false;
    }
}

void TForm1::StringGridMaltidMouseDown(const QPoint& viewportPos) {
    ListBoxVikter->clear();
    const int tr = StringGridMaltid->rowAt(viewportPos.y());
    if (tr < 0) {
        ListBoxVikter->hide();
        return;
    }
    StringGridMaltid->setCurrentCell(tr, qMax(0, StringGridMaltid->currentColumn()));
    const MealRow& row =
        m_state.registration.row(m_state.CurrentDay, m_state.CurrentMeal, gridRow(tr));
    ListBoxVikter->addItems(MealEditor::unitLines(row));
    const QPoint at = StringGridMaltid->viewport()->mapTo(m_central, viewportPos);
    const int height = ListBoxVikter->count() * ListBoxVikter->sizeHintForRow(0) +
                       2 * ListBoxVikter->frameWidth() + 4;
    ListBoxVikter->setGeometry(ListBoxVikter->x(), at.y() + 36, ListBoxVikter->width(), height);
    ListBoxVikter->show();
    ListBoxVikter->raise();
}

void TForm1::ListBoxVikterClick() {
    const int i = ListBoxVikter->currentRow();
    const QString line = i >= 1 ? ListBoxVikter->item(i)->text() : QString();
    ListBoxVikter->hide();
    if (i < 1)
        return;
    MealRow& row =
        m_state.registration.row(m_state.CurrentDay, m_state.CurrentMeal, m_state.CurrentRow);
    if (row.isEmpty() || !MealEditor::applyUnitLine(row, line))
        return; // the waste line is only information
    m_state.RegistrationChanged = true;
    Recalculate();
    StringGridMaltid->setCurrentCell(tableRow(m_state.CurrentRow), MealEditor::Antal);
    StringGridMaltid->setFocus();
}

void TForm1::Button4Click() {
    MealRow& row =
        m_state.registration.row(m_state.CurrentDay, m_state.CurrentMeal, m_state.CurrentRow);
    if (!row.isEmpty()) {
        MealEditor::increase(row);
        m_state.RegistrationChanged = true;
        Recalculate();
    }
    Edit1->setFocus();
}

void TForm1::Button5Click() {
    MealRow& row =
        m_state.registration.row(m_state.CurrentDay, m_state.CurrentMeal, m_state.CurrentRow);
    if (!row.isEmpty()) {
        if (MealEditor::decrease(row)) {
            m_state.RegistrationChanged = true;
            Recalculate();
        } else if (m_dialogs.question(this, QStringLiteral("Vill du ta bort denna rad?")) ==
                   Dialogs::Answer::Yes) {
            DeleteRow(m_state.CurrentRow);
        }
    }
    Edit1->setFocus();
}

void TForm1::Button6Click() {
    DeleteRow(m_state.CurrentRow);
}

void TForm1::DeleteRow(int row) {
    m_state.registration.deleteRow(m_state.CurrentDay, m_state.CurrentMeal, row);
    m_state.RegistrationChanged = true;
    Recalculate();
    Edit1->setFocus();
}

void TForm1::StringGridMaltidDragDrop(const QPoint& viewportPos) {
    const int tr = StringGridMaltid->rowAt(viewportPos.y());
    if (tr >= 0)
        AddFoodToMeal(gridRow(tr), true);
}

void TForm1::setViewMode(int mode) {
    m_state.ViewMode = mode;
    const std::array<QToolButton*, 3> viewButtons{SpeedButton9, SpeedButton10, SpeedButton11};
    viewButtons[size_t(mode)]->setChecked(true);
    for (int m = 0; m < Registration::kMeals; ++m) {
        QPalette palette = mealButtons[m]->palette();
        palette.setColor(QPalette::ButtonText,
                         mode == 1 ? kMealColours[m]
                                   : QApplication::palette().color(QPalette::ButtonText));
        mealButtons[m]->setPalette(palette);
    }
    applyRowColours();
    Recalculate();
}

void TForm1::applyRowColours() {
    for (int tr = 0; tr < StringGridMaltid->rowCount(); ++tr) {
        const QColor colour = m_state.ViewMode == 0 ? kMealColours[tr % 9] : QColor(Qt::black);
        for (int c = 0; c < StringGridMaltid->columnCount(); ++c)
            StringGridMaltid->item(tr, c)->setForeground(colour);
    }
}

void TForm1::SpeedButton9Click() {
    if (m_windows.FormDagFarger)
        m_windows.FormDagFarger->hide();
    setViewMode(0);
}

void TForm1::SpeedButton10Click() {
    if (m_windows.FormDagFarger)
        m_windows.FormDagFarger->hide();
    setViewMode(1);
}

void TForm1::SpeedButton11Click() {
    if (m_windows.FormDagFarger)
        m_windows.FormDagFarger->show();
    setViewMode(2);
}

void TForm1::buttonflyttaenhetClick() {
    QString error;
    if (DefaultUnitCopier::copy(m_state.database, &error) < 0) {
        m_dialogs.message(this, error, Dialogs::Icon::Error);
        return;
    }
    m_dialogs.message(this, QStringLiteral("Klart"));
}

void TForm1::AddFoodToMeal(int row, bool insert) {
    const int i = ListBoxLivs->currentRow();
    if (i < 0 || i >= m_foodList.size())
        return;
    const bool survey = m_windows.FormForskning && m_windows.FormForskning->isVisible();
    const FoodAdder::Result result = FoodAdder::AddFoodToMeal(
        m_state, m_foodList.lines.at(i), m_foodList.companions.at(i), row, insert, survey);
    if (result.showHint) {
        MemoHogerklick->show();
        MemoHogerklick->raise();
        TimerHogerKlick->start();
    }
    for (const QString& message : result.messages)
        m_dialogs.message(this, message);
    if (result.status == FoodAdder::Status::NoCode || result.status == FoodAdder::Status::MealFull)
        return;
    if (result.status != FoodAdder::Status::Added) {
        Recalculate(); // the pick lists and the changed mark did change
        return;
    }
    StringGridMaltid->setCurrentCell(tableRow(result.row), MealEditor::Gram);
    Recalculate();
    StringGridMaltid->setFocus();
    if (result.tabletHint)
        m_dialogs.message(this, FoodRowBuilder::kTabletHint);
}

int TForm1::BuildFoodList(const QString& text) {
    ComboBoxSLVgrupp->setCurrentIndex(0);
    ComboBoxFabrikant->setCurrentIndex(0);
    FoodList list;
    const int hits =
        FoodSearch::BuildFoodList(m_state.catalogue, text, CheckBoxDabas->isChecked(), &list);
    if (hits < 0)
        return 0;
    ListShows = QStringLiteral("namn");
    showFoodList(list);
    return hits;
}

void TForm1::selectFirstFoodLine() {
    if (ListBoxLivs->count() == 0)
        return;
    // The first line that is a food, so that Enter adds it rather than a heading.
    for (int i = 0; i < m_foodList.size(); ++i) {
        if (!FoodSearch::codeOfCompanion(m_foodList.companions.at(i)).isEmpty()) {
            ListBoxLivs->setCurrentRow(i);
            return;
        }
    }
    ListBoxLivs->setCurrentRow(0);
}

void TForm1::Timer1Timer() {
    Timer1->stop();
    BuildFoodList(Edit1->text());
}

void TForm1::addClockRow(const QString& text) {
    Registration::Meal& meal = m_state.registration.meal(m_state.CurrentDay, m_state.CurrentMeal);
    if (MealEditor::addClockRow(meal, text) < 0) {
        m_dialogs.message(this, FoodAdder::kMealFullMessage);
        return;
    }
    m_state.RegistrationChanged = true;
    Recalculate();
}

void TForm1::Edit1Enter() {
    const QString text = Edit1->text();
    if (CheckBoxSnabbSok->isChecked()) {
        if (text.contains(QLatin1Char(':'))) {
            Timer1->stop();
            addClockRow(text);
            return;
        }
        if (Timer1->isActive()) // Enter before the quick search fired: search now
            Timer1Timer();
        selectFirstFoodLine();
        ListBoxLivs->setFocus();
        return;
    }
    if (text.contains(QLatin1Char(':'))) {
        addClockRow(text);
        return;
    }
    if (text.size() < 2) {
        m_dialogs.message(this, kShortSearch);
        return;
    }
    const FoodAdder::Result added = FoodAdder::addByCode(m_state, text);
    if (added.status == FoodAdder::Status::MealFull) {
        m_dialogs.message(this, added.messages.join(QLatin1Char('\n')));
        return;
    }
    if (added.status == FoodAdder::Status::Added) {
        StringGridMaltid->setCurrentCell(tableRow(added.row), MealEditor::Gram);
        Recalculate();
        StringGridMaltid->setFocus();
        return;
    }
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

void TForm1::namnsoekClick() {
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

void TForm1::FilterByManufacturer(const QString& fragment) {
    FoodList list;
    if (FoodSearch::FilterByManufacturer(m_state.catalogue, fragment, &list)) {
        ListShows = QStringLiteral("fabrikant");
        showFoodList(list);
    }
}

void TForm1::ComboBoxFabrikantChange(int index) {
    ComboBoxDabas->setCurrentIndex(0);
    ComboBoxSLVgrupp->setCurrentIndex(0);
    FilterByManufacturer(ComboBoxFabrikant->itemData(index).toString());
    if (ListBoxLivs->count() > 0)
        ListBoxLivs->setCurrentRow(0);
    ListBoxLivs->setFocus();
}

void TForm1::CheckBoxDabasClick() {
    m_dialogs.message(this, QStringLiteral("OBS! Dabas-produkter är ofta ofullständigt deklarerade "
                                           "och produkter kan utgå i kommande uppdateringar"));
    if (m_state.catalogue.DabasLoaded) {
        ComboBoxDabas->setVisible(!ComboBoxDabas->isVisible());
    } else {
        TimerDabasInlasning->start();
        StatusBar1->show();
    }
    BuildFoodList(LastSearch);
}

void TForm1::ComboBoxDabasChange(int index) {
    BuildFoodList(QStringLiteral("/") + ComboBoxDabas->itemText(index));
    selectFirstFoodLine();
    ComboBoxSLVgrupp->setCurrentIndex(0);
    ComboBoxFabrikant->setCurrentIndex(0);
    ListBoxLivs->setFocus();
}

void TForm1::showPickList(const PickList& list) {
    FoodList shown;
    shown.lines = list.names();
    shown.companions = list.companions();
    showFoodList(shown);
    if (ListBoxLivs->count() > 0)
        ListBoxLivs->setCurrentRow(0);
    ListBoxLivs->setFocus();
}

void TForm1::showMealTypeList(int meal) {
    // Only the first four buttons, and only when their meal type is already shown.
    if (meal > 3 || FoodAdder::mealType(m_state.CurrentMeal) != meal)
        return;
    showPickList(m_state.MealTypeFoods[std::size_t(meal)]);
}

void TForm1::ButtonFavoriterClick() {
    ListShows = QStringLiteral("favorit");
    showPickList(m_state.Favourites);
}

void TForm1::ButtonSenasteClick() {
    showPickList(m_state.RecentFoods);
}

void TForm1::ListBoxLivsContextPopup(const QPoint& pos) {
    const QModelIndex index = ListBoxLivs->indexAt(pos);
    PopupIndex = index.isValid() ? index.row() : -1;
    PopupCode.clear();
    if (PopupIndex >= 0 && PopupIndex < m_foodList.size())
        PopupCode = FoodSearch::codeOfCompanion(m_foodList.companions.at(PopupIndex));
    PopupMenu1->popup(ListBoxLivs->viewport()->mapToGlobal(pos));
}

void TForm1::PopupMenu1Popup() {
    tabort->setVisible(ListShows == QLatin1String("favorit"));
}

void TForm1::Visanringenper100g1Click() {
    if (PopupCode.isEmpty() || !m_windows.FormVisaNv)
        return;
    m_windows.FormVisaNv->show();
    m_windows.FormVisaNv->raise();
}

void TForm1::illfavoriter1Click() {
    if (PopupIndex < 0 || PopupIndex >= m_foodList.size() ||
        FoodSearch::codeOfCompanion(m_foodList.companions.at(PopupIndex)).isEmpty())
        return;
    m_state.Favourites.add(m_foodList.lines.at(PopupIndex), m_foodList.companions.at(PopupIndex));
}

void TForm1::Artikelnswww1Click() {
    const QString url = FoodSearch::articleUrl(PopupCode, m_state.fabrikant, m_state.DabasHost);
    if (!url.isEmpty())
        QDesktopServices::openUrl(QUrl(url));
}

void TForm1::tabortClick() {
    if (ListShows != QLatin1String("favorit") || PopupIndex < 0 ||
        PopupIndex >= m_state.Favourites.size())
        return;
    m_state.Favourites.removeAt(PopupIndex);
    ButtonFavoriterClick();
}

void TForm1::loadPickLists() {
    m_state.Favourites.read(QDir(m_state.ProgramDir).filePath(QStringLiteral("favoriter.txt")));
    ListShows = QStringLiteral("senaste");
    m_state.RecentFoods.read(m_state.dataPath(QStringLiteral("senaste.txt")));
}

void TForm1::writeFavourites() {
    if (m_state.Favourites.isEmpty())
        return;
    // A favourites file that cannot be written must not keep the program from closing.
    m_state.Favourites.write(QDir(m_state.ProgramDir).filePath(QStringLiteral("favoriter.txt")));
}

// Results: engine refresh, charts, norm, nutrient selection, settings.

namespace {

const QStringList kMemoStapelLines{
    QStringLiteral("För att få staplar måste du ange hur stor"),
    QStringLiteral("del av dagsbehovet som denna måltid ska ge."),
    QStringLiteral("Det gör du under Arkiv/Inställningar."),
};

// The Arkiv items that lead to working windows; shown with the extended layout.
const char* const kExtendedArkivItems[] = {"Utskrift21",
                                           "Utskriftlivsmedelsbehov1",
                                           "Utskrifttillstatistikfil1",
                                           "Recept1",
                                           "Hmtaettrecepttilldennamltid1",
                                           "Lgguppettreceptiartikelregistret1",
                                           "Divideranerettrecept1",
                                           "Instllningar1",
                                           "Kostunderskningar1"};

constexpr int kChartTop = 376;
constexpr int kExtendedHeight = 760;

} // namespace

void TForm1::connectAnalysis() {
    const auto group = [this](std::initializer_list<QToolButton*> buttons) {
        auto* g = new QButtonGroup(this);
        g->setExclusive(true);
        for (QToolButton* b : buttons) {
            b->setCheckable(true);
            g->addButton(b);
        }
    };
    group({SpeedButton5, SpeedButton6, SpeedButton8});
    group({SpeedButton9, SpeedButton10, SpeedButton11});
    SpeedButton5->setChecked(true);
    SpeedButton8->setToolTip(QStringLiteral("Klicka här för att se vilka näringsämnen som saknas"));
    connect(SpeedButton5, &QToolButton::clicked, this, &TForm1::SpeedButton5Click);
    connect(SpeedButton6, &QToolButton::clicked, this, &TForm1::SpeedButton6Click);
    connect(SpeedButton8, &QToolButton::clicked, this, &TForm1::SpeedButton8Click);
    connect(ButtonProcent, &QPushButton::clicked, this, &TForm1::ButtonProcentClick);
    connect(CheckboxAlkohol, &QCheckBox::clicked, this, &TForm1::CheckboxAlkoholClick);
    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    MemoStapel->setPlainText(kMemoStapelLines.join(QLatin1Char('\n')));

    ScrollBarStapel = named(new QScrollBar(Qt::Vertical, m_central), "ScrollBarStapel");
    ScrollBarStapel->hide();
    m_charts = new ResultCharts(ChartStapel, ChartEnergi, ChartEnergiRek, ScrollBarStapel, this);

    const auto menuItem = [this](const char* name, void (TForm1::*handler)()) {
        if (auto* action = findChild<QAction*>(QString::fromLatin1(name)))
            connect(action, &QAction::triggered, this, handler);
    };
    menuItem("Standardnormer1", &TForm1::Standardnormer1Click);
    menuItem("Instllningar1", &TForm1::Instllningar1Click);
    connect(Vljnringsmnen1, &QAction::triggered, this, &TForm1::Vljnringsmnen1Click);

    // The layout chosen in an earlier run; the first recalculation draws the charts once
    // every window exists.
    QTimer::singleShot(0, this, &TForm1::restoreLayout);
}

void TForm1::restoreLayout() {
    if (!m_state.DataDir.isEmpty() &&
        LayoutFile::readExtended(m_state.dataPath(LayoutFile::kFileName)))
        setExtendedLayout(true);
    Recalculate();
}

void TForm1::setExtendedLayout(bool extended) {
    if (extended != m_extended)
        ButtonEnklareClick();
}

void TForm1::placeAnalysisControls() {
    m_extended = ButtonEnklare->text() == QLatin1String("Visa enklare version.");
    const bool on = m_extended;
    Normer->menuAction()->setVisible(on);
    Register->menuAction()->setVisible(on);
    Vljnringsmnen1->setVisible(on);
    for (const char* name : kExtendedArkivItems) {
        if (auto* action = findChild<QAction*>(QString::fromLatin1(name)))
            action->setVisible(on);
    }
    for (QWidget* w : {static_cast<QWidget*>(Label2), static_cast<QWidget*>(SpeedButton9),
                       static_cast<QWidget*>(SpeedButton10), static_cast<QWidget*>(SpeedButton11),
                       static_cast<QWidget*>(SpeedButton5), static_cast<QWidget*>(SpeedButton6)})
        w->setVisible(on);
    if (on) {
        if (height() < kExtendedHeight)
            resize(width(), kExtendedHeight);
        const bool pies = SpeedButton6->isChecked();
        ChartStapel->setVisible(!pies);
        ScrollBarStapel->setVisible(!pies);
        ChartEnergi->setVisible(pies);
        ChartEnergiRek->setVisible(pies);
        CheckboxAlkohol->setVisible(pies);
        SpeedButton8->setVisible(!pies);
    } else {
        for (QWidget* w :
             {static_cast<QWidget*>(ChartStapel), static_cast<QWidget*>(ChartEnergi),
              static_cast<QWidget*>(ChartEnergiRek), static_cast<QWidget*>(CheckboxAlkohol),
              static_cast<QWidget*>(MemoStapel), static_cast<QWidget*>(ScrollBarStapel)})
            w->hide();
        if (m_windows.FormDagFarger)
            m_windows.FormDagFarger->hide();
        // The instructions stand below this button, not over it.
        MemoHelp->move(MemoHelp->x(), ButtonEnklare->geometry().bottom() + 4);
    }
    resizeEvent(nullptr);
    if (m_windows.FormDagFarger)
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

void TForm1::resizeEvent(QResizeEvent* event) {
    if (event)
        QMainWindow::resizeEvent(event);
    if (!m_central || !ChartStapel)
        return;
    const int chartHeight = std::max(m_central->height() - kChartTop - 8, 120);
    ChartStapel->setGeometry(8, kChartTop, 426, chartHeight);
    ScrollBarStapel->setGeometry(436, kChartTop, 14, chartHeight);
    MemoStapel->setGeometry(8, kChartTop, 442, 60);
    const int pieHeight = chartHeight - 28;
    ChartEnergi->setGeometry(8, kChartTop, 220, pieHeight);
    // The ideal pie stands 8 pixels right of the actual one.
    ChartEnergiRek->setGeometry(ChartEnergi->geometry().right() + 1 + 8, kChartTop, 214, pieHeight);
    CheckboxAlkohol->move(8, kChartTop + pieHeight + 2);
    FitBarsPerPage();
}

void TForm1::RefreshMealShares() {
    MealSettings& settings = m_state.settings;
    QToolButton* first = mealButtons[0];
    if (settings.WholeDayMode) {
        first->resize(374, first->height());
        first->setText(QStringLiteral("Hela dagen"));
        first->setChecked(true);
        settings.MealShare.fill(0.0f);
        settings.MealShare[0] = 1.0f;
        m_state.CurrentMeal = 0;
        m_state.CurrentMealName = QStringLiteral("Hela dagen");
    } else {
        first->resize(46, first->height());
        first->setText(QStringLiteral("Frukost"));
        if (m_windows.FormInst)
            SettingsFile::applyMealShares(m_windows.FormInst->settingsTexts(), settings);
        m_state.CurrentMealName = MealName(m_state.CurrentMeal);
    }
    for (int m = 1; m < Registration::kMeals; ++m)
        mealButtons[m]->setVisible(!settings.WholeDayMode);
}

void TForm1::DrawResultCharts() {
    ResultChartBuilder::Options options;
    options.missingValuesMode = MissingValuesMode;
    options.valueLabels = ButtonProcent->text() != QLatin1String("%");
    options.daySelectorText = ComboBox1->itemText(m_state.CurrentDay);
    const ResultChartData data = ResultChartBuilder::build(m_state, options);

    MemoStapel->setVisible(data.mealShareMissing && !ChartStapel->isHidden() &&
                           m_state.ViewMode == 0);
    if (MemoStapel->isVisibleTo(this))
        MemoStapel->raise();
    m_charts->draw(data);
    QPalette palette = SpeedButton8->palette();
    palette.setColor(QPalette::ButtonText, data.anyMissing ? Qt::red : QColor(0x00, 0x00, 0x80));
    SpeedButton8->setPalette(palette);
    EditPris->setText(data.priceText);
}

void TForm1::FitBarsPerPage() {
    if (m_charts)
        m_charts->setBarsPerPage(
            ResultChartBuilder::FitBarsPerPage(ChartStapel->height(), m_state.selection.count()));
}

void TForm1::SpeedButton5Click() {
    MissingValuesMode = false;
    SpeedButton5->setChecked(true);
    ChartEnergi->hide();
    ChartEnergiRek->hide();
    m_charts->setValueLabelsVisible(true);
    ChartStapel->show();
    ScrollBarStapel->show();
    CheckboxAlkohol->hide();
    SpeedButton8->show();
    Recalculate();
}

void TForm1::SpeedButton6Click() {
    MissingValuesMode = false;
    SpeedButton6->setChecked(true);
    ChartEnergi->show();
    ChartEnergiRek->show();
    m_charts->setValueLabelsVisible(true);
    ChartStapel->hide();
    ScrollBarStapel->hide();
    CheckboxAlkohol->show();
    SpeedButton8->hide();
    Recalculate();
}

void TForm1::SpeedButton8Click() {
    MissingValuesMode = true;
    SpeedButton8->setChecked(true);
    ChartEnergi->hide();
    ChartEnergiRek->hide();
    m_charts->setValueLabelsVisible(false);
    ChartStapel->show();
    ScrollBarStapel->show();
    Recalculate();
}

void TForm1::ButtonProcentClick() {
    ButtonProcent->setText(ButtonProcent->text() == QLatin1String("%") ? QStringLiteral("Värde")
                                                                       : QStringLiteral("%"));
    Recalculate();
}

void TForm1::CheckboxAlkoholClick() {
    m_state.AlcoholFactor = CheckboxAlkohol->isChecked() ? CalculationInputs::kAlcoholCounted : 0;
    Recalculate();
}

void TForm1::Button1Click() {
    m_charts->setMaximum(m_charts->maximum() + 100);
    Button2->show();
}

void TForm1::Button2Click() {
    if (m_charts->maximum() > 110)
        m_charts->setMaximum(m_charts->maximum() - 100);
    if (m_charts->maximum() < 110)
        Button2->hide();
}

void TForm1::Standardnormer1Click() {
    if (m_windows.FormNorm) {
        m_windows.FormNorm->show();
        m_windows.FormNorm->raise();
    }
}

void TForm1::Vljnringsmnen1Click() {
    if (m_windows.formnvval) {
        m_windows.formnvval->show();
        m_windows.formnvval->raise();
    }
}

void TForm1::Instllningar1Click() {
    if (m_windows.FormInst) {
        m_windows.FormInst->show();
        m_windows.FormInst->raise();
    }
}

void TForm1::refreshSalt() {
    if (!m_windows.FormSalt)
        return;
    const SaltSummary salt =
        SaltSummary::compute(*m_state.results, m_state.ViewMode, m_state.CurrentDay);
    auto* memo = m_windows.FormSalt->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
    auto* bar = m_windows.FormSalt->findChild<QProgressBar*>(QStringLiteral("ProgressBar1"));
    if (memo)
        memo->setPlainText(salt.lines.join(QLatin1Char('\n')));
    if (bar)
        bar->setValue(std::clamp(salt.progress, bar->minimum(), bar->maximum()));
}

// Registration files, note, information texts and mail.

RegistrationFiles& TForm1::registrationFiles() {
    if (!m_registrationFiles)
        m_registrationFiles =
            std::make_shared<RegistrationFiles>(m_state, m_windows, m_dialogs, *this);
    return *m_registrationFiles;
}

// Food tables: editors and the gram file.

void TForm1::TimerDabasInlasningTimer() {
    TimerDabasInlasning->stop();
    QString error;
    if (!m_state.catalogue.LoadDabas(m_state.dabas, &error))
        m_dialogs.message(this, error, Dialogs::Icon::Error);
    ComboBoxDabas->clear();
    ComboBoxDabas->addItems(m_state.catalogue.brandList);
    ComboBoxDabas->show();
    StatusBar1->hide();
}

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
