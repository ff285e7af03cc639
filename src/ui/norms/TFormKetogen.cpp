#include "ui/norms/TFormKetogen.h"

#include "core/AppState.h"
#include "core/catalogue/FoodTable.h"
#include "core/catalogue/TableSchema.h"
#include "core/norms/EnergyExpenditure.h"
#include "core/registration/Conversions.h"
#include "core/text/NumberText.h"
#include "ui/Dialogs.h"
#include "ui/MainWindowUpdates.h"
#include "ui/Windows.h"
#include "ui/norms/TFormInst.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

namespace vexamat {

namespace {

constexpr int kInputRows = 6;
constexpr int kCarbohydrateRow = 4;

QTableWidget* grid(QWidget* parent, const char* name, int rows, int columns) {
    auto* g = new QTableWidget(rows, columns, parent);
    g->setObjectName(QString::fromLatin1(name));
    g->horizontalHeader()->hide();
    g->verticalHeader()->hide();
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            auto* item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled);
            g->setItem(r, c, item);
        }
    }
    return g;
}

QLabel* label(QWidget* parent, const char* name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

} // namespace

TFormKetogen::TFormKetogen(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormKetogen"));
    setWindowTitle(QStringLiteral("Kalkylering Ketogen kost"));
    resize(900, 520);

    auto* layout = new QGridLayout(this);
    Label1 = label(this, "Label1", QStringLiteral("Fyll i grunduppgifterna nedan."));
    layout->addWidget(Label1, 0, 0);
    StringGrid1 = grid(this, "StringGrid1", kInputRows, 2);
    const QStringList titles{QStringLiteral("Ålder"),
                             QStringLiteral("Önskvärd vikt"),
                             QStringLiteral("Kalorier/kg"),
                             QStringLiteral("Gram protein/kg"),
                             QStringLiteral("Ratio (skriv t.ex. 4 för 4:1)"),
                             QStringLiteral("Antal måltider per dag")};
    const KetogenicInputs start;
    for (int r = 0; r < kInputRows; ++r) {
        StringGrid1->item(r, 0)->setText(titles[r]);
        QTableWidgetItem* value = StringGrid1->item(r, 1);
        value->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
        value->setText(start.cells[std::size_t(r)]);
        value->setData(Qt::UserRole, start.cells[std::size_t(r)]);
    }
    StringGrid1->setColumnWidth(0, 190);
    StringGrid1->setMaximumWidth(320);
    layout->addWidget(StringGrid1, 1, 0);

    RadioGroupSex = new QGroupBox(this);
    RadioGroupSex->setObjectName(QStringLiteral("RadioGroupSex"));
    auto* radios = new QHBoxLayout(RadioGroupSex);
    RadioGroupSexItems = new QButtonGroup(this);
    const QStringList sexes{QStringLiteral("Kvinna"), QStringLiteral("Man")};
    for (int i = 0; i < sexes.size(); ++i) {
        auto* b = new QRadioButton(sexes[i], RadioGroupSex);
        b->setObjectName(QStringLiteral("RadioGroupSexItem%1").arg(i));
        RadioGroupSexItems->addButton(b, i);
        radios->addWidget(b);
    }
    RadioGroupSexItems->button(0)->setChecked(true);
    layout->addWidget(RadioGroupSex, 2, 0);

    Label2 = label(this, "Label2", QStringLiteral("Ketogena kosten ska innehålla:"));
    layout->addWidget(Label2, 0, 1);
    StringGrid3 = grid(this, "StringGrid3", 5, 3);
    const QStringList heads{QString(), QStringLiteral("Per dag"), QStringLiteral("Per måltid")};
    const QStringList rows{QString(), QStringLiteral("Kalorier"), QStringLiteral("Fett g"),
                           QStringLiteral("Prot g"), QStringLiteral("Kolh. g")};
    for (int c = 0; c < 3; ++c)
        StringGrid3->item(0, c)->setText(heads[c]);
    for (int r = 1; r < 5; ++r)
        StringGrid3->item(r, 0)->setText(rows[r]);
    layout->addWidget(StringGrid3, 1, 1);

    Label3 = label(this, "Label3", QStringLiteral("Aktuell normvärden per dag"));
    layout->addWidget(Label3, 3, 0, 1, 2);
    StringGrid2 = grid(this, "StringGrid2", 2, kNutrientCount);
    for (int c = 0; c < kNutrientCount; ++c) {
        const int no = nutrientNoOfSlot(c);
        StringGrid2->item(0, c)->setText(m_state.names.label(no) + QLatin1Char(' ') +
                                         m_state.names.NutrientUnit[std::size_t(no)]);
        StringGrid2->item(1, c)->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable |
                                          Qt::ItemIsEditable);
        const bool waterOrAsh = no == nutrient::Water || no == nutrient::Ash;
        StringGrid2->setColumnWidth(c, waterOrAsh ? 2 : 71);
    }
    StringGrid2->setMaximumHeight(StringGrid2->rowHeight(0) * 2 + 24);
    layout->addWidget(StringGrid2, 4, 0, 1, 2);

    Button2 = new QPushButton(QStringLiteral("Verkställ"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    layout->addWidget(Button2, 5, 0, Qt::AlignLeft);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setPlainText(QStringLiteral(
        "Fyll i barnets uppgifter till vänster. Till höger visas den energi och de mängder "
        "fett, protein och kolhydrater som kosten ska innehålla per dag och per måltid. "
        "Normen byggs av dem; mineraler och vitaminer hämtas ur standardnormerna efter ålder "
        "och kön. Funktionen är under utveckling."));
    layout->addWidget(Memo1, 2, 1, 2, 1);

    connect(StringGrid1, &QTableWidget::itemChanged, this, &TFormKetogen::inputEdited);
    connect(StringGrid2, &QTableWidget::itemChanged, this, &TFormKetogen::dayNormEdited);
    connect(RadioGroupSexItems, &QButtonGroup::idClicked, this, &TFormKetogen::ComputeKetogen);
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
}

KetogenicInputs TFormKetogen::inputs() const {
    KetogenicInputs in;
    in.sex = RadioGroupSexItems->checkedId() == 1 ? 1 : 0;
    for (int r = 0; r < kInputRows; ++r)
        in.cells[std::size_t(r)] = StringGrid1->item(r, 1)->text();
    for (int c = 0; c < kNutrientCount; ++c)
        in.dayNorm << StringGrid2->item(1, c)->text();
    return in;
}

void TFormKetogen::setInputs(const KetogenicInputs& in) {
    m_filling = true;
    RadioGroupSexItems->button(in.sex == 1 ? 1 : 0)->setChecked(true);
    for (int r = 0; r < kInputRows; ++r) {
        StringGrid1->item(r, 1)->setText(in.cells[std::size_t(r)]);
        StringGrid1->item(r, 1)->setData(Qt::UserRole, in.cells[std::size_t(r)]);
    }
    for (int c = 0; c < kNutrientCount; ++c) {
        StringGrid2->item(1, c)->setText(in.dayNorm.value(c));
        StringGrid2->item(1, c)->setData(Qt::UserRole, in.dayNorm.value(c));
    }
    m_filling = false;
}

void TFormKetogen::inputEdited(QTableWidgetItem* item) {
    if (m_filling || item->column() != 1)
        return;
    const QString why = KetogenicPlan::checkCell(KetogenicPlan::Input(item->row()), item->text());
    m_filling = true;
    if (!why.isEmpty()) {
        m_dialogs.message(this, why, Dialogs::Icon::Warning);
        item->setText(item->data(Qt::UserRole).toString());
        m_filling = false;
        return;
    }
    item->setData(Qt::UserRole, item->text());
    m_filling = false;
    ComputeKetogen();
}

void TFormKetogen::dayNormEdited(QTableWidgetItem* item) {
    if (m_filling || item->row() != 1)
        return;
    m_filling = true;
    if (NumberText::parsePlain(item->text()).kind == NumberText::Kind::Number) {
        item->setData(Qt::UserRole, item->text());
    } else {
        m_dialogs.message(this, QStringLiteral("Skriv värdet som ett tal."),
                          Dialogs::Icon::Warning);
        item->setText(item->data(Qt::UserRole).toString());
    }
    m_filling = false;
}

void TFormKetogen::ComputeKetogen() {
    const KetogenicInputs in = inputs();
    m_result = KetogenicPlan::compute(in);
    if (!m_result)
        return; // a cell is still empty
    showResult();
    FoodTable normer(m_state.database, TableSchema::Normer);
    QString error;
    normer.open(&error); // without the table the standard items stay as they were
    const int age = EnergyExpenditure::roundedAge(in.cells[0]);
    const QStringList day = KetogenicPlan::shown(
        KetogenicPlan::proposal(*m_result, KetogenicPlan::normRow(normer, age, in.sex == 1),
                                m_state.norm.StandardNeed),
        m_state.names);
    m_filling = true;
    for (int c = 0; c < kNutrientCount; ++c) {
        StringGrid2->item(1, c)->setText(day[c]);
        StringGrid2->item(1, c)->setData(Qt::UserRole, day[c]);
    }
    m_filling = false;
}

void TFormKetogen::showResult() {
    const KetogenicResult& r = *m_result;
    const float perDay[] = {r.energy, r.fat, r.protein, r.carbohydrate};
    for (int i = 0; i < 4; ++i) {
        const int row = i + 1;
        const QColor colour =
            row == kCarbohydrateRow && r.carbohydrate < 0 ? QColor(Qt::red) : QColor(Qt::darkGreen);
        StringGrid3->item(row, 1)->setText(FormatComma(double(perDay[i]), 2));
        StringGrid3->item(row, 2)->setText(FormatComma(double(perDay[i] / r.meals), 2));
        for (int c = 0; c < 3; ++c)
            StringGrid3->item(row, c)->setForeground(colour);
    }
}

void TFormKetogen::Button2Click(bool recalculate) {
    if (!m_result) {
        m_dialogs.message(this, QStringLiteral("Fyll först i ålder, vikt och kalorier per kg."),
                          Dialogs::Icon::Warning);
        return;
    }
    const QString text = KetogenicPlan::label(inputs(), *m_result);
    KetogenicPlan::activate(m_state.norm, m_state.settings, inputs().dayNorm, text,
                            m_result->meals);
    m_state.RegistrationTitle = text;
    if (m_windows.FormInst) {
        // The settings window shows the new meal shares: the main window takes them from
        // there at every recalculation, so all nine are written, not only the first five.
        SettingsTexts texts = m_windows.FormInst->settingsTexts();
        for (std::size_t i = 0; i < texts.mealPercent.size(); ++i)
            texts.mealPercent[i] =
                QString::number(double(m_state.settings.MealShare[i]) * 100, 'f', 0);
        m_windows.FormInst->setSettingsTexts(texts);
    }
    if (!recalculate)
        return;
    m_state.NormChanged = true;
    if (m_windows.updates)
        m_windows.updates->Recalculate();
}

void TFormKetogen::closeEvent(QCloseEvent* event) {
    m_dialogs.message(this, QStringLiteral("När du räknat på ketogen kost bör du kolla "
                                           "måltidsfördelningen under Arkiv/Inställningar, de "
                                           "kan ha ändrats."));
    FormBase::closeEvent(event);
}

RegistrationDocument::SideFileHandler TFormKetogen::sideFileHandler() {
    RegistrationDocument::SideFileHandler handler;
    handler.write = [this](const QString& path, QString* error) {
        return KetogenFile::write(path, inputs(), error);
    };
    handler.read = [this](const QString& path, QString* error) {
        KetogenicInputs read = inputs();
        if (!KetogenFile::read(path, &read, error))
            return false; // the norm of the norm file stays
        setInputs(read);
        ComputeKetogen();
        // The norm is rebuilt from the inputs; an unusable set leaves the saved norm.
        if (m_result)
            Button2Click(false);
        return true;
    };
    return handler;
}

} // namespace vexamat
