#include "core/text/SwedishText.h"

#include <array>

namespace vexamat {

namespace {

// Sort weight of an upper-case character: Å Ä Ö (and Æ Ø) after Z, accented letters with
// their base letter.
int weightOfUpper(QChar u) {
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

// The weights of the first 256 characters and of their upper-case forms, worked out once:
// sorting a table compares its names many times, and a normalisation per letter would cost
// more than the rest of the comparison.
struct Weights {
    std::array<int, 256> ofChar{};
    std::array<int, 256> ofUpper{};
    Weights() {
        for (int c = 0; c < 256; ++c) {
            ofUpper[std::size_t(c)] = weightOfUpper(QChar(c));
            ofChar[std::size_t(c)] = weightOfUpper(QChar(c).toUpper());
        }
    }
};

// Letters case-insensitive.
int weight(QChar c) {
    static const Weights weights;
    if (c.unicode() < 256)
        return weights.ofChar[c.unicode()];
    const QChar u = c.toUpper();
    return u.unicode() < 256 ? weights.ofUpper[u.unicode()] : u.unicode() + 0x100;
}

} // namespace

QString SwedishText::upper(const QString& text) {
    return text.toUpper();
}

std::u32string SwedishText::sortKey(const QString& text) {
    std::u32string key;
    key.reserve(std::size_t(text.size()));
    for (QChar c : text)
        key.push_back(char32_t(weight(c)));
    return key;
}

void SwedishText::appendSortKey(std::u32string& out, const QString& text) {
    for (QChar c : text)
        out.push_back(char32_t(weight(c)));
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
