#include "ui/norms/TFormKgKroppsvikt.h"

#include "core/AppState.h"
#include "core/catalogue/FoodTable.h"
#include "core/catalogue/TableSchema.h"
#include "core/norms/EnergyExpenditure.h"
#include "core/registration/Conversions.h"
#include "core/text/NumberText.h"
#include "ui/Dialogs.h"
#include "ui/MainWindowUpdates.h"
#include "ui/Windows.h"
#include "ui/norms/AdminPasswordPrompt.h"
#include "ui/norms/TFormInst.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>


namespace vexamat {

namespace {

constexpr int kFirst = TableSchema::kFirstNutrientPosition;
constexpr int kNamePosition = 1;
const QString kKorpram = QStringLiteral("KORPRAM");

QPlainTextEdit* memo(QWidget* parent, const char* name, const QString& text) {
    auto* m = new QPlainTextEdit(text, parent);
    m->setObjectName(QString::fromLatin1(name));
    m->setReadOnly(true);
    m->setMaximumHeight(70);
    return m;
}

QTableWidget* inputGrid(QWidget* parent, const char* name, const QString& title,
                        const QString& value) {
    auto* g = new QTableWidget(1, 2, parent);
    g->setObjectName(QString::fromLatin1(name));
    g->horizontalHeader()->hide();
    g->verticalHeader()->hide();
    auto* t = new QTableWidgetItem(title);
    t->setFlags(Qt::ItemIsEnabled);
    g->setItem(0, 0, t);
    g->setItem(0, 1, new QTableWidgetItem(value));
    g->setColumnWidth(0, 110);
    g->setColumnWidth(1, 60);
    g->setMaximumHeight(g->rowHeight(0) + 6);
    g->setMaximumWidth(180);
    return g;
}

} // namespace

TFormKgKroppsvikt::TFormKgKroppsvikt(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormKgKroppsvikt"));
    setWindowTitle(QStringLiteral("Normer per kg kroppsvikt"));
    resize(1000, 600);

    auto* layout = new QVBoxLayout(this);
    Label1 = new QLabel(QStringLiteral("Motsvarande dagsintag."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    layout->addWidget(Label1);
    StringGrid2 = new QTableWidget(2, kNutrientCount, this);
    StringGrid2->setObjectName(QStringLiteral("StringGrid2"));
    StringGrid2->horizontalHeader()->hide();
    StringGrid2->verticalHeader()->hide();
    StringGrid2->setMaximumHeight(StringGrid2->rowHeight(0) * 2 + 24);
    for (int c = 0; c < kNutrientCount; ++c) {
        const int no = nutrientNoOfSlot(c);
        auto* title = new QTableWidgetItem(m_state.names.label(no) + QLatin1Char(' ') +
                                           m_state.names.NutrientUnit[std::size_t(no)]);
        title->setFlags(Qt::ItemIsEnabled);
        StringGrid2->setItem(0, c, title);
        StringGrid2->setItem(1, c, new QTableWidgetItem);
        const bool waterOrAsh = no == nutrient::Water || no == nutrient::Ash;
        StringGrid2->setColumnWidth(c, waterOrAsh ? 2 : 71);
    }
    layout->addWidget(StringGrid2);

    auto* inputs = new QHBoxLayout;
    layout->addLayout(inputs);
    StringGridkg = inputGrid(this, "StringGridkg", QStringLiteral("Kroppsvikt, kg"), m_goodWeight);
    StringGridalder = inputGrid(this, "StringGridalder", QStringLiteral("Ålder"), m_goodAge);
    RadioGroup1 = new QGroupBox(this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    auto* radios = new QHBoxLayout(RadioGroup1);
    RadioGroup1Items = new QButtonGroup(this);
    const QStringList sexes{QStringLiteral("Kvinna"), QStringLiteral("Man")};
    for (int i = 0; i < sexes.size(); ++i) {
        auto* b = new QRadioButton(sexes[i], RadioGroup1);
        b->setObjectName(QStringLiteral("RadioGroup1Item%1").arg(i));
        RadioGroup1Items->addButton(b, i);
        radios->addWidget(b);
    }
    RadioGroup1Items->button(0)->setChecked(true);
    ButtonAktivera = new QPushButton(QStringLiteral("Aktivera vald norm."), this);
    ButtonAktivera->setObjectName(QStringLiteral("ButtonAktivera"));
    inputs->addWidget(StringGridkg);
    inputs->addWidget(StringGridalder);
    inputs->addWidget(RadioGroup1);
    inputs->addWidget(ButtonAktivera);
    inputs->addStretch(1);

    DataSourceKg = new QSqlTableModel(this, m_state.database.db());
    DataSourceKg->setObjectName(QStringLiteral("DataSourceKg"));
    DataSourceKg->setTable(TableSchema::NormKroppsvikt);
    DataSourceKg->setEditStrategy(QSqlTableModel::OnRowChange);
    DataSourceKg->setSort(0, Qt::AscendingOrder);
    DataSourceKg->select();
    DBISAMDBGridKgKroppsvikt = new QTableView(this);
    DBISAMDBGridKgKroppsvikt->setObjectName(QStringLiteral("DBISAMDBGridKgKroppsvikt"));
    DBISAMDBGridKgKroppsvikt->setModel(DataSourceKg);
    DBISAMDBGridKgKroppsvikt->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBISAMDBGridKgKroppsvikt->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBISAMDBGridKgKroppsvikt->setSelectionMode(QAbstractItemView::SingleSelection);
    layout->addWidget(DBISAMDBGridKgKroppsvikt, 1);
    setupColumns();
    if (DataSourceKg->rowCount() > 0)
        DBISAMDBGridKgKroppsvikt->selectRow(0);

    Memo1 = memo(this, "Memo1",
                 QStringLiteral("Dubbelklicka på den norm du vill använda. Fyll i vikt, ålder och "
                                "kön. Normen för dagen visas då i den övre tabellen. Aktivera "
                                "den med knappen \"Aktivera vald norm.\"."));
    Memo2 = memo(this, "Memo2",
                 QStringLiteral("Använd en ledig post. Fyll i namn, protein, fett, kolhydrater och "
                                "de andra näringsämnena per kg kroppsvikt. Tomma fält får "
                                "rekommenderat intag från standardnormerna. kJ och kcal räknas "
                                "ut, skriv inte in dem. Lämna cellen för att spara en ändring."));
    Memo2->hide();
    Memo3 = memo(this, "Memo3",
                 QStringLiteral("Om uppgift saknas för ett näringsämne används RDI från "
                                "standardnormerna, NNR."));
    Memo4 = memo(this, "Memo4", QStringLiteral("Funktionen är under utveckling."));
    Button1 = new QPushButton(QStringLiteral("Klicka här för att ändra/skapa en norm."), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    auto* notes = new QHBoxLayout;
    notes->addWidget(Memo1, 2);
    notes->addWidget(Memo2, 2);
    notes->addWidget(Memo3, 1);
    notes->addWidget(Memo4, 1);
    notes->addWidget(Button1);
    layout->addLayout(notes);

    connect(DBISAMDBGridKgKroppsvikt, &QTableView::clicked, this,
            &TFormKgKroppsvikt::ComputeKgEnergy);
    connect(DBISAMDBGridKgKroppsvikt, &QTableView::doubleClicked, this,
            &TFormKgKroppsvikt::ChooseKgNorm);
    connect(StringGridkg, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        inputEdited(item, m_goodWeight, QStringLiteral("Skriv vikten som ett heltal."), false);
    });
    connect(StringGridalder, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        inputEdited(item, m_goodAge, QStringLiteral("Skriv ålder som ett heltal."), true);
    });
    connect(StringGrid2, &QTableWidget::itemChanged, this, &TFormKgKroppsvikt::dayNormEdited);
    connect(RadioGroup1Items, &QButtonGroup::idClicked, this, &TFormKgKroppsvikt::ChooseKgNorm);
    connect(ButtonAktivera, &QPushButton::clicked, this, &TFormKgKroppsvikt::ButtonAktiveraClick);
    connect(Button1, &QPushButton::clicked, this, &TFormKgKroppsvikt::Button1Click);
}

void TFormKgKroppsvikt::setupColumns() {
    const int columns = DataSourceKg->columnCount();
    for (int c = 0; c < columns; ++c) {
        const bool shown =
            c == 0 || c == kNamePosition || (c >= kFirst && c != kFirst + 2 && c != kFirst + 3);
        DBISAMDBGridKgKroppsvikt->setColumnHidden(c, !shown);
        if (c >= kFirst + 7)
            DataSourceKg->setHeaderData(c, Qt::Horizontal, m_state.names.label(c + 1));
    }
    const QList<QPair<int, QString>> titles{{kFirst, QStringLiteral("kJ")},
                                            {kFirst + 1, QStringLiteral("kcal")},
                                            {kFirst + 4, QStringLiteral("Prot g")},
                                            {kFirst + 5, QStringLiteral("Fett g")},
                                            {kFirst + 6, QStringLiteral("Kolh g")}};
    for (const auto& [column, title] : titles)
        DataSourceKg->setHeaderData(column, Qt::Horizontal, title);
    DBISAMDBGridKgKroppsvikt->setColumnWidth(kNamePosition, 220);
}

NormRow TFormKgKroppsvikt::currentPerKg() const {
    NormRow row;
    const QModelIndex current = DBISAMDBGridKgKroppsvikt->currentIndex();
    if (!current.isValid())
        return row;
    const QSqlRecord record = DataSourceKg->record(current.row());
    row.Nr = record.value(0).toInt();
    row.Norm = record.value(kNamePosition).toString();
    for (int n = 0; n < kNutrientCount && kFirst + n < record.count(); ++n)
        row.values[n] = record.value(kFirst + n).toFloat(); // empty reads as 0
    return row;
}

void TFormKgKroppsvikt::ComputeKgEnergy() {
    const QModelIndex current = DBISAMDBGridKgKroppsvikt->currentIndex();
    const int nr = current.isValid() ? DataSourceKg->record(current.row()).value(0).toInt() : -1;
    const int column = current.isValid() ? current.column() : 0;
    DataSourceKg->submitAll();
    QString error;
    bool changed = false;
    if (!KgNorm::ComputeKgEnergy(m_state.database, &changed, &error)) {
        m_dialogs.message(this, error, Dialogs::Icon::Error);
        return;
    }
    // Reading the table anew would end a double-click that is under way.
    if (!changed)
        return;
    DataSourceKg->select();
    // Back to the record that was current, found again by its number.
    for (int r = 0; r < DataSourceKg->rowCount(); ++r) {
        if (DataSourceKg->record(r).value(0).toInt() == nr) {
            DBISAMDBGridKgKroppsvikt->setCurrentIndex(DataSourceKg->index(r, column));
            break;
        }
    }
}

void TFormKgKroppsvikt::ChooseKgNorm() {
    ComputeKgEnergy();
    computeDayNorm();
    const NormRow row = currentPerKg();
    m_chosenName = row.Norm;
    ButtonAktivera->setText(QStringLiteral("Aktivera norm: ") + row.Norm);
}

void TFormKgKroppsvikt::computeDayNorm() {
    // Both cells hold the last good numbers; an empty one leaves the day norm as it is.
    if (m_goodAge.isEmpty() || m_goodWeight.isEmpty())
        return;
    const bool man = RadioGroup1Items->checkedId() == 1;
    FoodTable normer(m_state.database, TableSchema::Normer);
    QString error;
    normer.open(&error);
    const int age = EnergyExpenditure::roundedAge(m_goodAge);
    const NutrientValues day =
        KgNorm::dayNorm(currentPerKg(), TextToReal(m_goodWeight),
                        KgNorm::standardRow(normer, age, man), m_state.norm.StandardNeed);
    m_filling = true;
    for (int c = 0; c < kNutrientCount; ++c) {
        const QString text =
            FormatComma(double(day[c]), m_state.names.decimals(nutrientNoOfSlot(c)));
        StringGrid2->item(1, c)->setText(text);
        StringGrid2->item(1, c)->setData(Qt::UserRole, text);
    }
    m_filling = false;
}

void TFormKgKroppsvikt::inputEdited(QTableWidgetItem* item, QString& lastGood,
                                    const QString& message, bool zeroAllowed) {
    if (m_filling || item->column() != 1)
        return;
    const NumberText::Parsed parsed = NumberText::parsePlain(item->text());
    if (parsed.kind == NumberText::Kind::Empty) {
        lastGood.clear();
        return;
    }
    if (parsed.kind == NumberText::Kind::Invalid || parsed.value < 0 ||
        (parsed.value == 0 && !zeroAllowed)) {
        m_dialogs.message(this, message, Dialogs::Icon::Warning);
        m_filling = true;
        item->setText(lastGood);
        m_filling = false;
        return;
    }
    lastGood = item->text().trimmed();
    ChooseKgNorm();
}

void TFormKgKroppsvikt::dayNormEdited(QTableWidgetItem* item) {
    if (m_filling || item->row() != 1)
        return;
    if (NumberText::parsePlain(item->text()).kind == NumberText::Kind::Number) {
        item->setData(Qt::UserRole, item->text());
        return;
    }
    m_dialogs.message(this, QStringLiteral("Skriv värdet som ett tal."), Dialogs::Icon::Warning);
    m_filling = true;
    item->setText(item->data(Qt::UserRole).toString());
    m_filling = false;
}

void TFormKgKroppsvikt::ButtonAktiveraClick() {
    NutrientValues day{};
    for (int c = 0; c < kNutrientCount; ++c) {
        const QString text = StringGrid2->item(1, c)->text();
        if (NumberText::parse(text).kind != NumberText::Kind::Number) {
            m_dialogs.message(this,
                              QStringLiteral("Välj först en norm genom att dubbelklicka på den "
                                             "och fyll i vikt och ålder."),
                              Dialogs::Icon::Warning);
            return;
        }
        day[c] = TextToReal(text);
    }
    KgNorm::activate(m_state.norm, day, m_chosenName);
    m_state.NormChanged = true;
    m_state.RegistrationTitle = m_state.norm.NormLabel;
    setWindowTitle(m_state.norm.NormLabel);
    if (m_windows.FormInst)
        m_windows.FormInst->showNormEnergyShares();
    if (m_windows.updates)
        m_windows.updates->Recalculate();
    m_dialogs.message(this, QStringLiteral("Normen ") + m_chosenName + QStringLiteral(" vald"));
}

void TFormKgKroppsvikt::Button1Click() {
    if (!AdminPasswordPrompt::AskAdminPassword(m_dialogs, this, kKorpram))
        return;
    DBISAMDBGridKgKroppsvikt->setEditTriggers(QAbstractItemView::DoubleClicked |
                                              QAbstractItemView::EditKeyPressed |
                                              QAbstractItemView::AnyKeyPressed);
    Memo2->show();
    Memo3->hide();
    Button1->hide();
}

KgNormInputs TFormKgKroppsvikt::inputs() const {
    KgNormInputs in;
    in.sex = RadioGroup1Items->checkedId() == 1 ? 1 : 0;
    in.weight = StringGridkg->item(0, 1)->text();
    in.age = StringGridalder->item(0, 1)->text();
    for (int c = 0; c < kNutrientCount; ++c)
        in.dayNorm << StringGrid2->item(1, c)->text();
    return in;
}

void TFormKgKroppsvikt::setInputs(const KgNormInputs& in) {
    m_filling = true;
    RadioGroup1Items->button(in.sex == 1 ? 1 : 0)->setChecked(true);
    StringGridkg->item(0, 1)->setText(in.weight);
    StringGridalder->item(0, 1)->setText(in.age);
    m_goodWeight = in.weight;
    m_goodAge = in.age;
    for (int c = 0; c < kNutrientCount; ++c) {
        StringGrid2->item(1, c)->setText(in.dayNorm.value(c));
        StringGrid2->item(1, c)->setData(Qt::UserRole, in.dayNorm.value(c));
    }
    m_filling = false;
}

RegistrationDocument::SideFileHandler TFormKgKroppsvikt::sideFileHandler() {
    RegistrationDocument::SideFileHandler handler;
    handler.write = [this](const QString& path, QString* error) {
        return KgNormFile::write(path, inputs(), error);
    };
    handler.read = [this](const QString& path, QString* error) {
        KgNormInputs read;
        if (!KgNormFile::read(path, &read, error))
            return false;
        setInputs(read); // the stored day norm stays as it was saved
        return true;
    };
    return handler;
}

} // namespace vexamat
