#pragma once

#include <QString>

namespace vexamat {

// The administrator password check of the table editors.
class EditorPassword {
public:
    static inline const QString kDefault = QStringLiteral("KORPRAM");

    // The typed entry, with a to z upper-cased (other letters stay as typed), compared
    // exactly with the expected text.
    static bool matches(const QString& typed, const QString& expected);
};

} // namespace vexamat
