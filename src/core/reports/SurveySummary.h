#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

namespace vexamat {

class SurveyProject;

// The summary of a diet survey project: the sum of each meal, of each day ("Dagsumma")
// and each person's mean per day ("Medelvärde"), in the order of the grid's rows.
class SurveySummary {
public:
    // The summary grid's columns: identity, day, meal, and the nutrients from column 8 on.
    static constexpr int kIdColumn = 1;
    static constexpr int kDayColumn = 2;
    static constexpr int kMealColumn = 4;
    static constexpr int kFirstValueColumn = 8;
    static constexpr int kColumns = 75;
    static constexpr int kGridRows = 1500; // row 0 holds the titles
    static inline const QString kDaySum = QStringLiteral("Dagsumma");
    static inline const QString kMean = QStringLiteral("Medelvärde");
    static inline const QString kFilter = QStringLiteral("semikolon (*.skv)");
    static inline const QString kWriteError = QStringLiteral("Kan ej skriva till filen");

    struct Row {
        QString id;
        QString day;                // the day number, or "Medelvärde"
        QString meal;               // the meal, "Dagsumma", or empty for a mean
        std::vector<double> values; // one for each nutrient of the project
    };

    // Walks the grid from row 1 until the first row without an identity. The values are
    // those of the project's nutrient columns (the amounts, not the values per 100 g).
    static QList<Row> build(const SurveyProject& project);

    // A summary figure: two decimals and a decimal point.
    static QString number(double value);
    // The cell texts of a row in the summary grid's columns 0..74 (column 0 left empty).
    static QStringList cells(const Row& row);
    // The lines of the Excel file: columns 1 to 74 of every row, each followed by ";", one
    // more ";" at the end; decimal commas; no title line.
    static QStringList fileLines(const QList<Row>& rows);
    // Writes the lines atomically (CR LF, Windows-1252); false with kWriteError.
    static bool write(const QList<Row>& rows, const QString& path, QString* error);
};

} // namespace vexamat
