#pragma once

#include <QList>
#include <QString>

namespace vexamat {

// What the result charts of the main window draw, computed from the engine's results.
struct ResultChartData {
    struct Segment {
        int series = 0; // 0..99: row, meal or day of the bar's segment
        float value = 0;
    };
    struct Bar {
        int nutrientNo = 0;
        QString label;
        QList<Segment> segments;
        float total() const {
            float t = 0;
            for (const Segment& s : segments)
                t += s.value;
            return t;
        }
    };
    struct Slice {
        QString label;
        float value = 0;
        unsigned rgb = 0; // 0xRRGGBB
    };

    QString title;
    QList<Bar> bars; // top to bottom
    bool anyMissing = false;
    bool mealShareMissing = false; // the current meal has no share of the day's need
    QList<Slice> actualEnergy;     // "Energifördelning VERKLIG"
    QList<Slice> idealEnergy;      // "Energifördelning IDEAL"
    QString priceText;
};

} // namespace vexamat
