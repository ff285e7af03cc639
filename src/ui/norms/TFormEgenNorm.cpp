#include "ui/norms/TFormEgenNorm.h"

#include "core/AppState.h"
#include "core/files/OwnNormFile.h"
#include "core/norms/NormRowLookup.h"
#include "core/norms/OwnEnergyNorm.h"
#include "ui/Dialogs.h"
#include "ui/MainWindowUpdates.h"
#include "ui/Windows.h"
#include "ui/norms/NumberBox.h"
#include "ui/norms/RadioGroup.h"
#include "ui/norms/TFormInst.h"
#include "ui/norms/TFormNorm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

namespace vexamat {

namespace {

constexpr int kInputRows = 6;
constexpr int kSumRow = 5;

QTableWidgetItem* fixedItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

} // namespace

TFormEgenNorm::TFormEgenNorm(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormEgenNorm"));
    setWindowTitle(QStringLiteral("Ange önskat energiintag per dag."));
    resize(760, 420);
    auto* layout = new QGridLayout(this);

    StringGrid1 = new QTableWidget(kInputRows, 2, this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->setColumnWidth(0, 130);
    const QStringList labels{QStringLiteral("kcal per dag"),      QStringLiteral("Ålder, år"),
                             QStringLiteral("Energi% protein"),   QStringLiteral("Energi% fett"),
                             QStringLiteral("Energi% kolhydrat"), QStringLiteral("Summa %")};
    const OwnNormInputs defaults;
    const QStringList values{defaults.kcal, defaults.age, defaults.protein, defaults.fat,
                             defaults.carbohydrate};
    for (int r = 0; r < kInputRows; ++r) {
        StringGrid1->setItem(r, 0, fixedItem(labels[r]));
        StringGrid1->setItem(
            r, 1, r == kSumRow ? fixedItem(QString()) : new QTableWidgetItem(values.value(r)));
    }
    StringGrid1->setMinimumWidth(240);
    layout->addWidget(StringGrid1, 0, 0, 3, 1);

    RadioGroupSex =
        new RadioGroup(QStringLiteral("RadioGroupSex"), QString(),
                       {QStringLiteral("Kvinna"), QStringLiteral("Man")}, 0, this, Qt::Horizontal);
    layout->addWidget(RadioGroupSex, 0, 1);
    auto* sum = new QHBoxLayout;
    Edit1 = new QLineEdit(QStringLiteral("Summa energi%"), this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setReadOnly(true);
    EditSumma = new QLineEdit(this);
    EditSumma->setObjectName(QStringLiteral("EditSumma"));
    EditSumma->setReadOnly(true);
    sum->addWidget(Edit1);
    sum->addWidget(EditSumma);
    layout->addLayout(sum, 1, 1);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setPlainText(QStringLiteral(
        "Ange dagens energiintag och energiprocenten från protein, fett och kolhydrat till "
        "vänster.\nNedersta raden visar den dagsnorm som kommer att användas. Den kan "
        "justeras, t.ex. för vitaminer eller mineraler."));
    layout->addWidget(Memo1, 2, 1);

    StringGrid2 = new QTableWidget(2, kNutrientCount, this);
    StringGrid2->setObjectName(QStringLiteral("StringGrid2"));
    StringGrid2->horizontalHeader()->hide();
    StringGrid2->verticalHeader()->hide();
    for (int c = 0; c < kNutrientCount; ++c) {
        StringGrid2->setItem(0, c, fixedItem(QString()));
        StringGrid2->setItem(1, c, new QTableWidgetItem());
        StringGrid2->setColumnWidth(c, 90);
    }
    // Water and ash are no need anybody states.
    StringGrid2->horizontalHeader()->setMinimumSectionSize(2);
    StringGrid2->setColumnWidth(2, 2);
    StringGrid2->setColumnWidth(3, 2);
    StringGrid2->setMinimumHeight(90);
    layout->addWidget(StringGrid2, 3, 0, 1, 2);

    auto* buttons = new QHBoxLayout;
    ButtonSparaNorm = new QPushButton(QStringLiteral("Spara denna norm"), this);
    ButtonSparaNorm->setObjectName(QStringLiteral("ButtonSparaNorm"));
    ButtonSparaNorm->setToolTip(QStringLiteral("Sparar denna norm som en egen norm"));
    Button1 = new QPushButton(QStringLiteral("Avbryt"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("OK"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    buttons->addWidget(ButtonSparaNorm);
    buttons->addStretch(1);
    buttons->addWidget(Button2);
    buttons->addWidget(Button1);
    layout->addLayout(buttons, 4, 0, 1, 2);

    NumberBox::guard(StringGrid1, m_dialogs);
    NumberBox::guard(StringGrid2, m_dialogs);
    connect(StringGrid1, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (!m_setting && item->column() == 1 && item->row() < kSumRow)
            ProposeOwnNorm();
    });
    connect(RadioGroupSex, &RadioGroup::clicked, this, &TFormEgenNorm::ProposeOwnNorm);
    connect(Button1, &QPushButton::clicked, this, &QWidget::hide);
    connect(Button2, &QPushButton::clicked, this, &TFormEgenNorm::Button2Click);
    connect(ButtonSparaNorm, &QPushButton::clicked, this, &TFormEgenNorm::ButtonSparaNormClick);

    showNutrientLabels();
    ProposeOwnNorm();
}

void TFormEgenNorm::showEvent(QShowEvent* event) {
    showNutrientLabels();
    FormBase::showEvent(event);
}

void TFormEgenNorm::showNutrientLabels() {
    for (int c = 0; c < kNutrientCount; ++c)
        StringGrid2->item(0, c)->setText(m_state.names.label(nutrientNoOfSlot(c)));
}

OwnNormInputs TFormEgenNorm::inputs() const {
    OwnNormInputs in;
    in.sex = RadioGroupSex->index();
    in.kcal = StringGrid1->item(0, 1)->text();
    in.age = StringGrid1->item(1, 1)->text();
    in.protein = StringGrid1->item(2, 1)->text();
    in.fat = StringGrid1->item(3, 1)->text();
    in.carbohydrate = StringGrid1->item(4, 1)->text();
    return in;
}

QStringList TFormEgenNorm::normCells() const {
    QStringList cells;
    for (int c = 0; c < kNutrientCount; ++c)
        cells << StringGrid2->item(1, c)->text();
    return cells;
}

void TFormEgenNorm::setContents(const OwnNormInputs& in, const QStringList& cells) {
    m_setting = true;
    RadioGroupSex->setIndex(in.sex);
    const QStringList values{in.kcal, in.age, in.protein, in.fat, in.carbohydrate};
    for (int r = 0; r < values.size(); ++r)
        StringGrid1->item(r, 1)->setText(values[r]);
    for (int c = 0; c < kNutrientCount && c < cells.size(); ++c)
        StringGrid2->item(1, c)->setText(cells[c]);
    m_setting = false;
    showSum();
}

void TFormEgenNorm::showSum() {
    EditSumma->setText(OwnEnergyNorm::sumText(inputs()));
}

void TFormEgenNorm::ProposeOwnNorm() {
    const OwnNormInputs in = inputs();
    const int nr = OwnEnergyNorm::ageIsWhole(in.age)
                       ? OwnEnergyNorm::normNumber(in.sex, OwnEnergyNorm::age(in.age))
                       : 0;
    const OwnEnergyNorm::Proposal proposal =
        OwnEnergyNorm::propose(in, NormRowLookup::find(m_state.database, nr), m_proposed);
    if (!proposal.made) {
        m_dialogs.message(this, proposal.message, Dialogs::Icon::Warning);
        return;
    }
    showSum();
    if (!proposal.message.isEmpty())
        m_dialogs.message(this, proposal.message, Dialogs::Icon::Warning);
    m_proposed = proposal.values;
    const QStringList cells = OwnEnergyNorm::cells(m_proposed, m_state.names);
    m_setting = true;
    for (int c = 0; c < kNutrientCount; ++c)
        StringGrid2->item(1, c)->setText(cells[c]);
    m_setting = false;
}

void TFormEgenNorm::Button2Click() {
    const OwnNormInputs in = inputs();
    const NormEstimate estimate = OwnEnergyNorm::estimate(in, normCells());
    ActiveNorm& norm = m_state.norm;
    norm.NormLabel = estimate.label;
    norm.ActiveNeed = estimate.need;
    norm.NormEnergyShare = OwnEnergyNorm::energyShares(in);
    norm.NormKind = estimate.kind;
    m_state.NormChanged = true;
    m_state.RegistrationTitle = norm.NormLabel;
    if (m_windows.FormInst)
        m_windows.FormInst->showNormEnergyShares();
    if (m_windows.updates)
        m_windows.updates->Recalculate();
    hide();
}

void TFormEgenNorm::ButtonSparaNormClick() {
    const std::optional<QString> name =
        m_dialogs.inputText(this, QStringLiteral("Vad ska den nya normen heta?"),
                            QStringLiteral("Skriv namnet på den nya normen: "));
    if (!name)
        return;
    QString error;
    if (!OwnEnergyNorm::saveAsNamedNorm(m_state.database, *name, normCells(), &error)) {
        m_dialogs.message(this, error, Dialogs::Icon::Warning);
        return;
    }
    m_dialogs.message(this, QStringLiteral("\"") + *name + QStringLiteral("\"  är upplagd."));
    if (m_windows.FormNorm)
        m_windows.FormNorm->refreshTable();
}

QString TFormEgenNorm::sideFileNormKind() const {
    return OwnEnergyNorm::kKind;
}

RegistrationDocument::SideFileHandler TFormEgenNorm::sideFileHandler() {
    RegistrationDocument::SideFileHandler handler;
    handler.write = [this](const QString& path, QString* error) {
        QString reason;
        if (OwnNormFile::write(path, {inputs(), normCells()}, &reason))
            return true;
        if (error)
            *error = OwnNormFile::kSaveFailed + QStringLiteral(": ") + reason;
        return false;
    };
    handler.read = [this](const QString& path, QString* error) {
        // The stored cells come back as they were adjusted: no new proposal.
        OwnNormFile::Contents contents{inputs(), normCells()};
        const bool ok = OwnNormFile::read(path, contents, error);
        setContents(contents.inputs, contents.cells);
        return ok;
    };
    return handler;
}

} // namespace vexamat
