#include "core/diabetes/GlucoseCurve.h"

#include "core/diabetes/ReadingStore.h"
#include "core/diabetes/ReadingTime.h"
#include "core/registration/Conversions.h"

namespace vexamat {

QList<GlucoseCurve::Point> GlucoseCurve::build(const ReadingStore& store, int day) {
    QList<Point> points;
    if (!ReadingStore::isValidDay(day))
        return points;
    double last = 0; // the curve starts at 00:00, which is never drawn
    for (int r = 1; r <= ReadingStore::kRows && points.size() < kMaxPoints; ++r) {
        const Reading& reading = store.reading(day, r);
        if (reading.value.isEmpty())
            continue;
        const double t = TimeToHours(reading.time);
        if (t - last <= kMinStep)
            continue;
        last = t;
        points << Point{t, double(TextToReal(reading.value))};
    }
    return points;
}

} // namespace vexamat
