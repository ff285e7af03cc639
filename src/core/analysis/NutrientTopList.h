#pragma once

#include <QString>
#include <QStringList>

namespace vexamat {

class FoodTable;
class NutrientNames;

// The foods of one food table that are richest in a nutrient, as text lines, richest first,
// and the text file "Näringstoppen.txt" made of them.
class NutrientTopList {
public:
    static inline const QString kFileName = QStringLiteral("Näringstoppen.txt");

    struct Result {
        QString heading;   // "Livsmedelsverket per 100 gram" and the like
        QStringList lines; // richest first
        QString error;     // Swedish; empty when the table could be read
    };

    // The heading for a table by its name; an unknown table gives an empty text.
    static QString heading(const QString& tableName, bool perPortion);
    // Lists every food of the table with more than 0.011 of the nutrient (15..86). A missing
    // value (empty, or the negative missing-value mark) is never listed, so it cannot be
    // sorted as a number. Per portion, only foods with a portion size are listed.
    static Result build(const FoodTable& table, int nutrientNo, bool perPortion,
                        const NutrientNames& names);
    // The lines of the file: two heading lines, an empty line, then the first count lines
    // (all when count is larger, none when it is negative).
    static QStringList fileLines(const Result& list, const QString& nutrientLabel, int count);
    // Writes the file atomically in Windows-1252 with CR LF; false with a Swedish message.
    static bool write(const QString& path, const QStringList& fileLines, QString* error);
};

} // namespace vexamat
