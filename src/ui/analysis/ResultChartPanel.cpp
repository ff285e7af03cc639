#include "ui/analysis/ResultChartPanel.h"

#include "core/AppState.h"
#include "core/analysis/ResultChartBuilder.h"
#include "ui/MainWindowUpdates.h"
#include "ui/analysis/ResultCharts.h"

#include <QBarCategoryAxis>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QChartView>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

namespace vexamat {

namespace {

const QStringList kMemoStapelLines{
    QStringLiteral("För att få staplar måste du ange hur stor"),
    QStringLiteral("del av dagsbehovet som denna måltid ska ge."),
    QStringLiteral("Det gör du under Arkiv/Inställningar."),
};

template <typename T> T* named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QToolButton* modeButton(QWidget* parent, const char* name, const QString& caption) {
    auto* b = named(new QToolButton(parent), name);
    b->setText(caption);
    b->setCheckable(true);
    return b;
}

} // namespace

ResultChartPanel::ResultChartPanel(AppState& state, MainWindowUpdates& updates, QWidget* parent)
    : QWidget(parent), m_state(state), m_updates(updates) {
    setObjectName(QStringLiteral("ResultChartPanel"));
    SpeedButton5 = modeButton(this, "SpeedButton5", QStringLiteral("Staplar"));
    SpeedButton6 = modeButton(this, "SpeedButton6", QStringLiteral("Energicirklar"));
    SpeedButton8 = modeButton(this, "SpeedButton8", QStringLiteral("Saknade värden"));
    SpeedButton8->setToolTip(QStringLiteral("Klicka här för att se vilka näringsämnen som saknas"));
    auto* modes = new QButtonGroup(this);
    for (QToolButton* b : {SpeedButton5, SpeedButton6, SpeedButton8})
        modes->addButton(b);
    SpeedButton5->setChecked(true);
    Button1 = named(new QPushButton(QStringLiteral("Zoom -"), this), "Button1");
    Button2 = named(new QPushButton(QStringLiteral("Zoom +"), this), "Button2");
    ButtonProcent = named(new QPushButton(QStringLiteral("%"), this), "ButtonProcent");
    EditPris = named(new QLineEdit(this), "EditPris");
    EditPris->setReadOnly(true);
    EditPris->hide();

    m_bars = new QWidget(this);
    ChartStapel = named(new QChartView(m_bars), "ChartStapel");
    ScrollBarStapel = named(new QScrollBar(Qt::Vertical, m_bars), "ScrollBarStapel");
    auto* barsLayout = new QHBoxLayout(m_bars);
    barsLayout->setContentsMargins(0, 0, 0, 0);
    barsLayout->setSpacing(0);
    barsLayout->addWidget(ChartStapel, 1);
    barsLayout->addWidget(ScrollBarStapel);

    m_pies = new QWidget(this);
    ChartEnergi = named(new QChartView(m_pies), "ChartEnergi");
    ChartEnergiRek = named(new QChartView(m_pies), "ChartEnergiRek");
    CheckboxAlkohol =
        named(new QCheckBox(QStringLiteral("Räkna med Alkohol"), m_pies), "CheckboxAlkohol");
    CheckboxAlkohol->setChecked(true);
    auto* piesLayout = new QVBoxLayout(m_pies);
    piesLayout->setContentsMargins(0, 0, 0, 0);
    auto* pieRow = new QHBoxLayout;
    // The ideal pie stands 8 pixels right of the actual one.
    pieRow->setSpacing(8);
    pieRow->addWidget(ChartEnergi, 1);
    pieRow->addWidget(ChartEnergiRek, 1);
    piesLayout->addLayout(pieRow, 1);
    piesLayout->addWidget(CheckboxAlkohol);
    m_pies->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* buttons = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{SpeedButton5, SpeedButton6, SpeedButton8})
        buttons->addWidget(w);
    buttons->addStretch();
    for (QWidget* w : std::initializer_list<QWidget*>{Button1, Button2, ButtonProcent, EditPris})
        buttons->addWidget(w);
    layout->addLayout(buttons);
    layout->addWidget(m_bars, 1);
    layout->addWidget(m_pies, 1);

    // The note floats over the bars.
    MemoStapel = named(new QPlainTextEdit(this), "MemoStapel");
    MemoStapel->setReadOnly(true);
    MemoStapel->setPlainText(kMemoStapelLines.join(QLatin1Char('\n')));
    MemoStapel->hide();

    m_charts = new ResultCharts(ChartStapel, ChartEnergi, ChartEnergiRek, ScrollBarStapel, this);

