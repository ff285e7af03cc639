#include "core/catalogue/FoodNameIndex.h"

#include "core/text/SwedishText.h"

namespace vexamat {

FoodNameIndex::FoodNameIndex(const std::vector<FoodRecord>& foods) {
    m_starts.reserve(foods.size() + 1);
    std::size_t bytes = 0;
    for (const FoodRecord& f : foods)
        bytes += std::size_t(f.livsmedel.size()) + 1;
    m_text.reserve(bytes + bytes / 8);
    for (const FoodRecord& f : foods) {
        // A food built elsewhere may lack the ready upper-case name.
        if (!f.upperName.isEmpty() || f.livsmedel.isEmpty())
            appendUtf8(m_text, f.upperName);
        else
            appendUtf8(m_text, SwedishText::upper(f.livsmedel));
        m_text.push_back('\n');
        m_starts.push_back(std::uint32_t(m_text.size()));
    }
}

void FoodNameIndex::appendUtf8(std::string& out, const QString& text) {
    const char16_t* p = reinterpret_cast<const char16_t*>(text.utf16());
    const char16_t* end = p + text.size();
    while (p < end) {
        char32_t c = *p++;
        if (c >= 0xD800 && c < 0xDC00 && p < end && *p >= 0xDC00 && *p < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (char32_t(*p++) - 0xDC00);
        else if (c >= 0xD800 && c < 0xE000)
            c = 0xFFFD; // a lone surrogate
        if (c == u'\n') // the separator never appears inside a name
            c = u' ';
        if (c < 0x80) {
            out.push_back(char(c));
        } else if (c < 0x800) {
            out.push_back(char(0xC0 | (c >> 6)));
            out.push_back(char(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(char(0xE0 | (c >> 12)));
            out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(char(0x80 | (c & 0x3F)));
        } else {
            out.push_back(char(0xF0 | (c >> 18)));
            out.push_back(char(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(char(0x80 | (c & 0x3F)));
        }
    }
}

} // namespace vexamat
