#pragma once

#include <QString>
#include <QStringList>

namespace vexamat {

class FoodTable;

// gramfil.txt: every livtab100 food in name order with its default portion, its
// alternative units and the grams of a table-spoon and a tea-spoon derived from a
// decilitre unit.
class GramFile {
public:
    static inline const QString kFileName = QStringLiteral("gramfil.txt");
    static inline const QString kHeader = QStringLiteral(
        "kod;livsnamn;SLV gram;SLV enhet;gram;enhet;gram;enhet;gram;enhet;gram/msk;gram/tsk");

    // The header and one line per food.
    static QStringList lines(const FoodTable& livtab100);
    // Writes the file (Windows-1252, CR LF, replacing it whole); the number of foods
    // written, or -1 with a Swedish message.
    static int write(const FoodTable& livtab100, const QString& path, QString* error);
};

} // namespace vexamat
