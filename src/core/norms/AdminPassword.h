#pragma once

#include <QString>

namespace vexamat {

// The administrator password that unlocks editing of the reference tables.
class AdminPassword {
public:
    static inline const QString kDefault = QStringLiteral("KORPRAM");
    static inline const QString kFileName = QStringLiteral("bkmpwtwa.gof");

    // Upper case of one Windows-1252 character: a-z, à-ö and ø-þ move down 0x20, ÿ becomes
    // Ÿ; everything else (÷ and ß among them) stays.
    static QChar ToUpperSwedish(QChar c);
    static QString ToUpperSwedish(const QString& text);
    // The first line of the password file in upper case; the default when the file cannot
    // be read or the line is shorter than two characters.
    static QString LoadAdminPassword(const QString& path);
    // A typed entry compared with the expected password: only a-z are upper-cased, so a
    // password with Å, Ä or Ö must be typed with them.
    static bool matches(const QString& typed, const QString& expected);
};

} // namespace vexamat
