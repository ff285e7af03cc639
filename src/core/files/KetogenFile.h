#pragma once

#include "core/norms/KetogenicPlan.h"

#include <QString>
#include <QStringList>

namespace vexamat {

// The ketogenic inputs ".ketogen" (104 lines): the sex word, the six input cells, the
// proposed day norm's 72 values and 15 empty lines, then 10 "dummy" lines. A file of an
// older version holds 66 values. Windows-1252, CR LF.
class KetogenFile {
public:
    static inline const QString kExtension = QStringLiteral(".ketogen");
    static inline const QString kSaveFailed = QStringLiteral("Kan ej spara egna normuppgifter");
    static constexpr int kValueLines = 87;
    static constexpr int kOldValueLines = 66;
    static constexpr int kLines = 104;

    static QStringList lines(const KetogenicInputs& inputs);
    static bool write(const QString& path, const KetogenicInputs& inputs, QString* error);
    // Reads into inputs: 87 values from a file of at least 103 lines, 66 from a shorter one
    // (the rest of the day norm keeps what inputs held). false with a Swedish reason when
    // the file cannot be read or is damaged; inputs is then unchanged.
    static bool read(const QString& path, KetogenicInputs* inputs, QString* error);
};

} // namespace vexamat
