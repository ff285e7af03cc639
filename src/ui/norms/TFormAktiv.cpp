#include "ui/norms/TFormAktiv.h"

#include "core/AppState.h"
#include "core/catalogue/FoodTable.h"
#include "core/catalogue/TableSchema.h"
#include "core/files/ActivityFile.h"
#include "core/registration/Conversions.h"
#include "core/text/NumberText.h"
#include "ui/Dialogs.h"
#include "ui/MainWindowUpdates.h"
#include "ui/Windows.h"
#include "ui/norms/TFormAktskapa.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QButtonGroup>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHorizontalStackedBarSeries>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

namespace vexamat {

namespace {

constexpr int kRows = EnergyExpenditure::kGridRows + 1; // row 0 holds the headings
constexpr int kName = 0;
constexpr int kPerMinute = 1;
constexpr int kMinutes = 2;
constexpr int kRowEnergy = 3;
constexpr int kFactor = 4; // of the hidden grid

QString cell(const QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text() : QString();
}

QString noDecimals(double v) {
    return QString::number(v, 'f', 0);
}

QGroupBox* radioGroup(QWidget* parent, const char* name, const QString& title,
                      const QStringList& items, QButtonGroup*& group) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(QString::fromLatin1(name));
    auto* row = new QHBoxLayout(box);
    group = new QButtonGroup(box);
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items[i], box);
        b->setObjectName(QString::fromLatin1(name) + QStringLiteral("Item%1").arg(i));
        group->addButton(b, i);
        row->addWidget(b);
    }
    group->button(0)->setChecked(true);
    return box;
}

QLineEdit* edit(QWidget* parent, const char* name, const QString& text, bool readOnly) {
    auto* e = new QLineEdit(text, parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setReadOnly(readOnly);
    e->setMaximumWidth(90);
    return e;
}

} // namespace

