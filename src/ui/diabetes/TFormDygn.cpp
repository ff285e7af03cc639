#include "ui/diabetes/TFormDygn.h"

#include "core/AppState.h"
#include "core/analysis/ResultChartBuilder.h"
#include "core/analysis/TimeDistribution.h"
#include "core/diabetes/CarbohydrateCounting.h"
#include "core/diabetes/GlucoseCurve.h"
#include "core/registration/Conversions.h"
#include "ui/Dialogs.h"
#include "ui/MainWindowUpdates.h"
#include "ui/Windows.h"
#include "ui/diabetes/TFormGlukos.h"
#include "ui/diabetes/TFormInsulin.h"
#include "ui/diabetes/TFormKolhkvot.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QGraphicsSimpleTextItem>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValueAxis>

#include <cmath>

namespace vexamat {

namespace {

constexpr double kFoodHalfWidth = 0.06;   // hours: a narrow bar inside its quarter hour
constexpr double kInsulinHalfWidth = 0.1; // hours
constexpr double kScaleStep = 1.1;
const QColor kLime(0x00FF00);

// List index to nutrient number: the list leaves out 17 and 18.
int nutrientOfIndex(int index) {
    return index < 2 ? 15 + index : index + 17;
}

int indexOfNutrient(int nutrientNo) {
    return nutrientNo < 17 ? nutrientNo - 15 : nutrientNo - 17;
}

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& text, bool checked,
                    const QColor& colour = {}) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setChecked(checked);
    if (colour.isValid()) {
        QPalette palette = box->palette();
        palette.setColor(QPalette::WindowText, colour);
        box->setPalette(palette);
    }
    return box;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text,
                    const QString& hint = {}) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    if (!hint.isEmpty())
        b->setToolTip(hint);
    return b;
}

QPlainTextEdit* memo(QWidget* parent, const char* name, const QString& text) {
    auto* m = new QPlainTextEdit(text, parent);
    m->setObjectName(QString::fromLatin1(name));
    m->setReadOnly(true);
    m->setMaximumHeight(m->fontMetrics().lineSpacing() * 5 + 12);
    return m;
}

QAreaSeries* barSeriesOf(QChart* chart, const char* name, const QString& title,
                         const QColor& colour) {
    auto* upper = new QLineSeries(chart);
    auto* series = new QAreaSeries(upper);
    series->setObjectName(QString::fromLatin1(name));
    series->setName(title);
    series->setColor(colour);
    series->setBorderColor(colour.darker(130));
    chart->addSeries(series);
    return series;
}

} // namespace

