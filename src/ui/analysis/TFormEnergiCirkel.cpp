#include "ui/analysis/TFormEnergiCirkel.h"

#include "core/AppState.h"
#include "core/analysis/EnergyPie.h"
#include "ui/analysis/ResultCharts.h"

#include <QChart>
#include <QChartView>
#include <QPieSeries>
#include <QVBoxLayout>

namespace vexamat {

TFormEnergiCirkel::TFormEnergiCirkel(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormEnergiCirkel"));
    setWindowTitle(QStringLiteral("Energifördelning"));
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint);

    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("Energifördelning för valt livsmedel"));
    chart->setBackgroundBrush(Qt::white);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignRight);
    ChartEnergi = new QChartView(chart, this);
    ChartEnergi->setObjectName(QStringLiteral("ChartEnergi"));
    ChartEnergi->setRenderHint(QPainter::Antialiasing);
    ChartEnergi->setMinimumSize(360, 280);
    PieSeries1 = new QPieSeries(chart);
    PieSeries1->setObjectName(QStringLiteral("PieSeries1"));
    PieSeries1->setPieSize(0.8);
    chart->addSeries(PieSeries1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ChartEnergi);
    resize(420, 320);
}

void TFormEnergiCirkel::refresh(const AppState& state) {
    if (!isVisible())
        return;
    drawCurrentRow(state);
}

void TFormEnergiCirkel::showEvent(QShowEvent* event) {
    FormBase::showEvent(event);
    drawCurrentRow(m_state);
}

void TFormEnergiCirkel::drawCurrentRow(const AppState& state) {
    if (!Registration::isValidDay(state.CurrentDay) ||
        !Registration::isValidMeal(state.CurrentMeal) || state.CurrentRow < 0 ||
        state.CurrentRow >= Registration::kRows)
        return;
    const MealRow& row =
        state.registration.row(state.CurrentDay, state.CurrentMeal, state.CurrentRow);
    ChartEnergi->chart()->setTitle(row.livsmedel);
    const auto per100g = [&row](int no) { return row.naring[nutrientSlot(no)]; };
    const EnergyShares shares =
        row.isEmpty() ? EnergyShares{}
                      : EnergyPie::ofFood(per100g(nutrient::Protein), per100g(nutrient::Fat),
                                          per100g(nutrient::Carbohydrate),
                                          per100g(nutrient::Alcohol), state.AlcoholFactor);
    ResultCharts::fillPie(PieSeries1, EnergyPie::slices(shares));
}

} // namespace vexamat
