#pragma once

#include "core/catalogue/TableRecord.h"
#include "core/registration/MealRow.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace vexamat {

class FoodTable;

// Finds a food by its code in the food tables and turns its record into a meal row.
class FoodRowBuilder {
public:
    enum class Source { Livtab100, Fabrikant, Egna, Dabas };

    struct Found {
        Source source = Source::Livtab100;
        TableRecord record;
    };

    struct Tables {
        const FoodTable& livtab100;
        const FoodTable& fabrikant;
        const FoodTable& egna;
        const FoodTable& dabas;
    };

    // The first of livtab100, fabrikant, egna and dabas that has the code.
    static std::optional<Found> find(const Tables& tables, const QString& code);

    // The row for one default unit of the food: name, unit, grams, price, the 72 values per
    // 100 g (-1 for an empty field); from livtab100 also the alternative units and, when
    // asked, the waste. What the row held before is cleared. Returns the messages the unit
    // calls for (tablets, daily doses of a manufacturer's product).
    static QStringList fill(MealRow& row, const QString& code, const Found& found,
                            bool withWaste = true);

    static QString notFoundMessage(const QString& code);
    static inline const QString kTabletHint = QStringLiteral("100 gram motsvarar en tablett");
};

} // namespace vexamat
