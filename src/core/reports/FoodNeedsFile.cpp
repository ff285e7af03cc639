#include "core/reports/FoodNeedsFile.h"

#include "core/AppState.h"
#include "core/files/RegistrationFile.h"
#include "core/reports/ExportNames.h"

#include <QHash>

#include <vector>

namespace vexamat {

namespace {

constexpr float kWithFoodKj = 0.1f;
const int kKjSlot = nutrientSlot(nutrient::Kj);

QString grams(float gram) {
    return QString::number(double(gram), 'f', 0);
}

// Grams summed by food code, in the order the foods first appear. Unbounded: a period with
// many different foods keeps them all in its sums.
class GramTable {
public:
    void add(const MealRow& row) {
        const auto found = m_index.constFind(row.kod);
        if (found != m_index.constEnd()) {
            m_entries[*found].gram += row.gram;
            return;
        }
        m_index.insert(row.kod, int(m_entries.size()));
        m_entries.push_back({row.kod, row.livsmedel, row.gram});
    }
    void addMealsWithFood(const AppState& state, int day) {
        for (int m = 0; m < Registration::kMeals; ++m) {
            if (!(state.results->MealSum[day][m][kKjSlot] > kWithFoodKj))
                continue;
            for (const MealRow& row : state.registration.meal(day, m)) {
                if (!row.isEmpty())
                    add(row);
            }
        }
    }
    // One line per food whose sum is not 0, after the lead fields.
    void appendLines(const QString& lead, QStringList& out) const {
        for (const Entry& e : m_entries) {
            if (e.gram != 0.0f)
                out << lead + FoodNeedsFile::fileCode(e.kod) + QLatin1Char(';') + e.name +
                           QLatin1Char(';') + grams(e.gram);
        }
    }

private:
    struct Entry {
        QString kod;
        QString name;
        float gram = 0;
    };
    std::vector<Entry> m_entries;
    QHash<QString, int> m_index;
};

} // namespace

QString FoodNeedsFile::withVexagramExtension(const QString& path) {
    return RegistrationFile::withExtension(path, QStringLiteral(".vexagram"));
}

bool FoodNeedsFile::isValidTag(const QString& tag) {
    return !tag.contains(QLatin1Char(';')) && !tag.contains(QLatin1Char('\n')) &&
           !tag.contains(QLatin1Char('\r'));
}

QString FoodNeedsFile::fileCode(const QString& kod) {
    return kod.startsWith(QLatin1String("dab")) ? kod.mid(3, 20) : kod;
}

QStringList FoodNeedsFile::lines(const QString& tag, const AppState& state) {
    QStringList out;
    const CalculationResults& results = *state.results;
    for (int d = 0; d < Registration::kDays; ++d) {
        const QString lead = tag + QLatin1Char(';') + ExportNames::dayName(d) + QLatin1Char(';');
        for (int m = 0; m < Registration::kMeals; ++m) {
            const QString mealLead =
                lead + ExportNames::mealName(m, state.settings.WholeDayMode) + QLatin1Char(';');
            for (const MealRow& row : state.registration.meal(d, m)) {
                if (!row.isEmpty())
                    out << mealLead + fileCode(row.kod) + QLatin1Char(';') + row.livsmedel +
                               QLatin1Char(';') + grams(row.gram);
            }
        }
        if (results.DaySum[d][kKjSlot] > kWithFoodKj) {
            GramTable day;
            day.addMealsWithFood(state, d);
            day.appendLines(lead + QStringLiteral("Dagsumma;"), out);
        }
    }
    GramTable period;
    for (int d = 0; d < Registration::kDays; ++d) {
        if (results.DaySum[d][kKjSlot] > kWithFoodKj)
            period.addMealsWithFood(state, d);
    }
    period.appendLines(tag + QStringLiteral(";Periodsumma;;"), out);
    return out;
}

ExportFile::Result FoodNeedsFile::write(const QString& path, ExportFile::Mode mode,
                                        const QString& tag, const AppState& state) {
    if (!isValidTag(tag))
        return {false, kBadTag};
    const ExportFile::Status status = ExportFile::write(path, mode, lines(tag, state));
    if (status != ExportFile::Status::Written)
        return {false, ExportFile::failureMessage(status, path)};
    return {true, kWritten + path};
}

} // namespace vexamat
