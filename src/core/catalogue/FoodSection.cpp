#include "core/catalogue/FoodSection.h"

namespace vexamat {

FoodSection& FoodSection::operator=(Records foods) {
    m_foods = std::make_shared<const Records>(std::move(foods));
    m_names.reset();
    return *this;
}

FoodRecord& FoodSection::edit(std::size_t i) {
    // Lists that show the old foods keep them as they were.
    auto copy = std::make_shared<Records>(*m_foods);
    FoodRecord& food = copy->at(i);
    m_foods = std::move(copy);
    m_names.reset();
    return food;
}

const FoodNameIndex& FoodSection::names() const {
    if (!m_names)
        m_names = std::make_shared<const FoodNameIndex>(*m_foods);
    return *m_names;
}

} // namespace vexamat