TFormDygn::TFormDygn(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs), m_insulinScale(CarbohydrateCounting::kStartScale) {
    setObjectName(QStringLiteral("TFormDygn"));
    setWindowTitle(QStringLiteral("Näringen under dygnet"));
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint);

    Label3 = new QLabel(QStringLiteral("När kolumnen klockan i måltiden är ifylld med ett "
                                       "klockslag visas här hur näringen fördelar sig under "
                                       "dygnet."),
                        this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setWordWrap(true);

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    for (int n = 15; n <= 86; ++n) {
        if (n != 17 && n != 18)
            ListBox1->addItem(QString());
    }
    ListBox1->setMaximumWidth(160);
    connect(ListBox1, &QListWidget::itemClicked, this, [this] { ListBox1Click(); });

    Label1 = new QLabel(QStringLiteral("kcal"), this);
    Label1->setObjectName(QStringLiteral("Label1"));

    m_chart = new QChart;
    m_chart->legend()->setAlignment(Qt::AlignBottom);
    Series1 = barSeriesOf(m_chart, "Series1", QStringLiteral("Mat"), Qt::blue);
    Series2 = barSeriesOf(m_chart, "Series2", QStringLiteral("Motion"), Qt::yellow);
    Series3 = barSeriesOf(m_chart, "Series3", QStringLiteral("Insulin"), kLime);
    Series4 = new QLineSeries(m_chart);
    Series4->setObjectName(QStringLiteral("Series4"));
    Series4->setName(QStringLiteral("Blodsocker"));
    Series4->setColor(Qt::red);
    Series4->setPointsVisible(true);
    Series4->setMarkerSize(8);
    m_chart->addSeries(Series4);

    m_axisX = new QValueAxis(m_chart);
    m_axisX->setRange(0, 24);
    m_axisX->setTickType(QValueAxis::TicksDynamic);
    m_axisX->setTickAnchor(0);
    m_axisX->setTickInterval(2);
    m_axisX->setLabelFormat(QStringLiteral("%d"));
    m_axisX->setTitleText(QStringLiteral("Klockan"));
    m_axisY = new QValueAxis(m_chart);
    m_axisY->setRange(0, 100);
    m_axisY->setTickType(QValueAxis::TicksDynamic);
    m_axisY->setTickAnchor(0);
    m_axisY->setTickInterval(10);
    m_axisY->setLabelFormat(QStringLiteral("%d"));
    m_chart->addAxis(m_axisX, Qt::AlignBottom);
    m_chart->addAxis(m_axisY, Qt::AlignLeft);
    for (QAbstractSeries* s : m_chart->series()) {
        s->attachAxis(m_axisX);
        s->attachAxis(m_axisY);
    }
    // "Mat" and the unused "Motion" have no legend entry.
    m_chart->legend()->markers(Series1).first()->setVisible(false);
    m_chart->legend()->markers(Series2).first()->setVisible(false);
    connect(m_chart, &QChart::plotAreaChanged, this, [this] { placeMarks(); });

    Chart1 = new QChartView(m_chart, this);
    Chart1->setObjectName(QStringLiteral("Chart1"));
    Chart1->setRenderHint(QPainter::Antialiasing);
    Chart1->setMinimumSize(560, 360);

    GroupBox2 = new QGroupBox(QStringLiteral("Etikett"), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    CheckBoxMat = checkBox(GroupBox2, "CheckBoxMat", QStringLiteral("Mat"), true, Qt::blue);
    CheckBoxGlukos =
        checkBox(GroupBox2, "CheckBoxGlukos", QStringLiteral("Blodsocker"), true, Qt::red);
    CheckBoxInsulin =
        checkBox(GroupBox2, "CheckBoxInsulin", QStringLiteral("Insulin"), true, kLime.darker(150));
    CheckBoxAktivitet = checkBox(GroupBox2, "CheckBoxAktivitet", QStringLiteral("Motion"), true);
    CheckBoxAktivitet->hide();
    auto* labels = new QVBoxLayout(GroupBox2);
    for (QCheckBox* box : {CheckBoxMat, CheckBoxGlukos, CheckBoxInsulin, CheckBoxAktivitet}) {
        labels->addWidget(box);
        connect(box, &QCheckBox::toggled, this, [this] { showMarks(); });
    }
    // Without the insulin marks the timeline drops the dose bars.
    connect(CheckBoxInsulin, &QCheckBox::toggled, this, [this] { recalculate(); });

    CheckBoxKolhberakning =
        checkBox(this, "CheckBoxKolhberakning", QStringLiteral("Förslag insulindos"), false);
    connect(CheckBoxKolhberakning, &QCheckBox::clicked, this,
            &TFormDygn::CheckBoxKolhberakningClick);
    ButtonOka = button(this, "ButtonOka", QStringLiteral("Skala +"));
    ButtonMinska = button(this, "ButtonMinska", QStringLiteral("Skala -"));
    ButtonOka->hide();
    ButtonMinska->hide();
    connect(ButtonOka, &QPushButton::clicked, this, &TFormDygn::ButtonOkaClick);
    connect(ButtonMinska, &QPushButton::clicked, this, &TFormDygn::ButtonMinskaClick);
    CheckBoxBlodsocker =
        checkBox(this, "CheckBoxBlodsocker", QStringLiteral("Visa blodsocker"), false);
    connect(CheckBoxBlodsocker, &QCheckBox::clicked, this, &TFormDygn::CheckBoxBlodsockerClick);

    Memo2 = memo(this, "Memo2", QStringLiteral("Välj näringsämne i listan till vänster."));
    Memo1 = memo(this, "Memo1",
                 QStringLiteral("För att skriva ut diagrammet håller du nere ALT (vänster om "
                                "mellanslag) trycker på tangenten PrtSC (höger om F12). "
                                "Därefter startar du Word och klickar på Klistra In."));

    BitBtnGlukos = button(this, "BitBtnGlukos", QStringLiteral("Blodsocker"),
                          QStringLiteral("Lägg in blodsockervärden"));
    // The insulin readings are reached from here; the other buttons stay hidden.
    BitBtnInsulin = button(this, "BitBtnInsulin", QStringLiteral("Insulin"),
                           QStringLiteral("Lägg in insulindoser"));
    BitBtnNv = button(this, "BitBtnNv", QStringLiteral("kcal"),
                      QStringLiteral("Välj näringsämne till vänster.."));
    BitBtnMotion = button(this, "BitBtnMotion", QStringLiteral("Motion"));
    BitBtnGlukos->hide();
    BitBtnNv->hide();
    BitBtnMotion->hide();
    connect(BitBtnGlukos, &QPushButton::clicked, this, &TFormDygn::BitBtnGlukosClick);
    connect(BitBtnInsulin, &QPushButton::clicked, this, &TFormDygn::BitBtnInsulinClick);
    connect(BitBtnNv, &QPushButton::clicked, this, &TFormDygn::BitBtnNvClick);

    auto* left = new QVBoxLayout;
    left->addWidget(Label1);
    left->addWidget(ListBox1, 1);
    left->addWidget(Memo2);
    auto* right = new QVBoxLayout;
    right->addWidget(GroupBox2);
    right->addWidget(CheckBoxBlodsocker);
    right->addWidget(BitBtnInsulin);
    right->addWidget(CheckBoxKolhberakning);
    auto* scale = new QHBoxLayout;
    scale->addWidget(ButtonOka);
    scale->addWidget(ButtonMinska);
    right->addLayout(scale);
    right->addWidget(BitBtnGlukos);
    right->addWidget(BitBtnNv);
    right->addWidget(BitBtnMotion);
    right->addStretch(1);
    right->addWidget(Memo1);
    auto* centre = new QVBoxLayout;
    centre->addWidget(Label3);
    centre->addWidget(Chart1, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(centre, 1);
    layout->addLayout(right);
    Memo1->setMaximumWidth(180);
    resize(980, 520);

    ListBox1->setCurrentRow(indexOfNutrient(m_state.TimeChartNutrient));
}

void TFormDygn::refresh(const AppState& state) {
    if (!isVisible())
        return;
    draw(state);
}

void TFormDygn::showEvent(QShowEvent* event) {
    FormBase::showEvent(event);
    draw(m_state);
}

void TFormDygn::recalculate() {
    if (m_windows.updates)
        m_windows.updates->Recalculate();
    else
        draw(m_state);
}

void TFormDygn::draw(const AppState& state) {
    // The names are read after the windows are made.
    for (int i = 0; i < ListBox1->count(); ++i) {
        const QString name = state.names.label(nutrientOfIndex(i));
        if (ListBox1->item(i)->text() != name)
            ListBox1->item(i)->setText(name);
    }
    const QString label = state.names.label(state.TimeChartNutrient);
    Label1->setText(label);
    BitBtnNv->setText(label);
    setWindowTitle(TimeDistribution::caption(
        label, ResultChartBuilder::daySelectorText(state, state.CurrentDay)));
    drawFood(state);
    drawInsulin(state);
    drawGlucose(state);
    showMarks();
    placeMarks();
}

void TFormDygn::drawFood(const AppState& state) {
    clearMarks(1);
    const int n = state.TimeChartNutrient;
    const int slot = n - 15;
    QList<QPointF> points;
    if (slot >= 0 && slot < 72) {
        const int decimals = state.names.NutrientDecimals[std::size_t(n)];
        for (const TimeDistribution::Bar& bar : TimeDistribution::bars(*state.results)) {
            const QPointF top(bar.hours, bar.percent);
            points << top;
            const double amount = double(state.results->TimeSum[std::size_t(bar.slot)][slot]);
            addMark(1, top,
                    FormatComma(amount, decimals) + QLatin1Char(' ') +
                        state.names.NutrientUnit[std::size_t(n)] + QStringLiteral(" = ") +
                        QString::number(std::lround(bar.percent)) + QLatin1Char('%'));
        }
    }
    m_bars[0] = points;
    setBars(Series1, points, kFoodHalfWidth);
}

void TFormDygn::drawInsulin(const AppState& state) {
    clearMarks(3);
    QList<QPointF> points;
    if (CheckBoxKolhberakning->isChecked() && CheckBoxInsulin->isChecked()) {
        const int decimals = state.names.NutrientDecimals[CarbohydrateCounting::kCarbohydrateNo];
        for (const CarbohydrateCounting::InsulinBar& bar : CarbohydrateCounting::insulinBars(
                 *state.results, CarbohydrateCounting::factorBySlot(state.carbohydrate),
                 m_insulinScale)) {
            const QPointF top(bar.hours, bar.height);
            points << top;
            addMark(3, top, FormatComma(bar.dose, decimals) + QStringLiteral(" IE"));
        }
    }
    m_bars[2] = points;
    setBars(Series3, points, kInsulinHalfWidth);
}

void TFormDygn::drawGlucose(const AppState& state) {
    clearMarks(4);
    Series4->clear();
    if (!CheckBoxBlodsocker->isChecked())
        return;
    const QLocale locale;
    for (const GlucoseCurve::Point& p : GlucoseCurve::build(state.GlucoseStore, state.CurrentDay)) {
        const QPointF at(p.hours, p.value * GlucoseCurve::kChartScale);
        Series4->append(at);
        addMark(4, at, locale.toString(p.value, 'f', 1) + QStringLiteral(" mmol"));
    }
}

void TFormDygn::setBars(QAreaSeries* series, const QList<QPointF>& tops, double halfWidth) {
    QList<QPointF> outline;
    outline.reserve(tops.size() * 4);
    for (const QPointF& top : tops) {
        outline << QPointF(top.x() - halfWidth, 0) << QPointF(top.x() - halfWidth, top.y())
                << QPointF(top.x() + halfWidth, top.y()) << QPointF(top.x() + halfWidth, 0);
    }
    series->upperSeries()->replace(outline);
}

QAreaSeries* TFormDygn::barSeries(int series) const {
    return series == 1 ? Series1 : series == 2 ? Series2 : series == 3 ? Series3 : nullptr;
}

QList<QPointF> TFormDygn::bars(int series) const {
    if (series < 1 || series > 3)
        return {};
    return m_bars[series - 1];
}

QStringList TFormDygn::marks(int series) const {
    QStringList out;
    for (const Mark& mark : m_marks) {
        if (mark.series == series && mark.item->isVisible())
            out << mark.item->text();
    }
    return out;
}

void TFormDygn::clearMarks(int series) {
    for (qsizetype i = m_marks.size() - 1; i >= 0; --i) {
        if (m_marks[i].series == series) {
            delete m_marks[i].item;
            m_marks.removeAt(i);
        }
    }
}

void TFormDygn::addMark(int series, QPointF at, const QString& text) {
    auto* item = new QGraphicsSimpleTextItem(text, m_chart);
    item->setZValue(10);
    m_marks << Mark{series, at, item};
}

void TFormDygn::showMarks() {
    for (const Mark& mark : m_marks) {
        const bool shown = mark.series == 1   ? CheckBoxMat->isChecked()
                           : mark.series == 3 ? CheckBoxInsulin->isChecked()
                                              : CheckBoxGlukos->isChecked();
        mark.item->setVisible(shown);
    }
}

void TFormDygn::placeMarks() {
    for (const Mark& mark : m_marks) {
        QAbstractSeries* series =
            mark.series == 4 ? static_cast<QAbstractSeries*>(Series4) : barSeries(mark.series);
        const QPointF pos = m_chart->mapToPosition(mark.at, series);
        const QRectF box = mark.item->boundingRect();
        mark.item->setPos(pos.x() - box.width() / 2, pos.y() - box.height() - 2);
    }
}

void TFormDygn::ListBox1Click() {
    const int row = ListBox1->currentRow();
    if (row < 0)
        return;
    m_state.TimeChartNutrient = nutrientOfIndex(row);
    recalculate();
}

void TFormDygn::CheckBoxKolhberakningClick() {
    const bool on = CheckBoxKolhberakning->isChecked();
    if (m_windows.FormKolhkvot)
        m_windows.FormKolhkvot->setVisible(on);
    ButtonOka->setVisible(on);
    ButtonMinska->setVisible(on);
    recalculate();
}

void TFormDygn::ButtonOkaClick() {
    m_insulinScale *= float(kScaleStep);
    draw(m_state);
}

void TFormDygn::ButtonMinskaClick() {
    m_insulinScale /= float(kScaleStep);
    draw(m_state);
}

void TFormDygn::CheckBoxBlodsockerClick() {
    if (m_windows.FormGlukos)
        m_windows.FormGlukos->setVisible(CheckBoxBlodsocker->isChecked());
    draw(m_state);
}

void TFormDygn::BitBtnGlukosClick() {
    if (m_windows.FormGlukos)
        m_windows.FormGlukos->setVisible(!m_windows.FormGlukos->isVisible());
}

void TFormDygn::BitBtnInsulinClick() {
    if (m_windows.FormInsulin)
        m_windows.FormInsulin->setVisible(!m_windows.FormInsulin->isVisible());
}

void TFormDygn::BitBtnNvClick() {
    m_dialogs.message(this,
                      QStringLiteral("Klicka på listan till vänster för att byta näringsämne."));
}

} // namespace vexamat
