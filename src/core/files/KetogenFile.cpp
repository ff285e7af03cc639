#include "core/files/KetogenFile.h"

#include "core/catalogue/Nutrients.h"
#include "core/files/SideFileLines.h"
#include "core/text/NumberText.h"
#include "core/text/TextCodec.h"

namespace vexamat {

namespace {

constexpr int kHeadLines = 7;
constexpr int kFullFile = 103;
const QString kSexWords[2] = {QStringLiteral("Kvinna"), QStringLiteral("Man")};

} // namespace

QStringList KetogenFile::lines(const KetogenicInputs& inputs) {
    QStringList out{kSexWords[inputs.sex == 1 ? 1 : 0]};
    for (const QString& cell : inputs.cells)
        out << cell;
    for (int c = 0; c < kValueLines; ++c)
        out << (c < kNutrientCount ? inputs.dayNorm.value(c) : QString());
    while (out.size() < kLines)
        out << QStringLiteral("dummy");
    return out;
}

bool KetogenFile::write(const QString& path, const KetogenicInputs& inputs, QString* error) {
    return SideFileLines::write(path, lines(inputs), kSaveFailed, error);
}

bool KetogenFile::read(const QString& path, KetogenicInputs* inputs, QString* error) {
    auto fail = [&](const QString& why) {
        if (error)
            *error = QStringLiteral("Kan ej läsa de ketogena uppgifterna %1: %2").arg(path, why);
        return false;
    };
    QStringList lines;
    if (!TextCodec::readLines(path, &lines))
        return fail(QStringLiteral("filen kan inte öppnas."));
    const int values = lines.size() >= kFullFile ? kNutrientCount : kOldValueLines;
    if (lines.size() < kHeadLines + values)
        return fail(QStringLiteral("filen är för kort."));
    KetogenicInputs read = *inputs;
    read.sex = lines[0] == kSexWords[1] ? 1 : 0;
    for (int i = 0; i < int(read.cells.size()); ++i) {
        const QString& text = lines[1 + i];
        if (!KetogenicPlan::checkCell(KetogenicPlan::Input(i), text).isEmpty())
            return fail(QStringLiteral("rad %1: %2")
                            .arg(i + 2)
                            .arg(KetogenicPlan::checkCell(KetogenicPlan::Input(i), text)));
        read.cells[std::size_t(i)] = text;
    }
    while (read.dayNorm.size() < kNutrientCount)
        read.dayNorm << QString();
    for (int c = 0; c < values; ++c) {
        const QString& text = lines[kHeadLines + c];
        if (NumberText::parse(text).kind == NumberText::Kind::Invalid)
            return fail(QStringLiteral("rad %1 är inte ett tal.").arg(kHeadLines + c + 1));
        read.dayNorm[c] = text;
    }
    *inputs = read;
    return true;
}

} // namespace vexamat
