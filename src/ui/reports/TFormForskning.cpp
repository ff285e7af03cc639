#include "ui/reports/TFormForskning.h"

#include "core/AppState.h"
#include "core/files/RegistrationFile.h"
#include "core/registration/FoodRowBuilder.h"
#include "core/reports/SurveyProject.h"
#include "core/reports/SurveyProjectFile.h"
#include "ui/Dialogs.h"
#include "ui/MainWindowUpdates.h"
#include "ui/Windows.h"
#include "ui/reports/SurveyCellDelegate.h"
#include "ui/reports/SurveyGridModel.h"
#include "ui/reports/TFormForsk2.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace vexamat {

namespace {

const QString kSaveQuestion =
    QStringLiteral("Vill du spara pågående registrering innan ny startas?");

QPlainTextEdit* memo(QWidget* parent, const char* name, const QStringList& lines) {
    auto* m = new QPlainTextEdit(parent);
    m->setObjectName(QString::fromLatin1(name));
    m->setReadOnly(true);
    m->setPlainText(lines.join(QLatin1Char('\n')));
    return m;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

const QStringList& helpLines() {
    static const QStringList lines{
        QStringLiteral("Här kan du kostregistrera en eller flera personer under en eller flera "
                       "dagar."),
        QStringLiteral("När detta fönster är synligt kommer de livsmedel du väljer att hamna på "
                       "första"),
        QStringLiteral("lediga rad i rutnätet i stället för i de vanliga måltiderna."),
        QString(),
        QStringLiteral("När du fyller i gramrutan beräknas näringen för valda näringsämnen. Om du"),
        QStringLiteral("högerklickar på ett valt livsmedel får du info om vikter."),
        QString(),
        QStringLiteral(
            "När du väljer ett nytt livsmedel kopieras kolumnerna 2-5 från raden ovanför"),
        QStringLiteral("automatiskt, vilket gör att du endast behöver göra ändringar i dessa när "),
        QStringLiteral("t.ex. en dag, person eller måltid ändras."),
        QString(),
        QStringLiteral("Du sparar och hämtar registreringar under Arkiv i detta fönster, ej i "
                       "huvudföntret."),
        QStringLiteral("Registreringarna sparas i så kallat skv-format för att kunna läsas direkt "
                       "av"),
        QStringLiteral("Excel."),
        QString(),
        QStringLiteral("Bestäm från början vilka näringsämnen du vill räkna med eftersom detta "
                       "inte"),
        QStringLiteral("går att ändra när du väl börjat. Detta är särskilt viktigt att tänka på om "
                       "du "),
        QStringLiteral("hämtar en registrering och fortsätter att mata in uppgifter."),
        QString(),
        QStringLiteral("Om du vill se en sammanställning av vad du matat in klickar du på"),
        QStringLiteral("knappen \"Visa resulat\"."),
    };
    return lines;
}

} // namespace

TFormForskning::TFormForskning(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs), m_project(std::make_unique<SurveyProject>()) {
    setObjectName(QStringLiteral("TFormForskning"));
    setWindowTitle(QStringLiteral("Ravavezezudevozi"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    resize(900, 600);

    // The nutrient columns are fixed by the selection in force at start-up.
    m_project->setNutrients(m_state.selection, m_state.names);

    auto* outer = new QVBoxLayout(this);
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* arkiv = MainMenu1->addMenu(QStringLiteral("Arkiv"));
    arkiv->setObjectName(QStringLiteral("Arkiv1"));
    ny = arkiv->addAction(QStringLiteral("Ny"));
    ny->setObjectName(QStringLiteral("ny"));
    hamta = arkiv->addAction(QStringLiteral("Hämta"));
    hamta->setObjectName(QStringLiteral("hamta"));
    spara = arkiv->addAction(QStringLiteral("Spara"));
    spara->setObjectName(QStringLiteral("spara"));
    Hmtamednyanv1 = arkiv->addAction(QStringLiteral("Hämta med nya nv."));
    Hmtamednyanv1->setObjectName(QStringLiteral("Hmtamednyanv1"));
    Hmtamednyanv1->setVisible(false);
    Hjlp1 = MainMenu1->addAction(QStringLiteral("Hjälp"));
    Hjlp1->setObjectName(QStringLiteral("Hjlp1"));
    outer->setMenuBar(MainMenu1);
    connect(ny, &QAction::triggered, this, &TFormForskning::nyClick);
    connect(hamta, &QAction::triggered, this, &TFormForskning::hamtaClick);
    connect(spara, &QAction::triggered, this, &TFormForskning::sparaClick);
    connect(Hmtamednyanv1, &QAction::triggered, this, &TFormForskning::Hmtamednyanv1Click);
    connect(Hjlp1, &QAction::triggered, this, &TFormForskning::Hjlp1Click);

    auto* top = new QHBoxLayout;
    Memo1 = memo(this, "Memo1",
                 {QStringLiteral("Denna funktion är avsedd för forskning/kostundersökningar. "
                                 "Kontakta oss om du vill veta mer.")});
    Memo2 = memo(this, "Memo2",
                 {QStringLiteral("OBS! Innan du börjar, bestäm vilka näringsämnen som ska med, "
                                 "du kan inte ändra detta senare.")});
    Memo1->setMaximumHeight(56);
    Memo2->setMaximumHeight(56);
    top->addWidget(Memo1);
    top->addWidget(Memo2);
    Button1 = button(this, "Button1", QStringLiteral("Ta bort rad"));
    Button2 = button(this, "Button2", QStringLiteral("Skjut in tom rad"));
    Button3 = button(this, "Button3", QStringLiteral("Visa resultat"));
    top->addWidget(Button1);
    top->addWidget(Button2);
    top->addWidget(Button3);
    outer->addLayout(top);
    connect(Button1, &QPushButton::clicked, this, &TFormForskning::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TFormForskning::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TFormForskning::Button3Click);

    LabelUtelamnade = new QLabel(this);
    LabelUtelamnade->setObjectName(QStringLiteral("LabelUtelamnade"));
    LabelUtelamnade->setWordWrap(true);
    const QList<int>& leftOut = m_project->leftOutNutrients();
    if (!leftOut.isEmpty()) {
        QStringList labels;
        for (int n : leftOut)
            labels << m_state.names.label(n);
        LabelUtelamnade->setText(
            QStringLiteral("Rutnätet rymmer %1 näringsämnen. Dessa %2 valda får inte plats och "
                           "räknas inte med: %3.")
                .arg(SurveyProject::kMaxNutrients)
                .arg(leftOut.size())
                .arg(labels.join(QStringLiteral(", "))));
    }
    LabelUtelamnade->setVisible(!leftOut.isEmpty());
    outer->addWidget(LabelUtelamnade);

    m_model = new SurveyGridModel(*m_project, this);
    Grid1 = new QTableView(this);
    Grid1->setObjectName(QStringLiteral("Grid1"));
    Grid1->setModel(m_model);
    Grid1->setItemDelegate(new SurveyCellDelegate(this, Grid1));
    Grid1->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                           QAbstractItemView::EditKeyPressed);
    Grid1->setSelectionMode(QAbstractItemView::SingleSelection);
    Grid1->horizontalHeader()->setSectionsMovable(true);
    Grid1->horizontalHeader()->setDefaultSectionSize(64);
    Grid1->verticalHeader()->setDefaultSectionSize(20);
    Grid1->verticalHeader()->setFixedWidth(44);
    const int widths[] = {64, 64, 64, 64, 41, 189, 45, 48, 51, 54, 54}; // columns 1 to 11
    for (int c = 0; c < int(std::size(widths)); ++c)
        Grid1->horizontalHeader()->resizeSection(c, widths[c]);
    Grid1->installEventFilter(this);
    Grid1->viewport()->installEventFilter(this);
    outer->addWidget(Grid1, 1);
    connect(Grid1, &QTableView::clicked, this, &TFormForskning::Grid1Click);
    connect(m_model, &SurveyGridModel::cellEdited, this,
            [this] { m_project->SurveyChanged = true; });

    ListBoxVikter = new QListWidget(this);
    ListBoxVikter->setObjectName(QStringLiteral("ListBoxVikter"));
    ListBoxVikter->setToolTip(QStringLiteral("Klicka på önskad enhet"));
    ListBoxVikter->setStyleSheet(QStringLiteral("background-color: #a6caf0;"));
    ListBoxVikter->setFont(QFont(QStringLiteral("Courier New")));
    ListBoxVikter->resize(180, 110);
    ListBoxVikter->hide();

    Memo3 = memo(this, "Memo3", helpLines());
    Memo3->setGeometry(40, 60, 560, 380);
    Memo3->hide();
    Button4 = button(this, "Button4", QStringLiteral("Stäng"));
    Button4->move(40, 445);
    Button4->hide();
    connect(Button4, &QPushButton::clicked, this, &TFormForskning::Button4Click);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &TFormForskning::Timer1Timer);
}

TFormForskning::~TFormForskning() {
    // The grid reads the project until it goes; the project goes before the children.
    delete Grid1;
}

void TFormForskning::addFood(const QString& code) {
    const std::optional<FoodRowBuilder::Found> found = FoodRowBuilder::find(
        {m_state.livtab100, m_state.fabrikant, m_state.egna, m_state.dabas}, code);
    if (!found)
        return; // the main window has said that no table has it
    const SurveyProject::Added added = m_project->addFood(code, found->record);
    if (added.row < 0) {
        m_dialogs.message(this,
                          QStringLiteral("Rutnätet är fullt (%1 rader). Spara projektet och "
                                         "fortsätt i ett nytt.")
                              .arg(SurveyProject::kRows - 1),
                          Dialogs::Icon::Warning);
        return;
    }
    m_model->projectRowChanged(added.row);
    if (!added.hint.isEmpty())
        m_dialogs.message(this, added.hint);
    const QModelIndex gram = m_model->indexOf(added.row, SurveyProject::kGramColumn);
    Grid1->setCurrentIndex(gram);
    Grid1->scrollTo(gram);
    activateWindow();
    Grid1->setFocus();
    recomputeVisibleSummary();
}

bool TFormForskning::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        (watched == Grid1 || watched->objectName() == QLatin1String("Grid1Editor"))) {
        auto* key = static_cast<QKeyEvent*>(event);
        Grid1KeyDown(key->key());
        if (!key->text().isEmpty())
            Grid1KeyPress(key->text());
    } else if (watched == Grid1->viewport() && event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            Grid1MouseDown(mouse->position().toPoint());
            return true;
        }
    }
    return FormBase::eventFilter(watched, event);
}

