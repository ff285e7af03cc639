#pragma once

#include <QList>

namespace vexamat {

class ReadingStore;

// The blood-glucose curve of one day, from its readings in row order. A reading counts only
// when it comes more than 0.1 hour (6 minutes) after the last one that counted, so readings
// must be typed in rising time order; the first must come after 00:06.
class GlucoseCurve {
public:
    static constexpr int kMaxPoints = 30;
    static constexpr double kMinStep = 0.1;    // hours
    static constexpr double kChartScale = 5.0; // 20 mmol/l reaches the top of the 0-100 axis

    struct Point {
        double hours = 0;
        double value = 0; // mmol/l
        bool operator==(const Point&) const = default;
    };

    // The points of the day; readings without a value are passed over, an unreadable time
    // or value counts as 0.
    static QList<Point> build(const ReadingStore& store, int day);
};

} // namespace vexamat