TFormAktiv::TFormAktiv(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormAktiv"));
    setWindowTitle(QStringLiteral("Dina aktiviteter"));
    resize(1000, 640);

    auto* outer = new QVBoxLayout(this);
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    QMenu* arkiv = MainMenu1->addMenu(QStringLiteral("Arkiv"));
    arkiv->setObjectName(QStringLiteral("Arkiv1"));
    QAction* open = arkiv->addAction(QStringLiteral("Hämta aktivitetslista"));
    open->setObjectName(QStringLiteral("Hmtaaktivitetslista1"));
    connect(open, &QAction::triggered, this, &TFormAktiv::Hmtaaktivitetslista1Click);
    QAction* save = arkiv->addAction(QStringLiteral("Spara aktivitetslista"));
    save->setObjectName(QStringLiteral("Sparaaktivitetslista1"));
    connect(save, &QAction::triggered, this, &TFormAktiv::Sparaaktivitetslista1Click);
    QAction* table = MainMenu1->addAction(QStringLiteral("Aktivitetstabell"));
    table->setObjectName(QStringLiteral("Aktivitetstabell1"));
    connect(table, &QAction::triggered, this, &TFormAktiv::Aktivitetstabell1Click);
    outer->setMenuBar(MainMenu1);

    auto* top = new QHBoxLayout;
    outer->addLayout(top, 1);

    // Person and figures.
    auto* boxes = new QGridLayout;
    top->addLayout(boxes);
    EditAge = edit(this, "EditAge", QStringLiteral("15"), false);
    Editkg = edit(this, "Editkg", QStringLiteral("55"), false);
    EditBMR = edit(this, "EditBMR", QStringLiteral("1356"), true);
    EditTot = edit(this, "EditTot", QStringLiteral("0"), true);
    EditTot->setStyleSheet(QStringLiteral("background-color: lime;"));
    EditMinKvar = edit(this, "EditMinKvar", QStringLiteral("1440"), true);
    Label1 = new QLabel(QStringLiteral("Grundförbrukn. kcal"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    RadioGroupSex =
        radioGroup(this, "RadioGroupSex", QString(),
                   {QStringLiteral("Kvinna"), QStringLiteral("Man")}, RadioGroupSexItems);
    RadioGroupKcal =
        radioGroup(this, "RadioGroupKcal", QString(),
                   {QStringLiteral("kcal"), QStringLiteral("kJ")}, RadioGroupKcalItems);
    int r = 0;
    boxes->addWidget(new QLabel(QStringLiteral("Ålder"), this), r, 0);
    boxes->addWidget(EditAge, r++, 1);
    boxes->addWidget(new QLabel(QStringLiteral("vikt"), this), r, 0);
    boxes->addWidget(Editkg, r++, 1);
    boxes->addWidget(RadioGroupSex, r++, 0, 1, 2);
    boxes->addWidget(RadioGroupKcal, r++, 0, 1, 2);
    boxes->addWidget(Label1, r, 0);
    boxes->addWidget(EditBMR, r++, 1);
    boxes->addWidget(Label3, r, 0);
    boxes->addWidget(EditTot, r++, 1);
    boxes->addWidget(new QLabel(QStringLiteral("Minuter kvar av dygnet"), this), r, 0);
    boxes->addWidget(EditMinKvar, r++, 1);
    boxes->setRowStretch(r, 1);

    // The activities to choose from.
    auto* lists = new QVBoxLayout;
    top->addLayout(lists, 1);
    Cboxgrupp = new QComboBox(this);
    Cboxgrupp->setObjectName(QStringLiteral("Cboxgrupp"));
    lists->addWidget(Cboxgrupp);
    ListBoxAktiv = new QListWidget(this);
    ListBoxAktiv->setObjectName(QStringLiteral("ListBoxAktiv"));
    lists->addWidget(ListBoxAktiv, 1);
    ListBoxAktivH = new QListWidget(this);
    ListBoxAktivH->setObjectName(QStringLiteral("ListBoxAktivH"));
    ListBoxAktivH->hide();
    ButtonOK = new QPushButton(QStringLiteral("OK"), this);
    ButtonOK->setObjectName(QStringLiteral("ButtonOK"));
    lists->addWidget(ButtonOK);

    // The day's activities.
    auto* grids = new QVBoxLayout;
    top->addLayout(grids, 2);
    StringGridAktiv = makeGrid("StringGridAktiv",
                               {QStringLiteral("Aktivitet"), QStringLiteral("+kcal/min"),
                                QStringLiteral("Minuter"), QStringLiteral("+kcal")},
                               4);
    StringGridAktivKj = makeGrid("StringGridAktivKj",
                                 {QStringLiteral("Aktivitet"), QStringLiteral("+kJ/min"),
                                  QStringLiteral("Minuter"), QStringLiteral("+kJ")},
                                 4);
    StringGridAktivKj->hide();
    StringGridAktivH = makeGrid("StringGridAktivH", {}, 5);
    StringGridAktivH->hide();
    grids->addWidget(StringGridAktiv, 1);
    grids->addWidget(StringGridAktivKj, 1);
    auto* buttons = new QHBoxLayout;
    ButtonOka = new QPushButton(QStringLiteral("Öka"), this);
    ButtonOka->setObjectName(QStringLiteral("ButtonOka"));
    ButtonMinska = new QPushButton(QStringLiteral("Minska"), this);
    ButtonMinska->setObjectName(QStringLiteral("ButtonMinska"));
    ButtonTabort = new QPushButton(QStringLiteral("Tabort rad"), this);
    ButtonTabort->setObjectName(QStringLiteral("ButtonTabort"));
    buttons->addWidget(ButtonOka);
    buttons->addWidget(ButtonMinska);
    buttons->addWidget(ButtonTabort);
    buttons->addStretch(1);
    grids->addLayout(buttons);

    auto* bottom = new QHBoxLayout;
    outer->addLayout(bottom, 1);
    m_chart = new QChart;
    m_chart->setTitle(QStringLiteral("Dagens Intag och förbrukning av energi"));
    ChartAktiv = new QChartView(m_chart, this);
    ChartAktiv->setObjectName(QStringLiteral("ChartAktiv"));
    bottom->addWidget(ChartAktiv, 2);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setPlainText(QStringLiteral(
        "Fyll i ålder, vikt och kön. Välj sedan dagens aktiviteter i listan (dubbelklicka "
        "eller klicka på OK) och ange hur många minuter du ägnat dig åt var och en.\n"
        "Ett dygn har 1440 minuter. Tid som inte täcks av någon aktivitet räknas som vila "
        "och ingår i grundförbrukningen.\n"
        "Med Öka och Minska ändrar du tiden för den markerade raden i steg om 10 minuter."));
    bottom->addWidget(Memo1, 1);

    connect(EditAge, &QLineEdit::textEdited, this, [this] {
        numberBoxEdited(EditAge, m_goodAge, QStringLiteral("Skriv ålder som ett tal."), false);
    });
    connect(Editkg, &QLineEdit::textEdited, this, [this] {
        numberBoxEdited(Editkg, m_goodWeight,
                        QStringLiteral("Skriv vikten som ett tal större än 0."), true);
    });
    connect(RadioGroupSexItems, &QButtonGroup::idClicked, this, [this] { ComputeActivityNorm(); });
    connect(RadioGroupKcalItems, &QButtonGroup::idClicked, this, [this] { ComputeActivityNorm(); });
    connect(Cboxgrupp, &QComboBox::currentIndexChanged, this, &TFormAktiv::CboxgruppClick);
    connect(ListBoxAktiv, &QListWidget::itemDoubleClicked, this, &TFormAktiv::addActivity);
    connect(ButtonOK, &QPushButton::clicked, this, &TFormAktiv::addActivity);
    connect(ButtonOka, &QPushButton::clicked, this, &TFormAktiv::ButtonOkaClick);
    connect(ButtonMinska, &QPushButton::clicked, this, &TFormAktiv::ButtonMinskaClick);
    connect(ButtonTabort, &QPushButton::clicked, this, &TFormAktiv::ButtonTabortClick);
    for (QTableWidget* grid : {StringGridAktiv, StringGridAktivKj})
        connect(grid, &QTableWidget::itemChanged, this,
                [this, grid](QTableWidgetItem* item) { gridCellChanged(grid, item); });

    FormCreate();
}

QTableWidget* TFormAktiv::makeGrid(const char* name, const QStringList& headings, int columns) {
    auto* grid = new QTableWidget(kRows, columns, this);
    grid->setObjectName(QString::fromLatin1(name));
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed);
    grid->setColumnWidth(kName, 220);
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < columns; ++c) {
            auto* item = new QTableWidgetItem(r == 0 ? headings.value(c) : QString());
            if (r == 0)
                item->setFlags(Qt::ItemIsEnabled);
            grid->setItem(r, c, item);
        }
    }
    return grid;
}

