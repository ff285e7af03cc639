#pragma once

#include <QString>

#include <array>

namespace vexamat {

// Which nutrients the user works with: the bars of the chart, the rows of the lookups and
// the columns of the reports. Kept between runs in nvval.txt; groups are ".nvval" files,
// one selected nutrient number a line.
class NutrientSelection {
public:
    static constexpr int kFlagCount = 87; // nutrient numbers 0..86; 15..86 are used
    static constexpr std::array<int, 9> kDefaults{15, 16, 19, 20, 21, 28, 34, 36, 48};

    std::array<bool, kFlagCount> SelectedNutrient{};

    bool isSelected(int nutrientNo) const;
    void setSelected(int nutrientNo, bool on);
    void clear() { SelectedNutrient.fill(false); }
    int count() const; // selected numbers among 15..86

    // Clears the flags and reads a selection file (numbers outside 15..86 are ignored).
    // When the file is missing, unreadable or holds a line that is not a number, the nine
    // defaults are added to what was read; returns false then.
    bool load(const QString& path);
    // Writes the selected numbers 15..86 in ascending order, CR LF after each. Atomic.
    bool save(const QString& path, QString* error = nullptr) const;
    void addDefaults();

    // The chosen name with its extension replaced by ".nvval".
    static QString withNvvalExtension(const QString& path);
};

} // namespace vexamat
