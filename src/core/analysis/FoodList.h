#pragma once

#include "core/catalogue/FoodSection.h"

#include <QStringList>

#include <memory>
#include <vector>

namespace vexamat {

// What the food list shows: the visible lines and, at the same index, their companion
// lines (name "{" kod "}" portion "@" unit, or a heading's own text). A food's companion is
// made when it is asked for, so that a search with many hits builds only the lines.
class FoodList {
public:
    QStringList lines;

    int size() const { return int(lines.size()); }
    // The companion of line i; empty out of range.
    QString companion(int i) const;
    QStringList companions() const;

    // A line with its companion given as text (a heading, a pick-list entry).
    void add(const QString& line, const QString& companion);
    // A food of a catalogue section; the list keeps the section's foods alive.
    void addFood(const std::shared_ptr<const FoodSection::Records>& foods, int index);
    void append(const FoodList& other);
    void reserve(int lineCount);
    void clear();

private:
    struct Source {
        int section; // into m_sections, or -1 for a companion given as text
        int index;   // the food in its section, or the text in m_texts
    };
    int sectionOf(const std::shared_ptr<const FoodSection::Records>& foods);

    std::vector<std::shared_ptr<const FoodSection::Records>> m_sections;
    std::vector<Source> m_sources;
    QStringList m_texts;
};

} // namespace vexamat