void TFormAktiv::FormCreate() {
    Label3->setText(QStringLiteral("Aktivitet, kcal"));
    const QList<Activity> rows =
        m_windows.FormAktskapa ? m_windows.FormAktskapa->activities() : QList<Activity>();
    Cboxgrupp->blockSignals(true);
    Cboxgrupp->addItem(ActivityTable::kAllGroups);
    Cboxgrupp->addItems(ActivityTable::groups(rows));
    Cboxgrupp->setCurrentIndex(0);
    Cboxgrupp->blockSignals(false);
    CboxgruppClick();
}

void TFormAktiv::CboxgruppClick() {
    const QList<Activity> rows =
        m_windows.FormAktskapa ? m_windows.FormAktskapa->activities() : QList<Activity>();
    m_listed = ActivityTable::inGroup(rows, Cboxgrupp->currentText());
    std::stable_sort(m_listed.begin(), m_listed.end(), [](const Activity& a, const Activity& b) {
        return QString::localeAwareCompare(a.name, b.name) < 0;
    });
    ListBoxAktiv->clear();
    ListBoxAktivH->clear();
    for (const Activity& a : std::as_const(m_listed)) {
        ListBoxAktiv->addItem(ActivityTable::shownName(a));
        ListBoxAktivH->addItem(a.name + QLatin1Char('!') + a.factor);
    }
}

bool TFormAktiv::kjMode() const {
    return RadioGroupKcalItems->checkedId() == 1;
}

QTableWidget* TFormAktiv::visibleGrid() const {
    return kjMode() ? StringGridAktivKj : StringGridAktiv;
}

int TFormAktiv::currentRow() const {
    return visibleGrid()->currentRow();
}

QString TFormAktiv::hidden(int row, int column) const {
    return cell(StringGridAktivH, row, column);
}

void TFormAktiv::setCell(int row, int column, const QString& text) {
    m_filling = true;
    for (QTableWidget* grid : {StringGridAktiv, StringGridAktivH})
        grid->item(row, column)->setText(text);
    m_filling = false;
}

