#include "core/files/InfoTexts.h"

namespace vexamat {

const QString InfoTexts::kFileName = QStringLiteral("info.txt");
const QString InfoTexts::kSaveFailed = QStringLiteral("Kan ej spara tips-texterna");

InfoTexts::Texts InfoTexts::parse(const QStringList& fileLines) {
    Texts texts;
    for (int n = 1; n <= kCount; ++n) {
        const QString prefix = QStringLiteral("M%1 ").arg(n);
        for (const QString& line : fileLines) {
            if (line.startsWith(prefix))
                texts[n - 1] << line.mid(prefix.size());
        }
    }
    return texts;
}

QStringList InfoTexts::lines(const Texts& texts) {
    QStringList out;
    for (int n = 1; n <= kCount; ++n) {
        for (const QString& line : texts[n - 1]) {
            if (line.isEmpty())
                break;
            out << QStringLiteral("M%1 ").arg(n) + line;
        }
    }
    return out;
}

QStringList InfoTexts::captions() {
    QStringList out;
    const QStringList subjects{QStringLiteral("Energi"), QStringLiteral("Protein"),
                               QStringLiteral("Fett"),   QStringLiteral("Kolh"),
                               QStringLiteral("Fiber"),  QStringLiteral("C"),
                               QStringLiteral("Järn"),   QStringLiteral("Kalc")};
    for (const QString& s : subjects) {
        const bool energy = s == QLatin1String("Energi");
        out << s + (energy ? QStringLiteral(" mkt låg") : QStringLiteral(" mkt lågt"))
            << s + (energy ? QStringLiteral(" låg") : QStringLiteral(" lågt"))
            << s + QStringLiteral(" bra")
            << s + (energy ? QStringLiteral(" hög") : QStringLiteral(" högt"));
    }
    return out;
}

} // namespace vexamat
