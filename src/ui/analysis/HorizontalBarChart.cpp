#include "ui/analysis/HorizontalBarChart.h"

#include "ui/analysis/ResultCharts.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QFontDatabase>
#include <QHorizontalStackedBarSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace vexamat {

HorizontalBarChart::HorizontalBarChart(const QString& title, QWidget* parent) : QChartView(parent) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->setBackgroundBrush(Qt::white);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->hide();
    setChart(chart); // the view owns the chart
    setRenderHint(QPainter::Antialiasing);

    // Each bar is its own set with a value only in its own row: that gives every bar its
    // own colour.
    m_series = new QHorizontalStackedBarSeries(chart);
    m_series->setBarWidth(0.7);
    chart->addSeries(m_series);
    m_categories = new QBarCategoryAxis(chart);
    m_categories->setGridLineVisible(false);
    // Labels are columns of name and figures: a fixed-width font keeps them lined up.
    m_categories->setLabelsFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_axis = new QValueAxis(chart);
    m_axis->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(m_categories, Qt::AlignLeft);
    chart->addAxis(m_axis, Qt::AlignBottom);
    m_series->attachAxis(m_categories);
    m_series->attachAxis(m_axis);
}

void HorizontalBarChart::setSingleColour(unsigned rgb) {
    m_singleColour = int(rgb);
}

unsigned HorizontalBarChart::colourOf(int bar) const {
    return m_singleColour >= 0 ? unsigned(m_singleColour) : ResultCharts::seriesColour(bar);
}

void HorizontalBarChart::setBars(const QList<Bar>& bars) {
    m_labels.clear();
    m_values.clear();
    for (const Bar& bar : bars) {
        m_labels << bar.label;
        m_values << bar.value;
    }
    const qsizetype count = bars.size();
    // The axis draws rich text, which would fold the blanks that line the figures up; labels
    // must also be unique on a category axis.
    QStringList axisLabels;
    for (qsizetype i = count - 1; i >= 0; --i) {
        QString label = bars[i].label;
        label.replace(QLatin1Char(' '), QChar(0x00A0));
        while (axisLabels.contains(label))
            label += QChar(0x200B);
        axisLabels << label;
    }

    const QList<QBarSet*> sets = m_series->barSets();
    if (sets.size() != count) {
        m_series->clear();
        QList<QBarSet*> fresh;
        for (qsizetype i = 0; i < count; ++i) {
            auto* set = new QBarSet(QString::number(i + 1));
            set->setColor(QColor::fromRgb(colourOf(int(i))));
            set->setBorderColor(QColor::fromRgb(colourOf(int(i))));
            set->append(QList<qreal>(count, 0.0));
            fresh << set;
        }
        m_series->append(fresh);
    }
    m_categories->setCategories(axisLabels);
    const QList<QBarSet*> current = m_series->barSets();
    for (qsizetype i = 0; i < count; ++i) {
        // The axis runs bottom-up: bar i of the list stands in row count - 1 - i.
        const qsizetype row = count - 1 - i;
        if (current[i]->at(row) != bars[i].value)
            current[i]->replace(row, std::max(bars[i].value, 0.0));
    }
    double top = 0;
    for (double v : std::as_const(m_values))
        top = std::max(top, v);
    m_axis->setRange(0, top > 0 ? top * 1.1 : 1.0);
    m_axis->applyNiceNumbers();
}

} // namespace vexamat