ActivityInputs TFormAktiv::inputs() const {
    ActivityInputs in;
    // The last good texts: a box being typed into never gives a norm from half a number.
    in.age = m_goodAge;
    in.weight = m_goodWeight;
    in.sex = RadioGroupSexItems->checkedId() == 1 ? 1 : 0;
    for (int r = 1; r < kRows; ++r)
        in.rows << ActivityRow{hidden(r, kName), hidden(r, kMinutes), hidden(r, kFactor)};
    return in;
}

void TFormAktiv::setInputs(const ActivityInputs& in) {
    EditAge->setText(in.age);
    Editkg->setText(in.weight);
    m_goodAge = in.age;
    m_goodWeight = in.weight;
    RadioGroupSexItems->button(in.sex == 1 ? 1 : 0)->setChecked(true);
    m_filling = true;
    for (int r = 1; r < kRows; ++r) {
        const ActivityRow row = in.rows.value(r - 1);
        for (QTableWidget* grid : {StringGridAktiv, StringGridAktivKj, StringGridAktivH}) {
            for (int c = 0; c < grid->columnCount(); ++c)
                grid->item(r, c)->setText(QString());
            grid->item(r, kName)->setText(row.name);
            grid->item(r, kMinutes)->setText(row.minutes);
        }
        StringGridAktivH->item(r, kFactor)->setText(row.factor);
    }
    m_filling = false;
}

void TFormAktiv::numberBoxEdited(QLineEdit* box, QString& lastGood, const QString& message,
                                 bool mustBePositive) {
    const NumberText::Parsed parsed = NumberText::parsePlain(box->text());
    if (parsed.kind == NumberText::Kind::Empty)
        return; // still typing: the last good value counts until a number is there
    if (parsed.kind == NumberText::Kind::Invalid || (mustBePositive && parsed.value <= 0)) {
        m_dialogs.message(this, message, Dialogs::Icon::Warning);
        box->setText(lastGood);
        return;
    }
    lastGood = box->text().trimmed();
    ComputeActivityNorm();
}

void TFormAktiv::gridCellChanged(QTableWidget* grid, QTableWidgetItem* item) {
    if (m_filling || item->row() == 0)
        return;
    const int row = item->row();
    const int column = item->column();
    if (column != kMinutes) {
        m_dialogs.message(this, QStringLiteral("Du kan inte ändra i denna kolumn"),
                          Dialogs::Icon::Warning);
        m_filling = true;
        // The kJ grid shows its own figures; they come back with the next recomputation.
        item->setText(grid == StringGridAktiv ? hidden(row, column) : QString());
        m_filling = false;
        if (grid == StringGridAktivKj)
            ComputeActivityNorm();
        return;
    }
    if (hidden(row, kName).isEmpty()) {
        m_filling = true;
        item->setText(QString());
        m_filling = false;
        return;
    }
    const NumberText::Parsed parsed = NumberText::parsePlain(item->text());
    if (parsed.kind != NumberText::Kind::Number || parsed.value < 0) {
        m_dialogs.message(this, QStringLiteral("Skriv minuterna som ett tal, 0 eller mer."),
                          Dialogs::Icon::Warning);
        m_filling = true;
        item->setText(hidden(row, kMinutes));
        m_filling = false;
        return;
    }
    setCell(row, kMinutes, item->text().trimmed());
    ComputeActivityNorm();
}

void TFormAktiv::addActivity() {
    const int index = ListBoxAktiv->currentRow();
    if (index < 0 || index >= m_listed.size() || !ListBoxAktiv->currentItem()->isSelected())
        return;
    int row = 1;
    while (row < kRows && !hidden(row, kName).isEmpty())
        ++row;
    if (row == kRows) {
        m_dialogs.message(this,
                          QStringLiteral("Alla %1 rader är använda. Ta bort en rad först.")
                              .arg(EnergyExpenditure::kGridRows),
                          Dialogs::Icon::Warning);
        return;
    }
    const Activity& a = m_listed[index];
    const ActivityResult before = EnergyExpenditure::compute(inputs(), m_bmr);
    setCell(row, kName, ActivityTable::shownName(a));
    setCell(row, kPerMinute,
            FormatComma(
                (TextToReal(a.factor) - 1.0f) * before.bmr / EnergyExpenditure::kMinutesPerDay, 2));
    m_filling = true;
    StringGridAktivH->item(row, kFactor)->setText(a.factor);
    m_filling = false;
    setCell(row, kMinutes, QStringLiteral("30"));
    ComputeActivityNorm();
    for (QTableWidget* grid : {StringGridAktiv, StringGridAktivKj, StringGridAktivH})
        grid->setCurrentCell(row, kName);
}

