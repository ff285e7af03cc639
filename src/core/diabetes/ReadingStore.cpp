#include "core/diabetes/ReadingStore.h"

namespace vexamat {

void ReadingStore::set(int day, int row, const QString& time, const QString& value) {
    Reading& r = reading(day, row);
    r.time = time.left(kTextLength);
    r.value = value.left(kTextLength);
}

void ReadingStore::clear() {
    for (auto& day : m_days)
        day.fill(Reading{});
}

} // namespace vexamat
