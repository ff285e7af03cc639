#pragma once

#include <QString>

namespace vexamat {

// Upper-casing and ordering of Swedish texts (å, ä, ö after z, in that order).
class SwedishText {
public:
    static QString upper(const QString& text);
    // Case-insensitive order as in a sorted list: <0, 0 or >0.
    static int compare(const QString& a, const QString& b);
    static bool lessThan(const QString& a, const QString& b) { return compare(a, b) < 0; }
};

} // namespace vexamat
