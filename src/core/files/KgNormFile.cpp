#include "core/files/KgNormFile.h"

#include "core/catalogue/Nutrients.h"
#include "core/files/SideFileLines.h"
#include "core/text/NumberText.h"
#include "core/text/TextCodec.h"

namespace vexamat {

namespace {

constexpr int kHeadLines = 3;
const QString kSexWords[2] = {QStringLiteral("Kvinna"), QStringLiteral("Man")};

} // namespace

QStringList KgNormFile::lines(const KgNormInputs& inputs) {
    QStringList out{kSexWords[inputs.sex == 1 ? 1 : 0], inputs.weight, inputs.age};
    for (int c = 0; c < kValueLines; ++c)
        out << (c < kNutrientCount ? inputs.dayNorm.value(c) : QString());
    while (out.size() < kLines)
        out << QStringLiteral("dummy");
    return out;
}

bool KgNormFile::write(const QString& path, const KgNormInputs& inputs, QString* error) {
    return SideFileLines::write(path, lines(inputs), kSaveFailed, error);
}

bool KgNormFile::read(const QString& path, KgNormInputs* inputs, QString* error) {
    auto fail = [&](const QString& why) {
        if (error)
            *error = QStringLiteral("Kan ej läsa normen per kg kroppsvikt %1: %2").arg(path, why);
        return false;
    };
    QStringList lines;
    if (!TextCodec::readLines(path, &lines))
        return fail(QStringLiteral("filen kan inte öppnas."));
    if (lines.size() < kHeadLines + kValueLines)
        return fail(QStringLiteral("filen är för kort."));
    KgNormInputs read;
    // Only exactly "Man" is a man.
    read.sex = lines[0] == kSexWords[1] ? 1 : 0;
    read.weight = lines[1];
    read.age = lines[2];
    for (int i = 1; i <= 2; ++i) {
        if (NumberText::parse(lines[i]).kind == NumberText::Kind::Invalid)
            return fail(QStringLiteral("rad %1 är inte ett tal.").arg(i + 1));
    }
    for (int c = 0; c < kNutrientCount; ++c) {
        const QString& value = lines[kHeadLines + c];
        if (NumberText::parse(value).kind == NumberText::Kind::Invalid)
            return fail(QStringLiteral("rad %1 är inte ett tal.").arg(kHeadLines + c + 1));
        read.dayNorm << value;
    }
    *inputs = read;
    return true;
}

} // namespace vexamat
