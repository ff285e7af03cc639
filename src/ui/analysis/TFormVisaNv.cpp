#include "ui/analysis/TFormVisaNv.h"

#include "core/AppState.h"
#include "ui/Dialogs.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPieSeries>
#include <QPieSlice>
#include <QVBoxLayout>

#include <cmath>

namespace vexamat {

namespace {

QListWidget* namedList(QWidget* parent, const char* name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(QString::fromLatin1(name));
    // The values stand after labels padded with blanks: a fixed-pitch font keeps them in line.
    list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    return list;
}

QCheckBox* namedBox(QWidget* parent, const char* name, const QString& text) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QChartView* pieChart(QWidget* parent, const char* name, QPieSeries* series) {
    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("Energifördelning"));
    chart->legend()->hide();
    chart->addSeries(series);
    auto* view = new QChartView(chart, parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setMinimumHeight(200);
    return view;
}

} // namespace

TFormVisaNv::TFormVisaNv(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormVisaNv"));
    setWindowTitle(QStringLiteral("Näring per 100 g"));
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint);

    ListBoxVisaNv = namedList(this, "ListBoxVisaNv");
    ListBoxVisaNv1 = namedList(this, "ListBoxVisaNv1");
    ListBoxVisaNvH = namedList(this, "ListBoxVisaNvH");
    ListBoxVisaNvH->hide();
    CheckBoxVisaAllaNv =
        namedBox(this, "CheckBoxVisaAllaNv", QStringLiteral("Visa alla näringsämnen"));
    CheckBoxLatsta = namedBox(this, "CheckBoxLatsta", QStringLiteral("Lås vänstra fönstret"));
    CheckBoxStayOnTop =
        namedBox(this, "CheckBoxStayOnTop", QStringLiteral("Stäng detta fönster automatiskt"));
    PieSeries1 = new QPieSeries;
    PieSeries1->setObjectName(QStringLiteral("PieSeries1"));
    PieSeries2 = new QPieSeries;
    PieSeries2->setObjectName(QStringLiteral("PieSeries2"));
    ChartEnergi = pieChart(this, "ChartEnergi", PieSeries1);
    ChartEnergi2 = pieChart(this, "ChartEnergi2", PieSeries2);

    auto* grid = new QGridLayout;
    grid->addWidget(ListBoxVisaNv, 0, 0);
    grid->addWidget(ListBoxVisaNv1, 0, 1);
    grid->addWidget(ChartEnergi, 1, 0);
    grid->addWidget(ChartEnergi2, 1, 1);
    grid->setRowStretch(0, 1);
    auto* boxes = new QHBoxLayout;
    boxes->addWidget(CheckBoxVisaAllaNv);
    boxes->addWidget(CheckBoxLatsta);
    boxes->addWidget(CheckBoxStayOnTop);
    boxes->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addLayout(boxes);
    resize(640, 640);

    connect(ListBoxVisaNv, &QListWidget::itemClicked, this, &TFormVisaNv::ListBoxVisaNvClick);
    connect(ListBoxVisaNv1, &QListWidget::itemClicked, this, &TFormVisaNv::ListBoxVisaNv1Click);
}

void TFormVisaNv::ShowFoodPer100g(const QString& code) {
    const FoodNutrientSheet food =
        FoodNutrientSheet::lookup(m_state, code, CheckBoxVisaAllaNv->isChecked());
    const bool lockLeft = CheckBoxLatsta->isChecked();
    m_sides.show(food, lockLeft);
    if (!food.found) {
        m_dialogs.message(this, food.message, Dialogs::Icon::Warning);
        return;
    }
    ListBoxVisaNvH->clear();
    ListBoxVisaNvH->addItems(food.lines);
    ListBoxVisaNv1->clear();
    ListBoxVisaNv1->addItems(m_sides.right());
    if (lockLeft) {
        drawPie(PieSeries2, m_sides.rightShares());
    } else {
        ListBoxVisaNv->clear();
        ListBoxVisaNv->addItems(m_sides.left());
        drawPie(PieSeries2, m_sides.rightShares());
        drawPie(PieSeries1, m_sides.leftShares());
    }
    show();
    raise();
    ListBoxVisaNv1->setCurrentRow(ListBoxVisaNv->currentRow());
}

void TFormVisaNv::hideOnOutsideClick() {
    if (CheckBoxStayOnTop->isChecked())
        hide();
}

void TFormVisaNv::drawPie(QPieSeries* series, const FoodNutrientSheet::Shares& shares) {
    series->clear();
    for (const FoodNutrientSheet::Slice& s : FoodNutrientSheet::pieSlices(shares)) {
        QPieSlice* slice = series->append(
            s.label + QLatin1Char(' ') + QString::number(std::lround(s.share)) + QLatin1Char('%'),
            qreal(s.share));
        slice->setColor(QColor::fromRgb(s.rgb));
        slice->setLabelVisible(true);
    }
}

void TFormVisaNv::ListBoxVisaNvClick() {
    ListBoxVisaNv1->setCurrentRow(ListBoxVisaNv->currentRow());
}

void TFormVisaNv::ListBoxVisaNv1Click() {
    ListBoxVisaNv->setCurrentRow(ListBoxVisaNv1->currentRow());
}

} // namespace vexamat
