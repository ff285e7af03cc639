#pragma once

#include "core/analysis/ResultChartData.h"

#include <QObject>

class QBarCategoryAxis;
class QChart;
class QChartView;
class QGraphicsLineItem;
class QHorizontalStackedBarSeries;
class QPieSeries;
class QScrollBar;
class QValueAxis;

namespace vexamat {

// Draws the main window's result charts: the stacked bar chart of the selected nutrients
// and the actual and ideal energy pies. Only draws: the numbers come from core.
class ResultCharts : public QObject {
    Q_OBJECT
public:
    static constexpr int kSeriesCount = 100;
    static constexpr double kStartMaximum = 200;

    // The chart views and the scroll bar are owned by the main window.
    ResultCharts(QChartView* bars, QChartView* actual, QChartView* ideal, QScrollBar* pages,
                 QObject* parent);

    void draw(const ResultChartData& data);
    // Slices in their colours, each labelled with its name and share in whole percent.
    static void fillPie(QPieSeries* pie, const QList<ResultChartData::Slice>& slices);
    // Colour of series k (0-based) as 0xRRGGBB; the colours repeat every nine series.
    static unsigned seriesColour(int series);

    // The bar labels as drawn, top to bottom, with plain blanks.
    QStringList labels() const;
    double maximum() const;
    void setMaximum(double maximum);
    void setValueLabelsVisible(bool visible);
    // Bars per page; the scroll bar moves through the rest.
    void setBarsPerPage(int bars);
    int barsPerPage() const { return m_barsPerPage; }
    // The x position of the vertical line at 100 % of need, in chart coordinates.
    double hundredPercentX() const;

    QHorizontalStackedBarSeries* barSeries() const { return m_series; }
    QBarCategoryAxis* categoryAxis() const { return m_categories; }
    QValueAxis* valueAxis() const { return m_values; }
    QPieSeries* actualPie() const { return m_actual; }
    QPieSeries* idealPie() const { return m_ideal; }

private:
    void ChartStapelAfterDraw();
    void showPage();

    QChart* m_chart = nullptr;
    QHorizontalStackedBarSeries* m_series = nullptr;
    QBarCategoryAxis* m_categories = nullptr;
    QValueAxis* m_values = nullptr;
    QGraphicsLineItem* m_hundredLine = nullptr;
    QPieSeries* m_actual = nullptr;
    QPieSeries* m_ideal = nullptr;
    QScrollBar* m_pages = nullptr;
    QStringList m_labels;
    int m_barsPerPage = 7;
};

} // namespace vexamat
