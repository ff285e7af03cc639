#include "core/files/HarrisFile.h"

#include "core/files/SideFileLines.h"
#include "core/text/TextCodec.h"

namespace vexamat {

QStringList HarrisFile::lines(const HarrisInputs& in) {
    QStringList out{SideFileLines::sexWord(in.sex), in.age, in.weight, in.height, in.factor};
    SideFileLines::fill(out, kLineCount);
    return out;
}

bool HarrisFile::write(const QString& path, const HarrisInputs& in, QString* error) {
    return TextCodec::writeLines(path, lines(in), error);
}

bool HarrisFile::read(const QString& path, HarrisInputs& in, QString* error) {
    QStringList file;
    if (!TextCodec::readLines(path, &file)) {
        if (error)
            *error = SideFileLines::cannotOpen();
        return false;
    }
    SideFileLines reader(file, error);
    return reader.sex(0, in.sex) && reader.number(1, in.age) && reader.number(2, in.weight) &&
           reader.number(3, in.height) && reader.number(4, in.factor);
}

} // namespace vexamat
