#pragma once

#include "core/catalogue/Nutrients.h"
#include "core/norms/NormEstimate.h"
#include "core/norms/NormRow.h"
#include "core/norms/OwnNormInputs.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace vexamat {

struct AppState;
class NutrientNames;
class VexamatDatabase;

// The own energy norm: a day norm proposed from a stated energy intake and energy
// percentages, with the vitamins and minerals of the standard norm of the age group.
class OwnEnergyNorm {
public:
    static inline const QString kKind = QStringLiteral("egennorm");
    static inline const QString kAgeNotWhole = QStringLiteral("Skriv ålder som ett heltal.");
    static inline const QString kYoungAge =
        QStringLiteral("Vitamin och mineralberäkning stämmer endast för åldrar 2 år och uppåt");
    // Items of the norm-table row that the proposal takes: energy kJ to selenium.
    static constexpr int kRowItems = 51;

    struct Proposal {
        bool made = false; // false: the age is no whole number (message says so)
        QString message;   // to show: the refusal, or the warning about young ages
        NutrientValues values{};
    };

    // The norm-table row of the age group: 1..6 men, 11..16 women from 10 years, 24 for
    // 2..5 and 25 for 6..9 years. Younger children take 24 and those over 110 the oldest
    // group of their sex.
    static int normNumber(int sex, int age);
    static bool ageIsWhole(const QString& age);
    static int age(const QString& age); // the whole number of a whole age text
    // The sum of the three percentages, rounded, with "%": "100%".
    static QString sumText(const OwnNormInputs& in);
    // Items 0..50 from the row (kept from previous without one), 51..71 from previous, and
    // energy, protein, fat and carbohydrate from the stated figures.
    static Proposal propose(const OwnNormInputs& in, const std::optional<NormRow>& row,
                            const NutrientValues& previous);
    // The values as the norm grid shows them: each nutrient's decimals, a decimal point.
    static QStringList cells(const NutrientValues& values, const NutrientNames& names);
    // The norm OK makes active from the (perhaps adjusted) cells of the norm grid.
    static NormEstimate estimate(const OwnNormInputs& in, const QStringList& cells);
    // The recommended energy shares from the stated percentages, in the order of
    // NormEnergyShare.
    static std::array<float, 6> energyShares(const OwnNormInputs& in);

    // The norm an ".enorm" file gives: its inputs and its stored norm values.
    static std::optional<NormEstimate> fromFile(const QString& path, const AppState& state,
                                                QString* error);

    // Stores the cells as a new norm named name in the first free row of the norm table
    // (empty name or "LEDIG"); a cell below 0.0001 is stored empty. The row's number, or
    // nullopt with the reason in error (no free row, or the table could not be written).
    static std::optional<int> saveAsNamedNorm(const VexamatDatabase& database, const QString& name,
                                              const QStringList& cells, QString* error);
    static inline const QString kNoFreeRow =
        QStringLiteral("Normtabellen har ingen ledig rad (tomt namn eller LEDIG) för en ny norm.");
};

} // namespace vexamat
