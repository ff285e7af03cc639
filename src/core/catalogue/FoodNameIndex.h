#pragma once

#include "core/catalogue/FoodRecord.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vexamat {

// The upper-case names of a list of foods, as the name search compares them, in one
// contiguous UTF-8 buffer: a search then runs over memory in one pass instead of comparing
// UTF-16 characters name by name. A substring of valid UTF-8 is found at the same names as
// the same text in UTF-16, so the hits are those of a search over the QStrings.
class FoodNameIndex {
public:
    FoodNameIndex() = default;
    explicit FoodNameIndex(const std::vector<FoodRecord>& foods);

    int size() const { return int(m_starts.size()) - 1; }
    std::string_view name(int i) const {
        return std::string_view(m_text).substr(
            m_starts[std::size_t(i)], m_starts[std::size_t(i) + 1] - m_starts[std::size_t(i)] - 1);
    }
    // The names holding the needle, in list order, each once; an empty needle holds all.
    template <typename Visit> void forEachContaining(std::string_view needle, Visit visit) const;

    static void appendUtf8(std::string& out, const QString& text);

private:
    std::string m_text; // every name followed by '\n', which no search text holds
    std::vector<std::uint32_t> m_starts{0};
};

template <typename Visit>
void FoodNameIndex::forEachContaining(std::string_view needle, Visit visit) const {
    const int n = size();
    if (needle.empty()) {
        for (int i = 0; i < n; ++i)
            visit(i);
        return;
    }
    const std::string_view text(m_text);
    std::size_t from = 0;
    int i = 0;
    while (i < n) {
        const std::size_t at = text.find(needle, from);
        if (at == text.npos)
            return;
        // The name the hit lies in; the hits come in order, so the walk only goes forward.
        while (m_starts[std::size_t(i) + 1] <= at)
            ++i;
        visit(i);
        from = m_starts[std::size_t(i) + 1];
        ++i;
    }
}

} // namespace vexamat
