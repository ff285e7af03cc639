#pragma once

#include "core/catalogue/Nutrients.h"

#include <QHash>
#include <QString>

#include <array>
#include <optional>

namespace vexamat {

class FoodTable;
struct AppState;

// Finds the foods of a registration file in the food tables. Each code is looked up once
// per file, so large registrations with repeated foods open quickly.
class FoodLookup {
public:
    enum class Source { Livtab100, Livtab2005, Fabrikant, Egna, Dabas };

    struct Food {
        Source source = Source::Livtab100;
        QString kod;
        QString livsmedel;
        QString enhet;
        float portionsstorlek = 0;
        std::array<QString, 4> altEnhet;
        std::array<float, 4> altPort{};
        float kgpris = 0;
        NutrientValues naring{}; // -1 where the table has no value
        std::array<bool, kNutrientCount> missing{};

        // The national tables give the alternative units and let the file's unit stand.
        bool isNationalTable() const {
            return source == Source::Livtab100 || source == Source::Livtab2005;
        }
    };

    // The tables are not owned and must outlive the lookup.
    explicit FoodLookup(const AppState& state);

    // The food code of a wholesale article number in livtab100, or the text itself.
    QString resolveArticleNumber(const QString& code);
    // Looks up many codes at once, so that find() then answers from memory.
    void prefetch(const QStringList& codes);
    // livtab100, livtab2005, fabrikant, egna, dabas: the first table that has the code.
    const Food* find(const QString& code);
    // The oldest registrations knew only livtab100, fabrikant and egna.
    const Food* findInOldTables(const QString& code);

private:
    const Food* findIn(const QString& code, std::initializer_list<Source> sources,
                       QHash<QString, std::optional<Food>>& cache);
    const FoodTable& table(Source source) const;

    const AppState& m_state;
    QHash<QString, QString> m_articleNumbers; // Grossartnr -> Kod of livtab100
    bool m_articleNumbersRead = false;
    QHash<QString, std::optional<Food>> m_foods;
    QHash<QString, std::optional<Food>> m_oldFoods;
};

} // namespace vexamat
