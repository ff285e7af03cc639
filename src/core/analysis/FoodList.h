#pragma once

#include <QStringList>

namespace vexamat {

// What the food list shows: the visible lines and, at the same index, their companion
// lines (name "{" kod "}" portion "@" unit, or a heading's own text).
struct FoodList {
    QStringList lines;
    QStringList companions;

    void clear() {
        lines.clear();
        companions.clear();
    }
    int size() const { return int(lines.size()); }
};

} // namespace vexamat
