#pragma once

#include "core/catalogue/Nutrients.h"
#include "core/reports/Report.h"
#include "core/reports/ReportOptions.h"

namespace vexamat {

struct AppState;
struct MealRow;

// Writes the lines of the printed report from the registration and the engine's results
// (the caller recalculates first): one meal, one day or all days at the chosen detail,
// with the selected nutrients in columns, bar lines and energy lines. The lists grow as
// needed, so a report of any size is written whole.
class ReportLineBuilder {
public:
    static constexpr int kLeadWidth = 50;
    static constexpr int kCellWidth = 7;
    static constexpr int kCellsPerLine = 6;

    // state must outlive the builder.
    explicit ReportLineBuilder(const AppState& state);

    // The lines and energy sets of a report; the header, pies and info text are the
    // caller's to fill in.
    Report build(const ReportOptions& options);

    static QString dayName(int day);
    // Units and grams of a row: "7.5 gram", "3.00 st = 150 gram".
    static QString amountText(const MealRow& row);
    static double units(const MealRow& row);

private:
    enum class Block { Meal, Day, Period };

    QString mealName(int meal) const;
    QList<int> selected() const;
    void add(const QString& text, const QString& title);
    void addEmpty(const QString& title) { add(QString(), title); }
    // Six cells a line, the first line led by lead, the rest by 50 blanks.
    void addRows(const QString& lead, const QStringList& cells, const QString& title);
    QString valueCell(int nutrientNo, double value) const;
    QStringList valueCells(const NutrientValues& values) const;

    void heading(const QString& lead, const QString& title);
    void foodValues(int day, int meal, const QString& title);
    void mealSum(int day, int meal, const QString& title);
    void foodList(int day, int meal, const QString& title);
    void mealLines(int day);
    void daySum(int day, bool compressed);
    void compressedDay(int day);
    void dayLines();
    void periodSum();
    void barBlock(Block block, int day, int meal, bool mealSumBlock, const QString& title);
    void energyLines(Block block, int day, int meal, const QString& title);
    void appendEnergySet(Block block, int day, int meal);
    void mealSection(int day, int meal);
    void dayReport(int day);
    void allDaysReport();

    bool mealHasContent(int day, int meal) const;
    bool dayHasContent(int day) const;

    const AppState& m_state;
    ReportOptions m_options;
    Report m_report;
};

} // namespace vexamat