void TFormForskning::Grid1KeyDown(int key) {
    if (key == Qt::Key_Escape)
        focusSearchBox();
}

void TFormForskning::Grid1KeyPress(const QString& text) {
    m_project->SurveyChanged = true;
    if (text == QLatin1String("\r") || text == QLatin1String("\n")) {
        // After the cell has taken the typed text.
        QTimer::singleShot(0, this, &TFormForskning::focusSearchBox);
        return;
    }
    if (text != QLatin1String("\x1b"))
        Timer1->start();
}

void TFormForskning::focusSearchBox() {
    if (m_windows.updates)
        m_windows.updates->focusSearchBox();
}

void TFormForskning::Timer1Timer() {
    Timer1->stop();
    ListBoxVikter->hide();
    const QModelIndex current = Grid1->currentIndex();
    if (!current.isValid() || SurveyGridModel::projectColumn(current) != SurveyProject::kGramColumn)
        return;
    const int row = SurveyGridModel::projectRow(current);
    m_project->recomputeRow(row, m_state.names);
    m_model->projectRowChanged(row);
    recomputeVisibleSummary();
}

void TFormForskning::Grid1MouseDown(const QPoint& pos) {
    ListBoxVikter->clear();
    const QModelIndex index = Grid1->indexAt(pos);
    if (!index.isValid())
        return;
    const int row = SurveyGridModel::projectRow(index);
    Grid1->selectRow(index.row());
    ListBoxVikter->addItems(m_project->unitLines(row));
    const QPoint at = Grid1->viewport()->mapTo(this, pos) + QPoint(0, 36);
    ListBoxVikter->move(at);
    ListBoxVikter->show();
    ListBoxVikter->raise();
    Grid1->setCurrentIndex(m_model->indexOf(row, SurveyProject::kGramColumn));
}

