#include "core/files/NormFile.h"

#include "core/norms/ActiveNorm.h"
#include "core/registration/Conversions.h"
#include "core/text/TextCodec.h"

namespace vexamat {

const QString NormFile::kSaveFailed = QStringLiteral("Kan ej spara aktuell norm");

namespace {
constexpr int kFillerLines = 10;
}

QStringList NormFile::lines(const ActiveNorm& norm) {
    QStringList out;
    for (int i = 0; i < kFillerLines; ++i)
        out << QStringLiteral("reserv");
    out << norm.NormKind << norm.NormLabel;
    for (float v : norm.ActiveNeed)
        out << QString::number(double(v), 'f', 3);
    return out;
}

bool NormFile::write(const QString& path, const ActiveNorm& norm, QString* error) {
    return TextCodec::writeLines(path, lines(norm), error);
}

bool NormFile::read(const QString& path, ActiveNorm& norm,
                    const std::function<void(const QString&)>& beforeValues) {
    QStringList lines;
    if (!TextCodec::readLines(path, &lines))
        return false;
    readLines(lines, norm, beforeValues);
    return true;
}

void NormFile::readLines(const QStringList& lines, ActiveNorm& norm,
                         const std::function<void(const QString&)>& beforeValues) {
    norm.NormKind = lines.value(kFillerLines);
    norm.NormName = lines.value(kFillerLines + 1).left(kLabelLength);
    if (beforeValues)
        beforeValues(norm.NormKind);
    for (int s = 0; s < int(norm.ActiveNeed.size()); ++s) {
        const float v = TextToReal(lines.value(kFillerLines + 2 + s));
        norm.ActiveNeed[s] = v;
        norm.StandardNeed[s] = v;
    }
    norm.NormLabel = norm.NormName;
}

} // namespace vexamat
