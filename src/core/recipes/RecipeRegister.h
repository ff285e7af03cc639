#pragma once

#include "core/recipes/Recipe.h"

#include <QList>
#include <QString>

#include <optional>

namespace vexamat {

class VexamatDatabase;

// One of the two recipe registers: the own ("recept") or the general ("recept2"), keyed by
// the title.
class RecipeRegister {
public:
    enum class Kind { Own, General };
    enum class Order { Rubrik, Grupp1, Grupp2 };
    enum class Removed { Done, NotFound, Failed };

    // The database is not owned and must outlive the register.
    RecipeRegister(const VexamatDatabase& database, Kind kind);

    static QString tableName(Kind kind);
    Kind kind() const { return m_kind; }

    std::optional<Recipe> find(const QString& title) const;
    // Every recipe, sorted on the field (Swedish order, letter case ignored; the title
    // decides between equal groups).
    QList<Recipe> recipes(Order order = Order::Rubrik) const;
    // Stores the recipe under its title: a new record, or the title's record with its
    // groups, ingredients and method replaced (the portions and the reserve fields kept).
    // One transaction: on failure nothing is written and the reason comes back.
    bool save(const Recipe& recipe, QString* error);
    Removed remove(const QString& title, QString* error);

private:
    const VexamatDatabase& m_database;
    Kind m_kind;
};

} // namespace vexamat