void TFormForskning::Grid1Click() {
    if (m_windows.updates)
        m_windows.updates->Recalculate();
    ListBoxVikter->hide();
}

int TFormForskning::currentRow() const {
    const QModelIndex current = Grid1->currentIndex();
    return current.isValid() ? SurveyGridModel::projectRow(current) : 0;
}

void TFormForskning::Button1Click() {
    const int row = currentRow();
    if (row < 1)
        return;
    m_project->deleteRow(row);
    m_project->SurveyChanged = true;
    m_model->projectReset();
    Grid1->setCurrentIndex(m_model->indexOf(row, SurveyProject::kGramColumn));
    recomputeVisibleSummary();
}

void TFormForskning::Button2Click() {
    const int row = currentRow();
    if (row < 1)
        return;
    // Moving every row down would push a food off the end of the grid.
    if (m_project->isUsed(SurveyProject::kRows - 1)) {
        m_dialogs.message(this,
                          QStringLiteral("Sista raden i rutnätet är använd: ta bort en rad innan "
                                         "du skjuter in en tom."),
                          Dialogs::Icon::Warning);
        return;
    }
    m_project->insertEmptyRow(row);
    m_project->SurveyChanged = true;
    m_model->projectReset();
    Grid1->setCurrentIndex(m_model->indexOf(row, SurveyProject::kIdColumn));
}

