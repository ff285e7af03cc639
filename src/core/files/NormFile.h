#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace vexamat {

struct ActiveNorm;

// The ".norm" file beside a registration: ten filler lines, NormKind, NormLabel and the 72
// values of ActiveNeed with 3 decimals.
class NormFile {
public:
    static const QString kSaveFailed; // "Kan ej spara aktuell norm"
    static constexpr int kLabelLength = 80;

    static QStringList lines(const ActiveNorm& norm);
    static bool write(const QString& path, const ActiveNorm& norm, QString* error = nullptr);

    // Reads the norm: NormKind and NormName first, then (after beforeValues, which gets the
    // kind) the values into ActiveNeed and StandardNeed, and NormLabel. Lines missing at the
    // end read as empty (a value of 0). False when the file cannot be read.
    static bool read(const QString& path, ActiveNorm& norm,
                     const std::function<void(const QString& kind)>& beforeValues = {});
    // The same from lines already read.
    static void readLines(const QStringList& lines, ActiveNorm& norm,
                          const std::function<void(const QString& kind)>& beforeValues = {});
};

} // namespace vexamat
