#pragma once

#include "core/norms/HarrisInputs.h"

#include <QString>
#include <QStringList>

namespace vexamat {

// The ".harris" file beside a registration whose norm is a Harris–Benedict estimate: the
// sex, age, weight, height and activity factor, and ten "dummy" lines.
class HarrisFile {
public:
    static inline const QString kSaveFailed =
        QStringLiteral("Kan ej spara uppgifterna för Harris Benedicts formel");
    static constexpr int kLineCount = 15;

    static QStringList lines(const HarrisInputs& in);
    static bool write(const QString& path, const HarrisInputs& in, QString* error = nullptr);
    // Reads the five inputs into in (the unit is not stored); a damaged line stops the
    // reading there with the reason in error, what came before it is in in.
    static bool read(const QString& path, HarrisInputs& in, QString* error = nullptr);
};

} // namespace vexamat
