#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace vexamat {

enum class FieldType { Text, Float, Integer, Memo };

struct FieldDef {
    QString name;
    FieldType type = FieldType::Text;
    int size = 0; // characters, for text fields
};

// The field layouts of the database tables, in field order. Positions matter: the
// nutrient fields are read by position.
class TableSchema {
public:
    // Food tables.
    static inline const QString Livtab100 = QStringLiteral("livtab100");
    static inline const QString Livtab2005 = QStringLiteral("livtab2005");
    static inline const QString Fabrikant = QStringLiteral("fabrikant");
    static inline const QString Egna = QStringLiteral("egna");
    static inline const QString Dabas = QStringLiteral("dabas");
    // Norm tables.
    static inline const QString Normer = QStringLiteral("normer");
    static inline const QString NormKroppsvikt = QStringLiteral("normkroppsvikt");
    // Recipe tables.
    static inline const QString Recept = QStringLiteral("recept");
    static inline const QString Recept2 = QStringLiteral("recept2");
    static inline const QString ReceptUtskrift = QStringLiteral("receptutskrift");

    static constexpr int kFoodFieldCount = 96;
    static constexpr int kNormFieldCount = 86;
    static constexpr int kWastePosition = 13;
    static constexpr int kFirstNutrientPosition = 14; // NutrientNo = position + 1

    static QStringList allTables();
    static QStringList foodTables();
    static bool isFoodTable(const QString& table);
    static bool isNormTable(const QString& table);

    static QList<FieldDef> fields(const QString& table);
    // The key field of the primary index ("Kod", "Nr" or "Rubrik").
    static QString keyField(const QString& table);
    // CREATE TABLE and CREATE INDEX statements.
    static QStringList createStatements(const QString& table);

    static QString quoted(const QString& identifier);
};

} // namespace vexamat
