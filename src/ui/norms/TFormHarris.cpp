#include "ui/norms/TFormHarris.h"

#include "core/AppState.h"
#include "core/files/HarrisFile.h"
#include "core/norms/HarrisBenedict.h"
#include "core/norms/NormRowLookup.h"
#include "ui/Dialogs.h"
#include "ui/MainWindowUpdates.h"
#include "ui/Windows.h"
#include "ui/norms/NumberBox.h"
#include "ui/norms/RadioGroup.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

namespace vexamat {

namespace {

constexpr int kRows = 4;

} // namespace

TFormHarris::TFormHarris(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormHarris"));
    setWindowTitle(QStringLiteral("Harris Benedict Equation for estimating energy requirements"));
    resize(620, 360);
    auto* layout = new QGridLayout(this);

    StringGrid1 = new QTableWidget(kRows, 2, this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->setColumnWidth(0, 120);
    const QStringList labels{QStringLiteral("Ålder"), QStringLiteral("Vikt, kg"),
                             QStringLiteral("Längd, cm"), QStringLiteral("Aktivitetfaktor")};
    for (int r = 0; r < kRows; ++r) {
        auto* label = new QTableWidgetItem(labels[r]);
        label->setFlags(Qt::ItemIsEnabled);
        StringGrid1->setItem(r, 0, label);
        StringGrid1->setItem(r, 1, new QTableWidgetItem());
    }
    StringGrid1->setMinimumWidth(230);
    layout->addWidget(StringGrid1, 0, 0, 3, 1);

    RadioGroup1 =
        new RadioGroup(QStringLiteral("RadioGroup1"), QString(),
                       {QStringLiteral("Kvinna"), QStringLiteral("Man")}, 0, this, Qt::Horizontal);
    RadioGroup2 =
        new RadioGroup(QStringLiteral("RadioGroup2"), QString(),
                       {QStringLiteral("kJ"), QStringLiteral("kcal")}, 1, this, Qt::Horizontal);
    layout->addWidget(RadioGroup1, 0, 1);
    layout->addWidget(RadioGroup2, 1, 1);
    auto* result = new QHBoxLayout;
    Edit1 = new QLineEdit(QStringLiteral("Energibehov/dag"), this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setReadOnly(true);
    Edit2 = new QLineEdit(HarrisBenedict::kNoNeed, this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setReadOnly(true);
    result->addWidget(Edit1);
    result->addWidget(Edit2);
    layout->addLayout(result, 2, 1);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setPlainText(QStringLiteral("Energibehov = BMR * aktivitetsfaktor\n"
                                       "Män: BMR = 66.5 + 13.7 * vikt + 5.0 * längd - 6.8 * ålder\n"
                                       "Kvinnor: BMR = 655.1 + 9.6 * vikt + 1.8 * längd - 4.7 * "
                                       "ålder\n"
                                       "Sängbunden: 1.2\n"
                                       "Lätt aktivitet: 1.3\n"
                                       "Medel aktivitet: 1.4 - 1.5\n"
                                       "Tung aktivitet: 1.75"));
    layout->addWidget(Memo1, 3, 0, 1, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    Button2 = new QPushButton(QStringLiteral("OK"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button1 = new QPushButton(QStringLiteral("Avbryt"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    buttons->addWidget(Button2);
    buttons->addWidget(Button1);
    layout->addLayout(buttons, 4, 0, 1, 2);

    NumberBox::guard(StringGrid1, m_dialogs);
    connect(StringGrid1, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (!m_setting && item->column() == 1)
            ComputeHarris();
    });
    connect(RadioGroup1, &RadioGroup::clicked, this, &TFormHarris::ComputeHarris);
    connect(RadioGroup2, &RadioGroup::clicked, this, &TFormHarris::ComputeHarris);
    connect(Button1, &QPushButton::clicked, this, &QWidget::hide);
    connect(Button2, &QPushButton::clicked, this, &TFormHarris::Button2Click);
}

HarrisInputs TFormHarris::inputs() const {
    HarrisInputs in;
    in.sex = RadioGroup1->index();
    in.age = StringGrid1->item(0, 1)->text();
    in.weight = StringGrid1->item(1, 1)->text();
    in.height = StringGrid1->item(2, 1)->text();
    in.factor = StringGrid1->item(3, 1)->text();
    in.unit = RadioGroup2->index();
    return in;
}

void TFormHarris::setInputs(const HarrisInputs& in) {
    m_setting = true;
    RadioGroup1->setIndex(in.sex);
    const QStringList cells{in.age, in.weight, in.height, in.factor};
    for (int r = 0; r < kRows; ++r)
        StringGrid1->item(r, 1)->setText(cells[r]);
    m_setting = false;
    ComputeHarris();
}

void TFormHarris::ComputeHarris() {
    Edit2->setText(HarrisBenedict::needText(inputs()));
}

void TFormHarris::Button2Click() {
    const HarrisInputs in = inputs();
    bool whole = false;
    const int age = in.age.trimmed().toInt(&whole);
    const std::optional<NormRow> row =
        whole ? NormRowLookup::find(m_state.database, HarrisBenedict::normNumber(in.sex, age))
              : std::nullopt;
    const HarrisBenedict::Activation activation =
        HarrisBenedict::activate(in, Edit2->text(), m_state.norm, row);
    if (!activation.estimate) {
        m_dialogs.message(this, activation.message, Dialogs::Icon::Warning);
        return;
    }
    ActiveNorm& norm = m_state.norm;
    norm.ActiveNeed = activation.estimate->need;
    norm.NormLabel = activation.estimate->label;
    norm.NormKind = activation.estimate->kind;
    m_state.NormChanged = true;
    m_state.RegistrationTitle = norm.NormLabel;
    if (m_windows.updates)
        m_windows.updates->Recalculate();
    hide();
}

QString TFormHarris::sideFileNormKind() const {
    return HarrisBenedict::kKind;
}

RegistrationDocument::SideFileHandler TFormHarris::sideFileHandler() {
    RegistrationDocument::SideFileHandler handler;
    handler.write = [this](const QString& path, QString* error) {
        QString reason;
        if (HarrisFile::write(path, inputs(), &reason))
            return true;
        if (error)
            *error = HarrisFile::kSaveFailed + QStringLiteral(": ") + reason;
        return false;
    };
    handler.read = [this](const QString& path, QString* error) {
        HarrisInputs in = inputs();
        const bool ok = HarrisFile::read(path, in, error);
        setInputs(in);
        return ok;
    };
    return handler;
}

} // namespace vexamat
