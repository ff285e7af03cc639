#include "core/files/ActivityFile.h"

#include "core/files/SideFileLines.h"
#include "core/text/NumberText.h"
#include "core/text/TextCodec.h"

namespace vexamat {

namespace {

constexpr int kHeadLines = 3;

bool isNumber(const QString& text) {
    return NumberText::parse(text).kind == NumberText::Kind::Number;
}

QString damaged(const QString& path, int line, const QString& what) {
    return ActivityFile::kOpenFailed +
           QStringLiteral(" %1: rad %2 %3.").arg(path).arg(line).arg(what);
}

} // namespace

QStringList ActivityFile::lines(const ActivityInputs& inputs) {
    QStringList out{inputs.age, inputs.weight, QString::number(inputs.sex)};
    for (int r = 0; r < EnergyExpenditure::kGridRows; ++r) {
        const ActivityRow row = inputs.rows.value(r);
        out << row.name << row.minutes << row.factor;
    }
    return out;
}

bool ActivityFile::write(const QString& path, const ActivityInputs& inputs, QString* error) {
    return SideFileLines::write(path, lines(inputs), kSaveFailed, error);
}

bool ActivityFile::read(const QString& path, ActivityInputs* inputs, QString* error) {
    auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    QStringList lines;
    if (!TextCodec::readLines(path, &lines))
        return fail(kOpenFailed + QLatin1Char(' ') + path);
    if (lines.size() < kHeadLines)
        return fail(kOpenFailed + QStringLiteral(" %1: filen är för kort.").arg(path));
    ActivityInputs read;
    read.age = lines[0];
    read.weight = lines[1];
    if (!isNumber(read.age))
        return fail(damaged(path, 1, QStringLiteral("(ålder) är inte ett tal")));
    if (!isNumber(read.weight))
        return fail(damaged(path, 2, QStringLiteral("(vikt) är inte ett tal")));
    if (lines[2] != QLatin1String("0") && lines[2] != QLatin1String("1"))
        return fail(damaged(path, 3, QStringLiteral("(kön) är varken 0 eller 1")));
    read.sex = lines[2].toInt();
    // Triples until the end of the file; a list longer than the grid is cut at the grid.
    for (int first = kHeadLines;
         first < lines.size() && read.rows.size() < EnergyExpenditure::kGridRows; first += 3) {
        ActivityRow row{lines.value(first), lines.value(first + 1), lines.value(first + 2)};
        if (!row.name.isEmpty()) {
            if (!isNumber(row.minutes))
                return fail(damaged(path, first + 2, QStringLiteral("(minuter) är inte ett tal")));
            if (!isNumber(row.factor))
                return fail(
                    damaged(path, first + 3, QStringLiteral("(BMR-faktor) är inte ett tal")));
        }
        read.rows << row;
    }
    while (read.rows.size() < EnergyExpenditure::kGridRows)
        read.rows << ActivityRow{};
    *inputs = read;
    return true;
}

} // namespace vexamat
