#include "core/catalogue/NutrientNames.h"

#include "core/catalogue/Nutrients.h"
#include "core/text/TextCodec.h"

#include <QFile>

namespace vexamat {

QByteArray Cp437ToAnsi(const QByteArray& text) {
    static const std::array<std::pair<char, char>, 9> kMap{{
        {'\x8E', '\xC4'},
        {'\x8F', '\xC5'},
        {'\x99', '\xD6'},
        {'\x84', '\xE4'},
        {'\x86', '\xE5'},
        {'\x94', '\xF6'},
        {'\xF8', '\xB0'},
        {'\x8A', '\xE8'},
        {'\x82', '\xE9'},
    }};
    QByteArray out = text;
    for (const auto& [from, to] : kMap)
        out.replace(from, to);
    return out;
}

namespace {

// Integer conversion as the file expects it: leading blanks allowed, an optional sign,
// then digits only.
bool toInteger(const QString& text, int* value) {
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == QLatin1Char(' '))
        ++i;
    const QString rest = text.mid(i);
    if (rest.isEmpty())
        return false;
    qsizetype start = (rest.at(0) == QLatin1Char('+') || rest.at(0) == QLatin1Char('-')) ? 1 : 0;
    if (start >= rest.size())
        return false;
    for (qsizetype k = start; k < rest.size(); ++k) {
        if (rest.at(k) < QLatin1Char('0') || rest.at(k) > QLatin1Char('9'))
            return false;
    }
    bool ok = false;
    *value = rest.toInt(&ok);
    return ok;
}

QString notAnInteger(const QString& text, int line) {
    return QStringLiteral("Fel i nvnamn.txt, rad %1: \"%2\" är inte ett giltigt heltal.")
        .arg(line)
        .arg(text);
}

} // namespace

void NutrientNames::clear() {
    NutrientName.fill(QString());
    NutrientLabel.fill(QString());
    NutrientUnit.fill(QString());
    NutrientDecimals.fill(0);
}

NutrientNames::ReadResult NutrientNames::read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ReadResult result;
        result.status = ReadStatus::FileMissing;
        result.message =
            QStringLiteral("Kan inte öppna filen %1: %2").arg(path, file.errorString());
        return result;
    }
    return parse(file.readAll());
}

NutrientNames::ReadResult NutrientNames::parse(const QByteArray& content) {
    QList<QByteArray> rawLines = content.split('\n');
    if (!rawLines.isEmpty() && rawLines.last().isEmpty())
        rawLines.removeLast();
    int lineNo = 0;
    int nutrients = 0;
    for (QByteArray raw : rawLines) {
        ++lineNo;
        if (raw.endsWith('\r'))
            raw.chop(1);
        if (raw.startsWith('*'))
            continue;
        const QString line = TextCodec::decode1252(Cp437ToAnsi(raw));
        int no = 0;
        if (!toInteger(line.left(2), &no)) {
            ReadResult result;
            result.status = ReadStatus::BadNumber;
            result.message = QStringLiteral("Fel i namnfilen nvnamn.txt");
            result.line = lineNo;
            return result;
        }
        const QString r = line.mid(3);
        const qsizetype b = r.indexOf(QLatin1Char(' '));
        const qsizetype c = r.indexOf(QLatin1Char(','));
        int decimals = 0;
        const QString decimalText = c >= 0 ? r.mid(c + 1, 1) : QString();
        if (c < 0 || !toInteger(decimalText, &decimals)) {
            ReadResult result;
            result.status = ReadStatus::BadDecimals;
            result.message = notAnInteger(decimalText, lineNo);
            result.line = lineNo;
            return result;
        }
        if (no < 0 || no >= kNameCount)
            continue; // outside the arrays: not stored
        const QString name = b >= 0 ? r.left(b) : QString();
        QString unit;
        if (b < 0)
            unit = r.left(c);
        else if (c - b - 1 > 0)
            unit = r.mid(b + 1, c - b - 1);
        NutrientName[no] = name.left(kNameLength);
        NutrientUnit[no] = unit.left(kUnitLength);
        NutrientLabel[no] = r.left(c).left(kNameLength);
        NutrientDecimals[no] = decimals;
        if (isNutrientNo(no))
            ++nutrients;
    }
    // Without any nutrient every label, unit and rounding would be wrong without a word.
    if (nutrients == 0) {
        ReadResult result;
        result.status = ReadStatus::NoNutrients;
        result.message = QStringLiteral("Namnfilen nvnamn.txt innehåller inga näringsämnen. "
                                        "Lägg tillbaka filen ur standarddata.");
        return result;
    }
    return {};
}

QString NutrientNames::label(int nutrientNo) const {
    if (nutrientNo < 0 || nutrientNo >= kNameCount)
        return {};
    return NutrientLabel[nutrientNo];
}

int NutrientNames::decimals(int nutrientNo) const {
    if (nutrientNo < 0 || nutrientNo >= kUnitCount)
        return 0;
    return NutrientDecimals[nutrientNo];
}

} // namespace vexamat
