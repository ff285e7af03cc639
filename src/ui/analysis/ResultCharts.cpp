#include "ui/analysis/ResultCharts.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QFontDatabase>
#include <QGraphicsLineItem>
#include <QHorizontalStackedBarSeries>
#include <QPieSeries>
#include <QPieSlice>
#include <QScrollBar>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace vexamat {

namespace {

QChart* newChart(QChartView* view, const QString& title) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->setBackgroundBrush(Qt::white);
    chart->setAnimationOptions(QChart::NoAnimation);
    view->setChart(chart); // the view owns the chart
    view->setRenderHint(QPainter::Antialiasing);
    return chart;
}

QPieSeries* newPie(QChartView* view, const QString& title, const char* name) {
    QChart* chart = newChart(view, title);
    // The pies are narrow: each slice's name and share stand in the legend beside, where they
    // are never cut off.
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->legend()->setMinimumWidth(112);
    chart->setMargins(QMargins(0, 0, 0, 0));
    auto* pie = new QPieSeries(chart);
    pie->setObjectName(QString::fromLatin1(name));
    pie->setPieSize(0.9);
    chart->addSeries(pie);
    return pie;
}

} // namespace

unsigned ResultCharts::seriesColour(int series) {
    static constexpr unsigned colours[9] = {
        0x0000FF, // blue
        0xFF0000, // red
        0x008000, // green
        0xFF00FF, // fuchsia
        0x800080, // purple
        0x80FF80, // light green
        0xC0C0C0, // silver
        0x00FFFF, // aqua
        0x400040, // dark purple
    };
    return colours[((series % 9) + 9) % 9];
}

ResultCharts::ResultCharts(QChartView* bars, QChartView* actual, QChartView* ideal,
                           QScrollBar* pages, QObject* parent)
    : QObject(parent), m_pages(pages) {
    m_chart = newChart(bars, QStringLiteral("Näring i % av behovet"));
    m_chart->legend()->hide();
    m_series = new QHorizontalStackedBarSeries(m_chart);
    m_series->setObjectName(QStringLiteral("ChartStapelSeries"));
    m_series->setBarWidth(0.7);
    m_chart->addSeries(m_series);
    m_categories = new QBarCategoryAxis(m_chart);
    m_categories->setGridLineVisible(false);
    // The labels are columns of name, amount and unit: a fixed-width font keeps them lined up.
    m_categories->setLabelsFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_values = new QValueAxis(m_chart);
    m_values->setRange(0, kStartMaximum);
    m_values->setLabelFormat(QStringLiteral("%.0f"));
    m_chart->addAxis(m_categories, Qt::AlignLeft);
    m_chart->addAxis(m_values, Qt::AlignBottom);
    m_series->attachAxis(m_categories);
    m_series->attachAxis(m_values);

    m_hundredLine = new QGraphicsLineItem(m_chart);
    m_hundredLine->setPen(QPen(Qt::black, 1));
    m_hundredLine->setZValue(10);
    connect(m_chart, &QChart::plotAreaChanged, this, &ResultCharts::ChartStapelAfterDraw);
    connect(m_values, &QValueAxis::rangeChanged, this, &ResultCharts::ChartStapelAfterDraw);

    m_actual = newPie(actual, QStringLiteral("Energifördelning VERKLIG"), "PieSeries1");
    m_ideal = newPie(ideal, QStringLiteral("Energifördelning IDEAL"), "PieSeries2");

    if (m_pages) {
        m_pages->setRange(0, 0);
        connect(m_pages, &QScrollBar::valueChanged, this, &ResultCharts::showPage);
    }
}