void TFormAktiv::ButtonOkaClick() {
    const int row = currentRow();
    if (row < 1 || cell(StringGridAktiv, row, kPerMinute).isEmpty())
        return;
    setCell(row, kMinutes, noDecimals(TextToReal(hidden(row, kMinutes)) + 10.0f));
    ComputeActivityNorm();
}

void TFormAktiv::ButtonMinskaClick() {
    const int row = currentRow();
    if (row < 1 || cell(StringGridAktiv, row, kPerMinute).isEmpty())
        return;
    const float minutes = TextToReal(hidden(row, kMinutes));
    if (minutes >= 1.5f) {
        setCell(row, kMinutes, noDecimals(minutes - (minutes >= 15.0f ? 10.0f : 1.0f)));
        ComputeActivityNorm();
        return;
    }
    if (m_dialogs.question(this, QStringLiteral("Vill du ta bort denna rad?")) ==
        Dialogs::Answer::Yes)
        removeRow(row);
}

void TFormAktiv::ButtonTabortClick() {
    const int row = currentRow();
    if (row >= 1)
        removeRow(row);
}

void TFormAktiv::removeRow(int row) {
    m_filling = true;
    for (QTableWidget* grid : {StringGridAktiv, StringGridAktivKj, StringGridAktivH}) {
        for (int r = row; r < kRows; ++r) {
            for (int c = 0; c < grid->columnCount(); ++c)
                grid->item(r, c)->setText(r + 1 < kRows ? cell(grid, r + 1, c) : QString());
        }
    }
    m_filling = false;
    ComputeActivityNorm();
}

void TFormAktiv::ComputeActivityNorm(bool activate) {
    const ActivityInputs in = inputs();
    m_result = EnergyExpenditure::compute(in, m_bmr);
    m_bmr = m_result.bmr;
    m_computed = true;
    const bool kj = kjMode();
    const float unit = kj ? EnergyExpenditure::kKjPerKcal : 1.0f;

    m_filling = true;
    EditBMR->setText(noDecimals(m_result.bmr * unit));
    for (int r = 1; r < kRows; ++r) {
        const QString perMinute = m_result.kcalPerMinute.value(r - 1);
        for (QTableWidget* grid : {StringGridAktiv, StringGridAktivH})
            grid->item(r, kPerMinute)->setText(perMinute);
        StringGridAktiv->item(r, kMinutes)->setText(hidden(r, kMinutes));
        StringGridAktiv->item(r, kRowEnergy)
            ->setText(perMinute.isEmpty() ? QString() : noDecimals(m_result.rowKcal.value(r - 1)));
        // The kJ copy: name and minutes as they are, the energy in kJ.
        StringGridAktivKj->item(r, kName)->setText(hidden(r, kName));
        StringGridAktivKj->item(r, kMinutes)->setText(hidden(r, kMinutes));
        StringGridAktivKj->item(r, kPerMinute)
            ->setText(perMinute.isEmpty()
                          ? QString()
                          : noDecimals(TextToReal(perMinute) * EnergyExpenditure::kKjPerKcal));
        StringGridAktivKj->item(r, kRowEnergy)
            ->setText(perMinute.isEmpty() ? QString()
                                          : noDecimals(m_result.rowKcal.value(r - 1) *
                                                       EnergyExpenditure::kKjPerKcal));
    }
    m_filling = false;
    EditTot->setText(noDecimals(m_result.total * unit));
    EditMinKvar->setText(noDecimals(m_result.minutesLeft));
    StringGridAktivH->setCurrentCell(std::max(0, StringGridAktiv->currentRow()), kName);

    FoodTable normer(m_state.database, TableSchema::Normer);
    QString error;
    normer.open(&error); // without the table the energy items still follow the expenditure
    EnergyExpenditure::activate(m_state.norm, in, m_result, normer);
    if (activate) {
        m_state.NormChanged = true;
        m_state.RegistrationTitle = QStringLiteral("Norm: ") + m_state.norm.NormLabel;
        if (m_windows.updates)
            m_windows.updates->Recalculate();
    }
    ShowActivityChart(m_state);

    StringGridAktivKj->setVisible(kj);
    StringGridAktiv->setVisible(!kj);
    Label1->setText(kj ? QStringLiteral("Grundförbrukn. kJ")
                       : QStringLiteral("Grundförbrukn. kcal"));
    Label3->setText(kj ? QStringLiteral("Aktivitet kJ") : QStringLiteral("Aktivitet kcal"));
}

