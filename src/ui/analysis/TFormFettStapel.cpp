#include "ui/analysis/TFormFettStapel.h"

#include "core/AppState.h"
#include "core/analysis/FatComposition.h"
#include "core/text/NumberText.h"
#include "ui/analysis/HorizontalBarChart.h"
#include "ui/analysis/ResultCharts.h"

#include <QButtonGroup>
#include <QChart>
#include <QChartView>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPieSeries>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vexamat {

namespace {

// The bars' marks: a share of the energy with at most one decimal ("31,5 energi%"), or always
// one ("0,4 energi%").
QStringList energyMarks(const QList<FatComposition::Bar>& bars, bool oneDecimal) {
    QStringList marks;
    for (const FatComposition::Bar& bar : bars)
        marks << (oneDecimal ? QString::number(double(bar.value), 'f', 1)
                                   .replace(QLatin1Char('.'), QLatin1Char(','))
                             : NumberText::format(bar.value, 1)) +
                     QStringLiteral(" energi%");
    return marks;
}

QList<HorizontalBarChart::Bar> barsOf(const QList<FatComposition::Bar>& bars) {
    QList<HorizontalBarChart::Bar> out;
    for (const FatComposition::Bar& bar : bars)
        out << HorizontalBarChart::Bar{bar.label, bar.value};
    return out;
}

} // namespace

TFormFettStapel::TFormFettStapel(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormFettStapel"));
    setWindowTitle(QStringLiteral("Fettsammansättning energi %"));
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint);

    auto* group = new QGroupBox(this);
    group->setObjectName(QStringLiteral("RadioGroupFett"));
    auto* row = new QHBoxLayout(group);
    RadioGroupFett = new QButtonGroup(this);
    const QStringList items{QStringLiteral("Staplar"), QStringLiteral("Cirkel"),
                            QStringLiteral("Omega 3 + Omega 6")};
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items[i], group);
        b->setObjectName(QStringLiteral("RadioGroupFettItem%1").arg(i));
        RadioGroupFett->addButton(b, i);
        row->addWidget(b);
    }
    RadioGroupFett->button(0)->setChecked(true);
    connect(RadioGroupFett, &QButtonGroup::idClicked, this,
            [this] { DrawFatComposition(m_state); });

    ChartFettStapel =
        new HorizontalBarChart(QStringLiteral("Fettets andel av totala energin"), this);
    ChartFettStapel->setObjectName(QStringLiteral("ChartFettStapel"));

    auto* pieChart = new QChart;
    pieChart->setTitle(QStringLiteral("% av energin från fett"));
    pieChart->setBackgroundBrush(Qt::white);
    pieChart->setAnimationOptions(QChart::NoAnimation);
    pieChart->legend()->setAlignment(Qt::AlignRight);
    ChartFettCirkel = new QChartView(pieChart, this);
    ChartFettCirkel->setObjectName(QStringLiteral("ChartFettCirkel"));
    ChartFettCirkel->setRenderHint(QPainter::Antialiasing);
    Series2 = new QPieSeries(pieChart);
    Series2->setObjectName(QStringLiteral("Series2"));
    Series2->setPieSize(0.8);
    pieChart->addSeries(Series2);

    ChartOmega = new HorizontalBarChart(
        QStringLiteral("Gram och procent av totala energin för  omega3, omega6"), this);
    ChartOmega->setObjectName(QStringLiteral("ChartOmega"));
    ChartKvot = new HorizontalBarChart(QStringLiteral("Omega6 / Omega3"), this);
    ChartKvot->setObjectName(QStringLiteral("ChartKvot"));
    ChartKvot->setSingleColour(0x00FF00);

    Label1 = new QLabel(QStringLiteral("Utskrift: Håll nere ALT och tryck på PrtScr-tangenten, "
                                       "Starta sedan t.ex. Word och klistra in."),
                        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    for (QWidget* chart :
         {static_cast<QWidget*>(ChartFettStapel), static_cast<QWidget*>(ChartFettCirkel),
          static_cast<QWidget*>(ChartOmega), static_cast<QWidget*>(ChartKvot)}) {
        chart->setMinimumSize(520, 200);
        layout->addWidget(chart, 1);
    }
    layout->addWidget(Label1);
    ChartFettCirkel->hide();
    ChartOmega->hide();
    ChartKvot->hide();
    resize(600, 420);
}

void TFormFettStapel::refresh(const AppState& state) {
    if (!isVisible())
        return;
    DrawFatComposition(state);
}

void TFormFettStapel::showEvent(QShowEvent* event) {
    FormBase::showEvent(event);
    DrawFatComposition(m_state);
}

void TFormFettStapel::DrawFatComposition(const AppState& state) {
    const int choice = RadioGroupFett->checkedId();
    ChartFettStapel->setVisible(choice == 0);
    ChartFettCirkel->setVisible(choice == 1);
    ChartOmega->setVisible(choice == 2);
    ChartKvot->setVisible(choice == 2);

    const FatComposition fat = FatComposition::build(state);
    switch (choice) {
    case 0:
        ChartFettStapel->setMarks(energyMarks(fat.qualities, false));
        ChartFettStapel->setBars(barsOf(fat.qualities));
        break;
    case 1:
        ResultCharts::fillPie(Series2, fat.pie);
        break;
    default:
        ChartOmega->setMarks(energyMarks(fat.omega, true));
        ChartOmega->setBars(barsOf(fat.omega));
        ChartKvot->setMarks({NumberText::format(fat.ratio, 1)});
        ChartKvot->setBars({{fat.ratioLabel, fat.ratio}});
        break;
    }
}

} // namespace vexamat
