#include "core/text/SwedishText.h"

namespace vexamat {

namespace {

// Sort weight of one character: letters case-insensitive, Å Ä Ö (and Æ Ø) after Z,
// accented letters with their base letter.
int weight(QChar c) {
    const QChar u = c.toUpper();
    switch (u.unicode()) {
    case 0x00C5: // Å
        return 'Z' + 1;
    case 0x00C4: // Ä
    case 0x00C6: // Æ
        return 'Z' + 2;
    case 0x00D6: // Ö
    case 0x00D8: // Ø
        return 'Z' + 3;
    case 0x00DC: // Ü sorts as Y in Swedish
        return 'Y';
    default:
        break;
    }
    if (u.unicode() >= 0x00C0 && u.unicode() <= 0x00FF) {
        const QString base = QString(u).normalized(QString::NormalizationForm_D);
        if (!base.isEmpty() && base.at(0).unicode() < 128)
            return base.at(0).unicode();
    }
    return u.unicode() < 128 ? u.unicode() : u.unicode() + 0x100;
}

} // namespace

QString SwedishText::upper(const QString& text) {
    return text.toUpper();
}

int SwedishText::compare(const QString& a, const QString& b) {
    const qsizetype n = qMin(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const int wa = weight(a.at(i));
        const int wb = weight(b.at(i));
        if (wa != wb)
            return wa < wb ? -1 : 1;
    }
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return 0;
}

} // namespace vexamat
