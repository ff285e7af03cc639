#include "ui/analysis/TFormToppen.h"

#include "core/AppState.h"
#include "core/analysis/NutrientTopList.h"
#include "core/catalogue/Nutrients.h"
#include "ui/Dialogs.h"

#include <QButtonGroup>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

namespace vexamat {

namespace {

struct TableChoice {
    const char* text;
    FoodTable AppState::*table;
    bool perPortion;
};

const TableChoice kChoices[] = {
    {"Livsmedelsverket per 100g", &AppState::livtab100, false},
    {"Livsmedelsverket per port", &AppState::livtab100, true},
    {"Egna livsmedel per 100g", &AppState::egna, false},
    {"Fabrikanter per 100g", &AppState::fabrikant, false},
    {"DABAS per 100g", &AppState::dabas, false},
};

QLabel* label(QWidget* parent, const char* name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

} // namespace

TFormToppen::TFormToppen(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormToppen"));
    setWindowTitle(QStringLiteral("Topplistan"));
    resize(760, 520);

    auto* layout = new QGridLayout(this);
    Label3 = label(this, "Label3",
                   QStringLiteral("Välj livsmedelstabell och näringsämne som du vill kontrollera"));
    layout->addWidget(Label3, 0, 0, 1, 2);

    RadioGroup1 = new QGroupBox(this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    auto* columns = new QGridLayout(RadioGroup1);
    RadioGroup1Items = new QButtonGroup(this);
    for (int i = 0; i < int(std::size(kChoices)); ++i) {
        auto* b = new QRadioButton(QString::fromUtf8(kChoices[i].text), RadioGroup1);
        b->setObjectName(QStringLiteral("RadioGroup1Item%1").arg(i));
        RadioGroup1Items->addButton(b, i);
        columns->addWidget(b, i / 3, i % 3);
    }
    RadioGroup1Items->button(0)->setChecked(true);
    connect(RadioGroup1Items, &QButtonGroup::idClicked, this, [this] { RadioGroup1Click(); });
    layout->addWidget(RadioGroup1, 1, 0, 1, 2);

    Label1 = label(this, "Label1", QStringLiteral("Näringsämne"));
    layout->addWidget(Label1, 2, 0);
    Label2 = label(this, "Label2", QStringLiteral("Mängd per 100 gram"));
    layout->addWidget(Label2, 2, 1);

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setMaximumWidth(220);
    connect(ListBox1, &QListWidget::itemClicked, this, [this] { ListBox1Click(); });
    layout->addWidget(ListBox1, 3, 0);

    ListBoxSynlig = new QListWidget(this);
    ListBoxSynlig->setObjectName(QStringLiteral("ListBoxSynlig"));
    ListBoxSynlig->setFont(QFont(QStringLiteral("Monospace")));
    layout->addWidget(ListBoxSynlig, 3, 1);

    Button1 = new QPushButton(QStringLiteral("Utskrift"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    layout->addWidget(Button1, 4, 1, Qt::AlignRight);

    fillNutrients();
}

int TFormToppen::nutrientOfItem(int item) {
    // Water and ash are left out of the list.
    return item < 2 ? nutrient::Kj + item : nutrient::Protein + (item - 2);
}

void TFormToppen::fillNutrients() {
    ListBox1->clear();
    for (int no = kFirstNutrientNo; no <= kLastNutrientNo; ++no)
        if (no != nutrient::Water && no != nutrient::Ash)
            ListBox1->addItem(m_state.names.label(no));
}

void TFormToppen::showEvent(QShowEvent* event) {
    // The window may be made before the nutrient names are read.
    if (ListBox1->count() == 0 || ListBox1->item(0)->text() != m_state.names.label(nutrient::Kj))
        fillNutrients();
    FormBase::showEvent(event);
}

void TFormToppen::ListBox1Click() {
    const int item = ListBox1->currentRow();
    if (item < 0)
        return;
    const int no = nutrientOfItem(item);
    m_nutrient = no;
    const TableChoice& choice = kChoices[std::max(0, RadioGroup1Items->checkedId())];
    const NutrientTopList::Result list =
        NutrientTopList::build(m_state.*choice.table, no, choice.perPortion, m_state.names);
    m_heading = list.heading;
    m_lines = list.lines;
    Label2->setText(m_heading);
    setWindowTitle(m_heading);
    ListBoxSynlig->clear();
    ListBoxSynlig->addItems(m_lines);
    if (!list.error.isEmpty())
        m_dialogs.message(this, list.error, Dialogs::Icon::Error);
}

void TFormToppen::RadioGroup1Click() {
    ListBox1Click();
}

void TFormToppen::Button1Click() {
    const std::optional<QString> answer = m_dialogs.inputText(
        this, QStringLiteral("Hur många rader vill du skriva ut?"), QStringLiteral("9999=alla"));
    if (!answer)
        return;
    bool ok = false;
    const int count = answer->trimmed().toInt(&ok);
    if (!ok)
        return;
    NutrientTopList::Result list;
    list.heading = m_heading.isEmpty() ? Label2->text() : m_heading;
    list.lines = m_lines;
    const QStringList lines =
        NutrientTopList::fileLines(list, m_state.names.label(m_nutrient), count);
    const QString folder = m_state.DataDir.isEmpty() ? QDir::currentPath() : m_state.DataDir;
    QString error;
    if (!NutrientTopList::write(QDir(folder).filePath(NutrientTopList::kFileName), lines, &error)) {
        m_dialogs.message(this, error, Dialogs::Icon::Error);
        return;
    }
    m_dialogs.message(this, QStringLiteral("Utskriften finns i filen Näringstoppen.txt i mappen ") +
                                QDir::toNativeSeparators(folder));
}

} // namespace vexamat
