#pragma once

#include "core/catalogue/FoodNameIndex.h"
#include "core/catalogue/FoodRecord.h"

#include <initializer_list>
#include <memory>
#include <vector>

namespace vexamat {

// The foods of one source of the catalogue, in name order, with their names prepared for the
// search. The foods are shared, never changed in place, so that a food list can keep the
// foods it shows after the catalogue was read again; the prepared names are made on the
// first search after a change.
class FoodSection {
public:
    using Records = std::vector<FoodRecord>;

    FoodSection() = default;
    FoodSection(Records foods) { *this = std::move(foods); }
    FoodSection& operator=(Records foods);
    FoodSection& operator=(std::initializer_list<FoodRecord> foods) {
        return *this = Records(foods);
    }

    std::size_t size() const { return m_foods->size(); }
    bool empty() const { return m_foods->empty(); }
    const FoodRecord& operator[](std::size_t i) const { return (*m_foods)[i]; }
    const FoodRecord& at(std::size_t i) const { return m_foods->at(i); }
    const FoodRecord& front() const { return m_foods->front(); }
    const FoodRecord& back() const { return m_foods->back(); }
    Records::const_iterator begin() const { return m_foods->begin(); }
    Records::const_iterator end() const { return m_foods->end(); }
    const Records& records() const { return *m_foods; }
    const std::shared_ptr<const Records>& shared() const { return m_foods; }

    void clear() { *this = Records(); }
    // A food to change; the prepared names are made again.
    FoodRecord& edit(std::size_t i);

    const FoodNameIndex& names() const;

private:
    std::shared_ptr<const Records> m_foods = std::make_shared<const Records>();
    mutable std::shared_ptr<const FoodNameIndex> m_names;
};

} // namespace vexamat