void ResultCharts::draw(const ResultChartData& data) {
    m_chart->setTitle(data.title);

    // The axis draws its labels as rich text, which would fold the blanks that line the
    // columns up: they are shown as non-breaking spaces. Labels must also be unique on a
    // category axis: a repeated one gets invisible spaces.
    m_labels.clear();
    for (const ResultChartData::Bar& bar : data.bars) {
        QString label = bar.label;
        label.replace(QLatin1Char(' '), QChar(0x00A0));
        while (m_labels.contains(label))
            label += QChar(0x200B);
        m_labels << label;
    }

    int usedSeries = 0;
    for (const ResultChartData::Bar& bar : data.bars) {
        for (const ResultChartData::Segment& s : bar.segments)
            usedSeries = std::max(usedSeries, std::clamp(s.series, 0, kSeriesCount - 1) + 1);
    }
    // A horizontal bar chart puts its first category at the bottom: the bars are handed to
    // it bottom-up so that the first nutrient stands at the top.
    const qsizetype barCount = data.bars.size();
    QStringList axisLabels(m_labels.rbegin(), m_labels.rend());
    QList<QList<qreal>> values(usedSeries, QList<qreal>(barCount, 0.0));
    for (qsizetype i = 0; i < barCount; ++i) {
        for (const ResultChartData::Segment& s : data.bars[i].segments)
            values[std::clamp(s.series, 0, kSeriesCount - 1)][barCount - 1 - i] += s.value;
    }

    // Reuse the bar sets when only their values changed: the chart then moves its bars
    // instead of building them anew, which keeps a refresh fast.
    const QList<QBarSet*> current = m_series->barSets();
    const bool sameShape =
        current.size() == usedSeries && !current.isEmpty() && current.first()->count() == barCount;
    if (sameShape) {
        if (m_categories->categories() != axisLabels)
            m_categories->setCategories(axisLabels);
        for (int k = 0; k < usedSeries; ++k) {
            QBarSet* set = current[k];
            for (qsizetype i = 0; i < values[k].size(); ++i) {
                if (set->at(i) != values[k][i])
                    set->replace(i, values[k][i]);
            }
        }
    } else {
        m_series->clear();
        QList<QBarSet*> sets;
        for (int k = 0; k < usedSeries; ++k) {
            const QString name = QStringLiteral("Series%1").arg(k + 1);
            auto* set = new QBarSet(name);
            set->setObjectName(name);
            set->setColor(QColor::fromRgb(seriesColour(k)));
            set->setBorderColor(QColor::fromRgb(seriesColour(k)));
            set->append(values[k]);
            sets << set;
        }
        m_categories->setCategories(axisLabels);
        m_series->append(sets); // the series owns the sets
    }
    showPage();

    fillPie(m_actual, data.actualEnergy);
    fillPie(m_ideal, data.idealEnergy);
}

void ResultCharts::fillPie(QPieSeries* pie, const QList<ResultChartData::Slice>& slices) {
    pie->clear();
    for (const ResultChartData::Slice& s : slices) {
        QPieSlice* slice = pie->append(s.label, s.value);
        slice->setColor(QColor::fromRgb(s.rgb));
    }
    for (QPieSlice* slice : pie->slices())
        slice->setLabel(slice->label() +
                        QStringLiteral(" %1%").arg(qRound(slice->percentage() * 100)));
}

QStringList ResultCharts::labels() const {
    QStringList plain;
    for (QString label : m_labels) {
        label.replace(QChar(0x00A0), QLatin1Char(' '));
        label.remove(QChar(0x200B));
        plain << label;
    }
    return plain;
}

double ResultCharts::maximum() const {
    return m_values->max();
}

void ResultCharts::setMaximum(double maximum) {
    m_values->setRange(0, maximum);
}

void ResultCharts::setValueLabelsVisible(bool visible) {
    m_values->setLabelsVisible(visible);
}

void ResultCharts::setBarsPerPage(int bars) {
    m_barsPerPage = std::max(bars, 1);
    showPage();
}

void ResultCharts::showPage() {
    const int count = int(m_labels.size());
    const int perPage = std::min(m_barsPerPage, std::max(count, 1));
    if (m_pages) {
        const QSignalBlocker block(m_pages);
        m_pages->setRange(0, std::max(count - perPage, 0));
        m_pages->setPageStep(perPage);
        m_pages->setEnabled(count > perPage);
    }
    if (count == 0)
        return;
    const int first = m_pages ? std::clamp(m_pages->value(), 0, std::max(count - perPage, 0)) : 0;
    // The axis runs bottom-up: the page's last bar is its minimum.
    m_categories->setRange(m_labels[std::min(first + perPage, count) - 1], m_labels[first]);
}

double ResultCharts::hundredPercentX() const {
    const QRectF area = m_chart->plotArea();
    return area.left() + std::trunc(area.width() * 100.0 / m_values->max());
}

void ResultCharts::ChartStapelAfterDraw() {
    const QRectF area = m_chart->plotArea();
    const double x = hundredPercentX();
    m_hundredLine->setLine(x, area.top(), x, area.bottom());
    m_hundredLine->setVisible(m_values->max() > 0 && x <= area.right());
}

} // namespace vexamat
