#include "ui/analysis/TFormGramTotal.h"

#include "core/AppState.h"
#include "ui/analysis/HorizontalBarChart.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace vexamat {

namespace {

const QStringList kNote{
    QStringLiteral("Klicka på Vikt för att se vilka livsmedel som ingår i beräkningen."),
    QStringLiteral("Klicka på ett näringsämne för att se varifrån näringsämnet kommer."),
};

} // namespace

TFormGramTotal::TFormGramTotal(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormGramTotal"));
    setWindowTitle(QStringLiteral("Varifrån kommer näringen."));
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint);

    ListBoxNv = new QListWidget(this);
    ListBoxNv->setObjectName(QStringLiteral("ListBoxNv"));
    ListBoxNv->setMaximumWidth(160);

    RadioGroup1 = new QGroupBox(this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    auto* items = new QHBoxLayout(RadioGroup1);
    RadioGroup1Items = new QButtonGroup(this);
    const QString captions[] = {QStringLiteral("Aktuell dag"), QStringLiteral("Summa alla dagar")};
    for (int i = 0; i < 2; ++i) {
        auto* b = new QRadioButton(captions[i], RadioGroup1);
        b->setObjectName(QStringLiteral("RadioGroup1Item%1").arg(i));
        RadioGroup1Items->addButton(b, i);
        items->addWidget(b);
    }
    RadioGroup1Items->button(0)->setChecked(true);

    Chart1 = new HorizontalBarChart(QString(), this);
    Chart1->setObjectName(QStringLiteral("Chart1"));
    Chart1->setMinimumSize(420, 200);

    SpinButton1 = new QWidget(this);
    SpinButton1->setObjectName(QStringLiteral("SpinButton1"));
    auto* spin = new QVBoxLayout(SpinButton1);
    spin->setContentsMargins(0, 0, 0, 0);
    SpinButton1Up = new QToolButton(SpinButton1);
    SpinButton1Up->setObjectName(QStringLiteral("SpinButton1Up"));
    SpinButton1Up->setArrowType(Qt::UpArrow);
    SpinButton1Down = new QToolButton(SpinButton1);
    SpinButton1Down->setObjectName(QStringLiteral("SpinButton1Down"));
    SpinButton1Down->setArrowType(Qt::DownArrow);
    spin->addWidget(SpinButton1Up);
    spin->addWidget(SpinButton1Down);
    spin->addStretch();
    SpinButton1->hide();

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->hide();

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setPlainText(kNote.join(QLatin1Char('\n')));
    Memo1->setMaximumHeight(Memo1->fontMetrics().lineSpacing() * 3 + 2 * Memo1->frameWidth() + 8);
    Label1 = new QLabel(QStringLiteral("Utskrift: Håll nere ALT och tryck på PrtScr-tangenten, "
                                       "Starta sedan t.ex. Word och klistra in."),
                        this);
    Label1->setObjectName(QStringLiteral("Label1"));

    auto* chartRow = new QHBoxLayout;
    chartRow->addWidget(Chart1, 1);
    chartRow->addWidget(SpinButton1);
    auto* right = new QVBoxLayout;
    right->addWidget(RadioGroup1);
    right->addLayout(chartRow, 1);
    auto* top = new QHBoxLayout;
    top->addWidget(ListBoxNv);
    top->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(Memo1);
    layout->addWidget(Label1);
    resize(760, 560);

    connect(ListBoxNv, &QListWidget::currentRowChanged, this,
            [this] { RefreshFoodContributions(m_state); });
    connect(RadioGroup1Items, &QButtonGroup::idClicked, this,
            [this] { RefreshFoodContributions(m_state); });
    connect(SpinButton1Up, &QToolButton::clicked, this, &TFormGramTotal::SpinButton1UpClick);
    connect(SpinButton1Down, &QToolButton::clicked, this, &TFormGramTotal::SpinButton1DownClick);
}

void TFormGramTotal::refresh(const AppState& state) {
    if (!isVisible())
        return;
    RefreshFoodContributions(state);
}

void TFormGramTotal::showEvent(QShowEvent* event) {
    FormBase::showEvent(event);
    RefreshFoodContributions(m_state);
}

void TFormGramTotal::resizeEvent(QResizeEvent* event) {
    FormBase::resizeEvent(event);
    FormResize();
}

void TFormGramTotal::RefreshFoodContributions(const AppState& state) {
    // The nutrient names are read at start-up, after the windows are made: the list is filled
    // on first use.
    const QStringList choices = FoodContributions::choices(state.names);
    if (ListBoxNv->count() != choices.size()) {
        const QSignalBlocker blocker(ListBoxNv);
        ListBoxNv->clear();
        ListBoxNv->addItems(choices);
        ListBoxNv->setCurrentRow(0);
    }
    m_unit = std::max(0, FoodContributions::nutrientOfChoice(ListBoxNv->currentRow()));
    m_result = FoodContributions::compute(state, m_unit, RadioGroup1Items->checkedId() == 1);
    setWindowTitle(m_result.caption);
    ListBox1->clear();
    for (const FoodContributions::Line& line : m_result.lines)
        ListBox1->addItem(line.amountText + line.name + line.gramsText);
    m_first = 0;
    FormResize();
}

void TFormGramTotal::FormResize() {
    const int lines = int(m_result.lines.size());
    m_pointsPerPage = FoodContributions::pointsPerPage(Chart1->height(), lines);
    SpinButton1->setVisible(m_pointsPerPage < lines);
    showPage();
}

void TFormGramTotal::showPage() {
    const int lines = int(m_result.lines.size());
    m_first = std::clamp(m_first, 0, std::max(0, lines - 1));
    const int count = std::max(0, std::min(m_pointsPerPage, lines - m_first));
    // Largest first from the top.
    QList<HorizontalBarChart::Bar> bars;
    for (int k = 0; k < count; ++k) {
        const FoodContributions::Line& line = m_result.lines.at(lines - 1 - (m_first + k));
        bars << HorizontalBarChart::Bar{line.barLabel, line.amount};
    }
    Chart1->setBars(bars);
}

void TFormGramTotal::SpinButton1UpClick() {
    if (m_first == 0)
        return;
    m_first = std::max(0, m_first - m_pointsPerPage);
    showPage();
}

void TFormGramTotal::SpinButton1DownClick() {
    if (m_first + m_pointsPerPage >= m_result.lines.size())
        return;
    m_first += m_pointsPerPage;
    showPage();
}

} // namespace vexamat
