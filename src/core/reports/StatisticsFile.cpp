#include "core/reports/StatisticsFile.h"

#include "core/AppState.h"
#include "core/files/RegistrationFile.h"
#include "core/reports/ExportNames.h"

#include <vector>

namespace vexamat {

namespace {

constexpr float kDayWithFoodKj = 0.1f;
const int kKjSlot = nutrientSlot(nutrient::Kj);

std::vector<int> selectedNumbers(const NutrientSelection& selection) {
    std::vector<int> numbers;
    for (int no = kFirstNutrientNo; no <= kLastNutrientNo; ++no) {
        if (selection.isSelected(no))
            numbers.push_back(no);
    }
    return numbers;
}

// The selected nutrients' values of one line, each followed by ";".
QString values(const NutrientValues& amounts, const std::vector<int>& numbers,
               const NutrientNames& names) {
    QString text;
    for (int no : numbers)
        text += StatisticsFile::number(amounts[nutrientSlot(no)], names.decimals(no)) +
                QLatin1Char(';');
    return text;
}

} // namespace

QString StatisticsFile::withSkvExtension(const QString& path) {
    return RegistrationFile::withExtension(path, QStringLiteral(".skv"));
}

bool StatisticsFile::isValidIdentity(const QString& identity) {
    return !identity.contains(QLatin1Char(';')) && !identity.contains(QLatin1Char('\n')) &&
           !identity.contains(QLatin1Char('\r'));
}

QString StatisticsFile::header(Kind kind, const NutrientSelection& selection,
                               const NutrientNames& names) {
    QString text = kind == Kind::PerDay
                       ? QStringLiteral("Identitet;DAG;")
                       : QStringLiteral("Identitet;Dag;Måltid;kod;livsmedel;gram;");
    for (int no : selectedNumbers(selection))
        text += names.label(no) + QLatin1Char(';');
    return text;
}

QStringList StatisticsFile::lines(Kind kind, const QString& identity, const AppState& state) {
    const std::vector<int> numbers = selectedNumbers(state.selection);
    const CalculationResults& results = *state.results;
    QStringList out;
    for (int d = 0; d < Registration::kDays; ++d) {
        const QString lead =
            identity + QLatin1Char(';') + ExportNames::dayName(d) + QLatin1Char(';');
        if (kind == Kind::PerDay) {
            if (results.DaySum[d][kKjSlot] > kDayWithFoodKj)
                out << lead + values(results.DaySum[d], numbers, state.names);
            continue;
        }
        for (int m = 0; m < Registration::kMeals; ++m) {
            const QString mealLead =
                lead + ExportNames::mealName(m, state.settings.WholeDayMode) + QLatin1Char(';');
            for (const MealRow& row : state.registration.meal(d, m)) {
                if (row.isEmpty())
                    continue;
                NutrientValues amounts;
                for (int n = 0; n < kNutrientCount; ++n)
                    amounts[n] = row.naring[n] * row.gram / 100.0f;
                out << mealLead + row.kod + QLatin1Char(';') + row.livsmedel + QLatin1Char(';') +
                           QString::number(double(row.gram), 'f', 0) + QLatin1Char(';') +
                           values(amounts, numbers, state.names);
            }
            if (results.MealSum[d][m][kKjSlot] > kDayWithFoodKj)
                out << mealLead + QStringLiteral("Maltidsumma;;;") +
                           values(results.MealSum[d][m], numbers, state.names);
        }
        if (results.DaySum[d][kKjSlot] > kDayWithFoodKj)
            out << identity + QLatin1Char(';') + ExportNames::dayName(d) +
                       QStringLiteral(";Dagsumma;;;;") +
                       values(results.DaySum[d], numbers, state.names);
    }
    return out;
}

QString StatisticsFile::number(float value, int decimals) {
    // "not above 0" also takes -0 and a NaN to 0.
    const double v = value > 0 ? double(value) : 0.0;
    QString text = QString::number(v, 'f', qMax(0, decimals));
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    if (point >= 0)
        text[point] = QLatin1Char(',');
    return text;
}

ExportFile::Result StatisticsFile::write(const QString& path, ExportFile::Mode mode, Kind kind,
                                         const QString& identity, const AppState& state) {
    if (!isValidIdentity(identity))
        return {false, kBadIdentity};
    QStringList out;
    if (mode == ExportFile::Mode::New)
        out << header(kind, state.selection, state.names);
    out << lines(kind, identity, state);
    const ExportFile::Status status = ExportFile::write(path, mode, out);
    if (status != ExportFile::Status::Written)
        return {false, ExportFile::failureMessage(status, path)};
    return {true, kWritten + path};
}

} // namespace vexamat
