#pragma once

#include "core/norms/EnergyExpenditure.h"

#include <QString>
#include <QStringList>

namespace vexamat {

// An activity list ".akt": age, weight and sex (0 woman, 1 man), then three lines per grid
// row (shown name, minutes, BMR factor), free rows as three empty lines. Windows-1252, CR LF.
class ActivityFile {
public:
    static inline const QString kExtension = QStringLiteral(".akt");
    static inline const QString kSaveFailed = QStringLiteral("Kan ej spara aktiviteterna.");
    static inline const QString kOpenFailed = QStringLiteral("Kan ej öppna aktivitetslistan");

    static QStringList lines(const ActivityInputs& inputs);
    // Atomically; kSaveFailed and the reason in error when it cannot be written.
    static bool write(const QString& path, const ActivityInputs& inputs, QString* error);
    // The inputs of the file, with EnergyExpenditure::kGridRows rows (free rows empty).
    // false with kOpenFailed and the reason in error when the file cannot be read or is
    // damaged (a line that should be a number is not); inputs is then unchanged.
    static bool read(const QString& path, ActivityInputs* inputs, QString* error);
};

} // namespace vexamat
