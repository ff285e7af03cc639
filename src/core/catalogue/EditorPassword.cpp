#include "catalogue/EditorPassword.h"

namespace vexamat {

bool EditorPassword::matches(const QString& typed, const QString& expected) {
    QString upper = typed;
    for (QChar& c : upper) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 0x20);
    }
    return upper == expected;
}

} // namespace vexamat
