#include "core/files/OwnNormFile.h"

#include "core/catalogue/Nutrients.h"
#include "core/files/SideFileLines.h"
#include "core/text/TextCodec.h"

namespace vexamat {

namespace {
constexpr int kFirstCellLine = 6;
} // namespace

QStringList OwnNormFile::lines(const Contents& contents) {
    const OwnNormInputs& in = contents.inputs;
    QStringList out{
        SideFileLines::sexWord(in.sex), in.kcal, in.age, in.protein, in.fat, in.carbohydrate};
    for (int c = 0; c < kStoredCells; ++c)
        out << (c < kNutrientCount ? contents.cells.value(c) : QString());
    SideFileLines::fill(out, kLineCount);
    return out;
}

bool OwnNormFile::write(const QString& path, const Contents& contents, QString* error) {
    return TextCodec::writeLines(path, lines(contents), error);
}

bool OwnNormFile::read(const QString& path, Contents& contents, QString* error) {
    QStringList file;
    if (!TextCodec::readLines(path, &file)) {
        if (error)
            *error = SideFileLines::cannotOpen();
        return false;
    }
    SideFileLines reader(file, error);
    OwnNormInputs& in = contents.inputs;
    if (!(reader.sex(0, in.sex) && reader.number(1, in.kcal) && reader.number(2, in.age) &&
          reader.number(3, in.protein) && reader.number(4, in.fat) &&
          reader.number(5, in.carbohydrate)))
        return false;
    const int count = file.size() >= kLineCount ? kNutrientCount : kOlderCells;
    while (contents.cells.size() < kNutrientCount)
        contents.cells << QString();
    for (int c = 0; c < count; ++c) {
        if (!reader.number(kFirstCellLine + c, contents.cells[c]))
            return false;
    }
    return true;
}

} // namespace vexamat
