#include "core/analysis/NutrientSelection.h"

#include "core/catalogue/Nutrients.h"
#include "core/text/TextCodec.h"

#include <QFileInfo>
#include <QStringList>

namespace vexamat {

bool NutrientSelection::isSelected(int nutrientNo) const {
    return nutrientNo >= 0 && nutrientNo < kFlagCount && SelectedNutrient[nutrientNo];
}

void NutrientSelection::setSelected(int nutrientNo, bool on) {
    if (nutrientNo >= 0 && nutrientNo < kFlagCount)
        SelectedNutrient[nutrientNo] = on;
}

int NutrientSelection::count() const {
    int n = 0;
    for (int no = kFirstNutrientNo; no <= kLastNutrientNo; ++no)
        n += SelectedNutrient[no] ? 1 : 0;
    return n;
}

void NutrientSelection::addDefaults() {
    for (int no : kDefaults)
        SelectedNutrient[no] = true;
}

bool NutrientSelection::load(const QString& path) {
    clear();
    QStringList lines;
    bool ok = TextCodec::readLines(path, &lines);
    if (ok) {
        for (const QString& line : lines) {
            if (line.trimmed().isEmpty())
                continue; // a blank line holds no number, as when reading number by number
            bool isNumber = false;
            const int no = line.trimmed().toInt(&isNumber);
            if (!isNumber) {
                ok = false;
                break;
            }
            if (isNutrientNo(no))
                SelectedNutrient[no] = true;
        }
    }
    if (!ok)
        addDefaults();
    return ok;
}

bool NutrientSelection::save(const QString& path, QString* error) const {
    QStringList lines;
    for (int no = kFirstNutrientNo; no <= kLastNutrientNo; ++no) {
        if (SelectedNutrient[no])
            lines << QString::number(no);
    }
    return TextCodec::writeLines(path, lines, error);
}

QString NutrientSelection::withNvvalExtension(const QString& path) {
    const QFileInfo info(path);
    const QString base =
        info.suffix().isEmpty() ? path : path.left(path.size() - info.suffix().size() - 1);
    return base + QStringLiteral(".nvval");
}

} // namespace vexamat
