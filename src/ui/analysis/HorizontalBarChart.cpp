#include "ui/analysis/HorizontalBarChart.h"

#include "ui/analysis/ResultCharts.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QFontDatabase>
#include <QGraphicsSimpleTextItem>
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
    m_categories->setTruncateLabels(false); // the figures at a label's end matter most
    // Labels are columns of name and figures: a fixed-width font keeps them lined up.
    m_categories->setLabelsFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_axis = new QValueAxis(chart);
    m_axis->setLabelFormat(QStringLiteral("%g"));
    chart->addAxis(m_categories, Qt::AlignLeft);
    chart->addAxis(m_axis, Qt::AlignBottom);
    m_series->attachAxis(m_categories);
    m_series->attachAxis(m_axis);
    connect(chart, &QChart::plotAreaChanged, this, &HorizontalBarChart::placeMarks);
}

HorizontalBarChart::~HorizontalBarChart() {
    // The view deletes its chart after this object's members are gone: the chart must not
    // call back into them while it goes.
    disconnect(chart(), nullptr, this, nullptr);
}

void HorizontalBarChart::setMarks(const QStringList& marks) {
    m_marks = marks;
    while (m_markItems.size() > m_marks.size())
        delete m_markItems.takeLast();
    while (m_markItems.size() < m_marks.size()) {
        auto* item = new QGraphicsSimpleTextItem(chart());
        item->setZValue(10);
        m_markItems << item;
    }
    for (qsizetype i = 0; i < m_marks.size(); ++i)
        m_markItems[i]->setText(m_marks[i]);
    placeMarks();
}

void HorizontalBarChart::placeMarks() {
    const QRectF area = chart()->plotArea();
    const qsizetype count = m_values.size();
    for (qsizetype i = 0; i < m_markItems.size(); ++i) {
        QGraphicsSimpleTextItem* item = m_markItems[i];
        item->setVisible(i < count);
        if (i >= count)
            continue;
        // The bar's end, in the row the axis gives it (bottom-up).
        const QPointF end = chart()->mapToPosition(
            QPointF(std::max(m_values[i], 0.0), double(count - 1 - i)), m_series);
        const QRectF box = item->boundingRect();
        double x = end.x() + 4;
        const bool inside = x + box.width() > area.right();
        if (inside)
            x = std::max(area.left(), end.x() - box.width() - 4);
        item->setBrush(inside ? Qt::white : Qt::black);
        item->setPos(x, end.y() - box.height() / 2);
    }
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
    // Room to the right of the longest bar for its mark.
    m_axis->setRange(0, top > 0 ? top * (m_marks.isEmpty() ? 1.1 : 1.4) : 1.0);
    m_axis->applyNiceNumbers();
    placeMarks();
}

} // namespace vexamat
