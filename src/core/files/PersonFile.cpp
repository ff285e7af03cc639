#include "core/files/PersonFile.h"

#include "core/files/SideFileLines.h"
#include "core/text/TextCodec.h"

namespace vexamat {

QStringList PersonFile::lines(const PersonInputs& in) {
    QStringList out{SideFileLines::sexWord(in.sex),
                    in.age,
                    in.weight,
                    in.height,
                    QString::number(in.work),
                    QString::number(in.leisure),
                    in.healthyBmr,
                    QString::number(in.ill),
                    QString::number(in.illBmr),
                    in.specialBmr};
    SideFileLines::fill(out, kLineCount);
    return out;
}

bool PersonFile::write(const QString& path, const PersonInputs& in, QString* error) {
    return TextCodec::writeLines(path, lines(in), error);
}

bool PersonFile::read(const QString& path, PersonInputs& in, QString* error) {
    QStringList file;
    if (!TextCodec::readLines(path, &file)) {
        if (error)
            *error = SideFileLines::cannotOpen();
        return false;
    }
    SideFileLines reader(file, error);
    // Lines 1..10 in the order the window takes them: the special BMR before the choice of
    // illness, so that the special value does not switch the choice.
    return reader.sex(0, in.sex) && reader.number(1, in.age) && reader.number(2, in.weight) &&
           reader.number(3, in.height) && reader.index(4, 4, in.work) &&
           reader.index(5, 4, in.leisure) && reader.number(6, in.healthyBmr) &&
           reader.number(9, in.specialBmr) && reader.index(7, 2, in.ill) &&
           reader.index(8, 4, in.illBmr);
}

} // namespace vexamat
