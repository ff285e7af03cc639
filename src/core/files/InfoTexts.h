#pragma once

#include <QStringList>

#include <array>

namespace vexamat {

// The 32 advice texts of info.txt: every line is "M", the text's number 1..32, a blank and
// one line of that text.
class InfoTexts {
public:
    static constexpr int kCount = 32;
    using Texts = std::array<QStringList, kCount>; // text N at N - 1

    static const QString kFileName;   // "info.txt"
    static const QString kSaveFailed; // "Kan ej spara tips-texterna"

    static Texts parse(const QStringList& fileLines);
    // Each text up to its first empty line.
    static QStringList lines(const Texts& texts);
    // The 32 item captions: "Energi mkt låg", "Energi låg", ...
    static QStringList captions();
};

} // namespace vexamat
