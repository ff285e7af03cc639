#pragma once

#include <QChartView>
#include <QList>
#include <QStringList>

class QBarCategoryAxis;
class QGraphicsSimpleTextItem;
class QHorizontalStackedBarSeries;
class QValueAxis;

namespace vexamat {

// A chart of horizontal bars, each in its own colour, labelled on the left. Used by the small
// analysis windows; the numbers come from core.
class HorizontalBarChart : public QChartView {
    Q_OBJECT
public:
    struct Bar {
        QString label;
        double value = 0;
    };

    HorizontalBarChart(const QString& title, QWidget* parent = nullptr);
    ~HorizontalBarChart() override;

    // Top to bottom. Bars of the same count only move, so that a refresh stays cheap.
    void setBars(const QList<Bar>& bars);
    // One colour for every bar instead of the repeating series colours.
    void setSingleColour(unsigned rgb);
    // Texts drawn at the ends of the bars, one per bar top to bottom; none when empty.
    void setMarks(const QStringList& marks);

    QStringList labels() const { return m_labels; }
    QStringList marks() const { return m_marks; }
    QList<double> values() const { return m_values; }

private:
    unsigned colourOf(int bar) const;
    void placeMarks();

    QHorizontalStackedBarSeries* m_series = nullptr;
    QBarCategoryAxis* m_categories = nullptr;
    QValueAxis* m_axis = nullptr;
    QStringList m_labels;
    QList<double> m_values;
    QStringList m_marks;
    QList<QGraphicsSimpleTextItem*> m_markItems;
    int m_singleColour = -1;
};

} // namespace vexamat
