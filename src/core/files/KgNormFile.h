#pragma once

#include <QString>
#include <QStringList>

namespace vexamat {

// The inputs of the per-kg norm window as its controls hold them.
struct KgNormInputs {
    int sex = 0; // 0 woman, 1 man
    QString weight = QStringLiteral("70");
    QString age = QStringLiteral("55");
    QStringList dayNorm; // the day norm row as shown, one text per nutrient (72)
};

// The per-kg norm ".kropp" (100 lines): the sex word, weight, age, the day norm's 72 values
// and 15 empty lines, then 10 "dummy" lines. Windows-1252, CR LF.
class KgNormFile {
public:
    static inline const QString kExtension = QStringLiteral(".kropp");
    static inline const QString kSaveFailed =
        QStringLiteral("Kan ej spara egna normuppgifter per kg kroppsvikt");
    static constexpr int kValueLines = 87;
    static constexpr int kLines = 100;

    static QStringList lines(const KgNormInputs& inputs);
    static bool write(const QString& path, const KgNormInputs& inputs, QString* error);
    // false with a Swedish reason when the file cannot be read or is damaged (too short, a
    // value that is no number); inputs is then unchanged.
    static bool read(const QString& path, KgNormInputs* inputs, QString* error);
};

} // namespace vexamat
