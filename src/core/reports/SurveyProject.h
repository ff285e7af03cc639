#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <vector>

namespace vexamat {

class NutrientNames;
class NutrientSelection;
class TableRecord;

// The grid of a diet survey project: one food a row, with who ate it, on which day and at
// which meal, the grams, the selected nutrients for those grams and per 100 g, and the
// food's units. Row 0 holds the titles, column 0 the row numbers.
class SurveyProject {
public:
    static constexpr int kRows = 5000;
    static constexpr int kColumns = 140;
    static constexpr int kIdColumn = 1;
    static constexpr int kDayColumn = 2;
    static constexpr int kDayLabelColumn = 3;
    static constexpr int kMealColumn = 4;
    static constexpr int kGramColumn = 5;
    static constexpr int kNameColumn = 6;
    static constexpr int kCodeColumn = 7;
    static constexpr int kFirstValueColumn = 8;
    static constexpr int kFirstPer100Column = 68;
    // Value and per-100 g columns may not overlap: nutrients past these are left out.
    static constexpr int kMaxNutrients = kFirstPer100Column - kFirstValueColumn;
    static constexpr int kFirstUnitColumn = 130;
    static constexpr int kUnitPairs = 5; // the default unit and the four extra ones

    static inline const QString kFirstFoodHint = QStringLiteral(
        "Om du fyller i Id, Dagnr, DagId och Måltid så kopieras de vid nästa livsmedelsval");

    SurveyProject();

    // Writes the titles of row 0 for the selected nutrients, in nutrient order; those that
    // do not fit are listed by leftOutNutrients().
    void setNutrients(const NutrientSelection& selection, const NutrientNames& names);
    // The nutrient numbers of the value columns, in column order.
    const QList<int>& nutrients() const { return m_nutrients; }
    const QList<int>& leftOutNutrients() const { return m_leftOut; }
    int valueColumn(int k) const { return kFirstValueColumn + k; }
    int per100Column(int k) const { return kFirstPer100Column + k; }

    QString cell(int row, int column) const;
    // The cell without a copy, valid until the row changes.
    QStringView cellView(int row, int column) const;
    void setCell(int row, int column, const QString& text);
    // All cells of a row at once, from column 0 on (at most kColumns; missing ones empty).
    void setRow(int row, const QList<QStringView>& cells);
    // A row holds a food when its name cell is not empty.
    bool isUsed(int row) const;
    // The first row from 1 on that holds no food; -1 when the grid is full.
    int firstFreeRow() const;
    // Rows 1.. that hold a food.
    int usedRowCount() const;

    struct Added {
        int row = -1; // -1: the grid is full, nothing was added
        QString hint; // the first row: how to get columns 1 to 4 copied
    };
    // Puts the food of a table record in the first free row with 100 g, copying who, day
    // and meal from the row above.
    Added addFood(const QString& code, const TableRecord& record);
    // Fills the unit columns and the per-100 g and amount columns of a row from a record.
    void fillFromRecord(int row, const TableRecord& record);
    // The amounts of a row from its grams and values per 100 g, with each nutrient's
    // decimals. A missing value per 100 g leaves the amount empty.
    void recomputeRow(int row, const NutrientNames& names);

    // Rows below row move up one (columns 1 and up); the last row becomes empty.
    void deleteRow(int row);
    // Row and those below move down one (the last row's content is lost); row becomes empty.
    void insertEmptyRow(int row);
    // Empties columns 1 and up of rows 1 and up.
    void clearRows();
    // Empties columns 1 and up of a row.
    void clearRow(int row);

    // The unit list of a row: the food's name, then "unit g/weight" for each extra unit,
    // with tablespoon and teaspoon weights derived from a decilitre.
    QStringList unitLines(int row) const;

    bool SurveyChanged = false;

private:
    // A row's cells one after another in one text, cell c from start[c] to start[c + 1]: a
    // full grid is read with one allocation a row rather than one a cell.
    struct Row {
        QString text;
        std::array<quint32, kColumns + 1> start{};
    };
    void setNumber(int row, const QString& number);

    std::vector<Row> m_rows;
    QList<int> m_nutrients;
    QList<int> m_leftOut;
};

} // namespace vexamat