void TFormAktiv::ShowActivityChart(const AppState& state) {
    if (!m_computed)
        return;
    const ActivityChartBars bars = EnergyExpenditure::chartBars(
        m_result, state.results->DaySum[std::size_t(state.CurrentDay)], kjMode());
    m_chart->removeAllSeries();
    for (QAbstractAxis* axis : m_chart->axes())
        m_chart->removeAxis(axis);
    // Intake and rest as one series, each bar its own colour; the activities stacked on
    // the rest.
    auto* series1 = new QHorizontalStackedBarSeries;
    auto* intake = new QBarSet(QStringLiteral("Intag"));
    intake->setColor(Qt::red);
    *intake << bars.intake << 0;
    auto* rest = new QBarSet(QStringLiteral("Vila"));
    rest->setColor(Qt::darkGreen);
    *rest << 0 << bars.rest;
    auto* activity = new QBarSet(QStringLiteral("Aktivitet"));
    activity->setColor(QColor(0, 255, 0));
    *activity << 0 << bars.activity;
    series1->append(intake);
    series1->append(rest);
    series1->append(activity);
    m_chart->addSeries(series1);
    auto* categories = new QBarCategoryAxis;
    categories->append({QStringLiteral("Intag"), QStringLiteral("Förbrukn.")});
    m_chart->addAxis(categories, Qt::AlignLeft);
    series1->attachAxis(categories);
    auto* values = new QValueAxis;
    values->setMin(0);
    m_chart->addAxis(values, Qt::AlignBottom);
    series1->attachAxis(values);
    m_chart->setTitle(bars.title);
}

void TFormAktiv::refresh(const AppState& state) {
    if (!isVisible())
        return;
    ShowActivityChart(state);
}

void TFormAktiv::showEvent(QShowEvent* event) {
    FormBase::showEvent(event);
    ShowActivityChart(m_state);
}

void TFormAktiv::Sparaaktivitetslista1Click() {
    QString path = m_dialogs.saveFileName(this, QStringLiteral("Spara aktivitetslista"),
                                          m_state.InitDir, QStringLiteral("aktivitet (*.akt)"));
    if (path.isEmpty())
        return;
    if (!path.endsWith(ActivityFile::kExtension, Qt::CaseInsensitive))
        path += ActivityFile::kExtension;
    QString error;
    if (!ActivityFile::write(path, inputs(), &error))
        m_dialogs.message(this, error, Dialogs::Icon::Error);
}

void TFormAktiv::Hmtaaktivitetslista1Click() {
    const QString path =
        m_dialogs.openFileName(this, QStringLiteral("Hämta aktivitetslista"), m_state.InitDir,
                               QStringLiteral("Aktiviteter (*.akt)"));
    if (path.isEmpty())
        return;
    ActivityInputs read;
    QString error;
    if (!ActivityFile::read(path, &read, &error)) {
        m_dialogs.message(this, error, Dialogs::Icon::Error);
        return;
    }
    setInputs(read);
    ComputeActivityNorm();
}

void TFormAktiv::Aktivitetstabell1Click() {
    if (!m_windows.FormAktskapa)
        return;
    m_windows.FormAktskapa->show();
    m_windows.FormAktskapa->raise();
}

RegistrationDocument::SideFileHandler TFormAktiv::sideFileHandler() {
    RegistrationDocument::SideFileHandler handler;
    handler.write = [this](const QString& path, QString* error) {
        return ActivityFile::write(path, inputs(), error);
    };
    handler.read = [this](const QString& path, QString* error) {
        ActivityInputs read;
        if (!ActivityFile::read(path, &read, error))
            return false; // the norm of the norm file stays
        setInputs(read);
        // Opening recalculates once it has read the registration.
        ComputeActivityNorm(false);
        return true;
    };
    return handler;
}

} // namespace vexamat
