#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace vexamat {

class FoodTable;
class NutrientNames;
class SurveyProject;

// The ".skv" file of a diet survey project: one line per grid row that holds a food (the
// title row first), all 140 cells each followed by ";", one more ";" at the end, CR LF,
// Windows-1252, numbers with a decimal comma so that Excel reads them.
class SurveyProjectFile {
public:
    static inline const QString kFilter = QStringLiteral("excel semikolon (*.skv)");
    static inline const QString kSaveError = QStringLiteral("Kan ej spara beräkningen");
    static inline const QString kReadError = QStringLiteral("Kan ej läsa filen");

    // The file's lines for the project, without line ends.
    static QStringList lines(const SurveyProject& project);
    // Writes the project atomically; the number of lines written, or -1 with kSaveError.
    static int write(const SurveyProject& project, const QString& path, QString* error);

    struct ReadResult {
        bool ok = false;
        int rowsRead = 0; // food rows (after the title row) put in the grid
        QString error;    // Swedish, for the user
    };
    // Reads a project into the grid's rows 0, 1, 2, ... as saved. Stops at the first line
    // that is longer than the grid, holds a value that is no number or titles other than
    // those of the nutrients selected now: the rows before it stay in the grid.
    static ReadResult read(const QString& path, SurveyProject& project);
    static ReadResult readLines(const QStringList& lines, SurveyProject& project);
    // Reads only who, day, meal, grams, name and code of each row and fills the rest
    // anew from livtab100 with the nutrients selected now. The title row stays as it is.
    static ReadResult readWithNewSelection(const QString& path, SurveyProject& project,
                                           const FoodTable& livtab100, const NutrientNames& names);

    // A cell as the file holds it: leading blanks removed, a number's decimal point made a
    // comma, and the characters that would split a line or a cell made blanks and commas.
    static QString fileCell(const QString& text);

private:
    static ReadResult readLineViews(const QList<QStringView>& lines, SurveyProject& project);
};

} // namespace vexamat
