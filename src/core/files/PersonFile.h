#pragma once

#include "core/norms/PersonInputs.h"

#include <QString>
#include <QStringList>

namespace vexamat {

// The ".pers" file beside a registration whose norm is a personal norm: the inputs of the
// personal-norm window, ten lines and ten "dummy" lines.
class PersonFile {
public:
    static inline const QString kSaveFailed = QStringLiteral("Kan ej spara persondata");
    static constexpr int kLineCount = 20;

    static QStringList lines(const PersonInputs& in);
    static bool write(const QString& path, const PersonInputs& in, QString* error = nullptr);
    // Reads into in in the order sex, age, weight, height, work, leisure, healthy BMR,
    // special BMR, ill, ill BMR. A damaged line stops the reading there: what came before it
    // is in in, the rest is unchanged, and false comes back with the reason in error.
    static bool read(const QString& path, PersonInputs& in, QString* error = nullptr);
};

} // namespace vexamat