void TFormForskning::Button3Click() {
    TFormForsk2* summary = m_windows.FormForsk2;
    if (!summary)
        return;
    summary->showSummary(*m_project);
    summary->show();
    summary->raise();
}

void TFormForskning::recomputeVisibleSummary() {
    if (m_windows.FormForsk2 && m_windows.FormForsk2->isVisible())
        m_windows.FormForsk2->showSummary(*m_project);
}

void TFormForskning::Hjlp1Click() {
    Memo3->show();
    Memo3->raise();
    Button4->show();
    Button4->raise();
}

void TFormForskning::Button4Click() {
    Memo3->hide();
    Button4->hide();
}

bool TFormForskning::save() {
    QString path = m_dialogs.saveFileName(this, QStringLiteral("Spara projekt"), m_state.InitDir,
                                          SurveyProjectFile::kFilter);
    if (path.isEmpty())
        return false;
    path = RegistrationFile::withExtension(path, QStringLiteral(".skv"));
    QString error;
    const int lines = SurveyProjectFile::write(*m_project, path, &error);
    if (lines < 0) {
        m_dialogs.message(this, error, Dialogs::Icon::Error);
        return false;
    }
    m_project->SurveyChanged = false;
    m_dialogs.message(this, QString::number(lines - 1) + QStringLiteral(" rader sparade."));
    return true;
}

void TFormForskning::sparaClick() {
    save();
}

bool TFormForskning::startOver() {
    if (m_project->SurveyChanged) {
        const Dialogs::Answer answer =
            m_dialogs.question(this, kSaveQuestion, Dialogs::Buttons::YesNoCancel);
        if (answer == Dialogs::Answer::Cancel)
            return false;
        // A save that was cancelled or failed would lose the rows.
        if (answer == Dialogs::Answer::Yes && !save())
            return false;
    }
    m_project->clearRows();
    m_project->SurveyChanged = false;
    m_model->projectReset();
    ListBoxVikter->hide();
    return true;
}

void TFormForskning::nyClick() {
    if (!startOver())
        return;
    setWindowTitle(QStringLiteral("Ravavezezudevozi"));
    recomputeVisibleSummary();
    m_dialogs.message(
        this, QStringLiteral("Bestäm vilka näringsämnen du vill räkna med, du kan inte ändra det "
                             "sedan."));
}

void TFormForskning::hamtaClick() {
    if (!startOver())
        return;
    QString path = m_dialogs.openFileName(this, QStringLiteral("Öppna registrering"),
                                          m_state.InitDir, SurveyProjectFile::kFilter);
    if (path.isEmpty())
        return;
    path = RegistrationFile::withExtension(path, QStringLiteral(".skv"));
    const SurveyProjectFile::ReadResult read = SurveyProjectFile::read(path, *m_project);
    m_model->projectReset();
    recomputeVisibleSummary();
    if (!read.ok) {
        m_dialogs.message(this, read.error, Dialogs::Icon::Warning);
        return;
    }
    setWindowTitle(path);
    m_dialogs.message(this, QStringLiteral("Kolla att du räknar med samma näringsämnen som "
                                           "tidgare, annars blir det fel."));
}

void TFormForskning::Hmtamednyanv1Click() {
    if (!startOver())
        return;
    QString path = m_dialogs.openFileName(this, QStringLiteral("Öppna registrering"),
                                          m_state.InitDir, SurveyProjectFile::kFilter);
    if (path.isEmpty())
        return;
    path = RegistrationFile::withExtension(path, QStringLiteral(".skv"));
    const SurveyProjectFile::ReadResult read =
        SurveyProjectFile::readWithNewSelection(path, *m_project, m_state.livtab100, m_state.names);
    m_model->projectReset();
    if (!read.ok) {
        m_dialogs.message(this, read.error, Dialogs::Icon::Warning);
        return;
    }
    setWindowTitle(path);
    if (m_windows.updates)
        m_windows.updates->Recalculate();
    recomputeVisibleSummary();
}

} // namespace vexamat
