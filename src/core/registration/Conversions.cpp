#include "core/registration/Conversions.h"

#include <cmath>
#include <limits>

namespace vexamat {

namespace {

QString trimLeft(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == QLatin1Char(' '))
        ++i;
    return text.mid(i);
}

// A decimal number as the program's own files and cells hold it: an optional sign, digits
// with at most one point, an optional exponent. Nothing else (no blanks) may follow.
bool parseDecimal(const QString& text, double* value) {
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        if (!(c.isDigit() || c == QLatin1Char('.') || c == QLatin1Char('-') ||
              c == QLatin1Char('+') || c == QLatin1Char('e') || c == QLatin1Char('E')))
            return false;
    }
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return false;
    *value = v;
    return true;
}

} // namespace

float TextToReal(const QString& text) {
    QString t = trimLeft(text);
    const qsizetype comma = t.indexOf(QLatin1Char(','));
    if (comma >= 0)
        t[comma] = QLatin1Char('.');
    double v = 0;
    // A number beyond single precision would become infinity, be saved as "inf" and read
    // back as 0: it reads as 0 at once, like any other text that is no amount.
    if (!parseDecimal(t, &v) || std::abs(v) > double(std::numeric_limits<float>::max()))
        return 0.0f;
    return float(v);
}

QString DotToComma(const QString& text) {
    QString t = trimLeft(text);
    const qsizetype dot = t.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        t[dot] = QLatin1Char(',');
    return t;
}

int TimeToSlot(const QString& text) {
    QString t = trimLeft(text);
    qsizetype sep = t.indexOf(QLatin1Char(','));
    if (sep < 0)
        sep = t.indexOf(QLatin1Char(':'));
    if (sep >= 0)
        t[sep] = QLatin1Char('.');
    double x = 0;
    if (!parseDecimal(t, &x) || x < 0)
        return 96;
    // Hours past the day wrap to 0; checked on the double, so that a huge number never
    // overflows the conversion to int.
    const int h = x < 24.0 ? int(std::trunc(x)) : 0;
    // Single precision absorbs the binary noise of the fraction (8.15 gives 15, not 14.99..).
    const float m = float((x - std::trunc(x)) * 100.0);
    int q = 0;
    if (m < 15)
        q = 0;
    else if (m < 30)
        q = 1;
    else if (m < 45)
        q = 2;
    else if (m < 60)
        q = 3;
    return 4 * h + q;
}

QString FormatComma(double value, int decimals) {
    QString s = QString::number(value, 'f', decimals);
    if (s.toDouble() == 0.0)
        s = QString::number(0.0, 'f', decimals); // no "-0,0"
    s.replace(QLatin1Char('.'), QLatin1Char(','));
    return s;
}

} // namespace vexamat