    connect(SpeedButton5, &QToolButton::clicked, this, &ResultChartPanel::SpeedButton5Click);
    connect(SpeedButton6, &QToolButton::clicked, this, &ResultChartPanel::SpeedButton6Click);
    connect(SpeedButton8, &QToolButton::clicked, this, &ResultChartPanel::SpeedButton8Click);
    connect(ButtonProcent, &QPushButton::clicked, this, &ResultChartPanel::ButtonProcentClick);
    connect(CheckboxAlkohol, &QCheckBox::clicked, this, &ResultChartPanel::CheckboxAlkoholClick);
    connect(Button1, &QPushButton::clicked, this, &ResultChartPanel::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &ResultChartPanel::Button2Click);
}

void ResultChartPanel::refresh(const AppState& state) {
    if (isVisible())
        DrawResultCharts(state);
}

void ResultChartPanel::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    FitBarsPerPage();
    DrawResultCharts(m_state);
}

void ResultChartPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    MemoStapel->setGeometry(m_bars->x(), m_bars->y(), std::min(m_bars->width(), 360), 64);
    FitBarsPerPage();
}

void ResultChartPanel::FitBarsPerPage() {
    // A bar's label is a text item of the axis font with its document margins; the axis cuts a
    // label that is taller than its bar to "...". The plot area is the chart less its title,
    // the value axis below and the margins.
    const QFontMetrics labels(m_charts->categoryAxis()->labelsFont());
    const int perBar = labels.height() + 12;
    const int plotHeight = ChartStapel->height() - 4 * labels.height() - 48;
    const int bars = ResultChartBuilder::FitBarsPerPage(std::max(plotHeight, perBar),
                                                        m_state.selection.count(), perBar);
    m_charts->setBarsPerPage(std::max(bars, 1));
}

void ResultChartPanel::DrawResultCharts(const AppState& state) {
    ResultChartBuilder::Options options;
    options.missingValuesMode = MissingValuesMode;
    options.valueLabels = ButtonProcent->text() != QLatin1String("%");
    options.daySelectorText = ResultChartBuilder::daySelectorText(state, state.CurrentDay);
    const ResultChartData data = ResultChartBuilder::build(state, options);

    MemoStapel->setVisible(data.mealShareMissing && m_bars->isVisible() && state.ViewMode == 0);
    if (MemoStapel->isVisible())
        MemoStapel->raise();
    m_charts->draw(data);
    QPalette palette = SpeedButton8->palette();
    palette.setColor(QPalette::ButtonText, data.anyMissing ? Qt::red : QColor(0x00, 0x00, 0x80));
    SpeedButton8->setPalette(palette);
    EditPris->setText(data.priceText);
}

void ResultChartPanel::showBars(bool bars) {
    m_bars->setVisible(bars);
    m_pies->setVisible(!bars);
    SpeedButton8->setVisible(bars);
}

void ResultChartPanel::SpeedButton5Click() {
    MissingValuesMode = false;
    SpeedButton5->setChecked(true);
    m_charts->setValueLabelsVisible(true);
    showBars(true);
    m_updates.Recalculate();
}

void ResultChartPanel::SpeedButton6Click() {
    MissingValuesMode = false;
    SpeedButton6->setChecked(true);
    m_charts->setValueLabelsVisible(true);
    showBars(false);
    m_updates.Recalculate();
}

void ResultChartPanel::SpeedButton8Click() {
    MissingValuesMode = true;
    SpeedButton8->setChecked(true);
    m_charts->setValueLabelsVisible(false);
    showBars(true);
    m_updates.Recalculate();
}

void ResultChartPanel::ButtonProcentClick() {
    ButtonProcent->setText(ButtonProcent->text() == QLatin1String("%") ? QStringLiteral("Värde")
                                                                       : QStringLiteral("%"));
    m_updates.Recalculate();
}

void ResultChartPanel::CheckboxAlkoholClick() {
    m_state.AlcoholFactor = CheckboxAlkohol->isChecked() ? CalculationInputs::kAlcoholCounted : 0;
    m_updates.Recalculate();
}

void ResultChartPanel::Button1Click() {
    m_charts->setMaximum(m_charts->maximum() + 100);
    Button2->show();
}

void ResultChartPanel::Button2Click() {
    if (m_charts->maximum() > 110)
        m_charts->setMaximum(m_charts->maximum() - 100);
    if (m_charts->maximum() < 110)
        Button2->hide();
}

} // namespace vexamat
