#include "core/analysis/FoodList.h"

#include "core/analysis/FoodSearch.h"

namespace vexamat {

QString FoodList::companion(int i) const {
    if (i < 0 || std::size_t(i) >= m_sources.size())
        return {};
    const Source& s = m_sources[std::size_t(i)];
    if (s.section < 0)
        return m_texts.at(s.index);
    return FoodSearch::companionLine((*m_sections[std::size_t(s.section)])[std::size_t(s.index)]);
}

QStringList FoodList::companions() const {
    QStringList all;
    all.reserve(size());
    for (int i = 0; i < size(); ++i)
        all << companion(i);
    return all;
}

void FoodList::add(const QString& line, const QString& companion) {
    lines << line;
    m_sources.push_back({-1, int(m_texts.size())});
    m_texts << companion;
}

int FoodList::sectionOf(const std::shared_ptr<const FoodSection::Records>& foods) {
    // A list holds the foods of a handful of sections; the last one is the likely one.
    for (int k = int(m_sections.size()) - 1; k >= 0; --k) {
        if (m_sections[std::size_t(k)] == foods)
            return k;
    }
    m_sections.push_back(foods);
    return int(m_sections.size()) - 1;
}

void FoodList::addFood(const std::shared_ptr<const FoodSection::Records>& foods, int index) {
    lines << (*foods)[std::size_t(index)].livsmedel;
    m_sources.push_back({sectionOf(foods), index});
}

void FoodList::append(const FoodList& other) {
    for (int i = 0; i < other.size(); ++i) {
        const Source& s = other.m_sources[std::size_t(i)];
        if (s.section < 0)
            add(other.lines.at(i), other.m_texts.at(s.index));
        else
            addFood(other.m_sections[std::size_t(s.section)], s.index);
    }
}

void FoodList::reserve(int lineCount) {
    lines.reserve(lineCount);
    m_sources.reserve(std::size_t(lineCount));
}

void FoodList::clear() {
    lines.clear();
    m_sources.clear();
    m_sections.clear();
    m_texts.clear();
}

} // namespace vexamat
