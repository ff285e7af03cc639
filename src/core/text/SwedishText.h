#pragma once

#include <QString>

#include <string>

namespace vexamat {

// Upper-casing and ordering of Swedish texts (å, ä, ö after z, in that order).
class SwedishText {
public:
    static QString upper(const QString& text);
    // Case-insensitive order as in a sorted list: <0, 0 or >0.
    static int compare(const QString& a, const QString& b);
    static bool lessThan(const QString& a, const QString& b) { return compare(a, b) < 0; }
    // The weights compare() compares, one per character: keys in lexicographic order are the
    // texts in compare()'s order, so a long list is sorted with one key per text.
    static std::u32string sortKey(const QString& text);
    static void appendSortKey(std::u32string& out, const QString& text);
};

} // namespace vexamat
