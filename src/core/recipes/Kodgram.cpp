#include "core/recipes/Kodgram.h"

#include "core/registration/MealRow.h"

#include <cmath>

namespace vexamat {

namespace {

QString wholeNumber(float value) {
    if (!std::isfinite(value))
        return QStringLiteral("0");
    return QString::number(std::round(double(value)), 'f', 0);
}

} // namespace

QString Kodgram::entry(const MealRow& row) {
    QString unit = row.enhet;
    unit.replace(QLatin1Char(';'), QLatin1Char(','));
    return row.kod + QLatin1Char('!') + wholeNumber(row.gram) + QLatin1Char('/') +
           wholeNumber(row.enhetsvikt) + QLatin1Char('@') + unit + QLatin1Char(';');
}

QString Kodgram::encode(const Registration::Meal& meal) {
    QString text;
    for (const MealRow& row : meal) {
        if (!row.isEmpty())
            text += entry(row);
    }
    return text + kTerminator;
}

QList<KodgramEntry> Kodgram::parse(const QString& text) {
    QList<KodgramEntry> entries;
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype bang = text.indexOf(QLatin1Char('!'), pos);
        if (bang < 0)
            break;
        KodgramEntry e;
        e.code = text.mid(pos, bang - pos);
        if (e.code == QLatin1String("0"))
            break;
        qsizetype end = text.indexOf(QLatin1Char(';'), bang + 1);
        if (end < 0)
            end = text.size();
        const QString body = text.mid(bang + 1, end - bang - 1);
        pos = end + 1;
        const qsizetype slash = body.indexOf(QLatin1Char('/'));
        if (slash < 0) {
            e.grams = body;
        } else {
            e.grams = body.left(slash);
            const qsizetype at = body.indexOf(QLatin1Char('@'), slash + 1);
            if (at < 0) {
                e.unitWeight = body.mid(slash + 1);
            } else {
                e.unitWeight = body.mid(slash + 1, at - slash - 1);
                e.unitName = body.mid(at + 1);
            }
        }
        entries << e;
    }
    return entries;
}

} // namespace vexamat
