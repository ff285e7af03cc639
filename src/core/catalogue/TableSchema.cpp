#include "core/catalogue/TableSchema.h"

namespace vexamat {

namespace {

// Nutrient field names at positions 14..64 as the agency tables (and egna) name them,
// and as fabrikant and dabas name them. Positions 65..85 are named alike in all tables.
const char* const kAgencyNutrientNames[] = {
    "Energi _kJ_ _kJ_",
    "Energi _kcal_ _kcal_",
    "Vatten _g_",
    "Aska _g_",
    "Protein _g_",
    "Fett _g_",
    "Kolhydrater _g_",
    "Retinol _mcg_",
    "Karoten _mcg_",
    "Retinolekv _mcg_",
    "D vitamin _mcg_",
    "a-Tokoferol _mg_",
    "Tiamin _mg_",
    "Askorbinsyra _mg_",
    "Riboflavin _mg_",
    "Niacin _mg_",
    "Niacinekv _mg_",
    "Vitamin B6 _mg_",
    "Vitamin B12 _mcg_",
    "Kalcium _mg_",
    "Fosfor _mg_",
    "Järn _mg_",
    "Magnesium _mg_",
    "Natrium _mg_",
    "Kalium _mg_",
    "Zink _mg_",
    "Mättade fettsyror _g_",
    "Enkelomättade fettsyror _",
    "Fleromättade fettsyror _g",
    "Kolesterol _mg_",
    "Monosackarider _g_",
    "Disackarider _g_",
    "Sackaros _g_",
    "Fibrer _g_",
    "Alkohol _g_",
    "Fettsyra C4-C10 _g_",
    "Fettsyra C12:0 _g_",
    "Fettsyra C14:0 _g_",
    "Fettsyra C16:0 _g_",
    "Fettsyra C18:0 _g_",
    "Fettsyra C20:0 _g_",
    "Fettsyra C16:1 _g_",
    "Fettsyra C18:1 _g_",
    "Fettsyra C18:2 _g_",
    "Fettsyra C18:3 _g_",
    "Fettsyra C20:4 _g_",
    "Fettsyra C20:5 _g_",
    "Fettsyra C22:5 _g_",
    "Fettsyra C22:6 _g_",
    "Folat _mcg_",
    "Selen _mcg_",
};

const char* const kProductNutrientNames[] = {
    "kj",
    "kcal",
    "vatten g",
    "aska g",
    "prot g",
    "fett g",
    "kolhydrat g",
    "Retinol ug",
    "Karoten ug",
    "Retinolekv ug",
    "D vitamin ug",
    "a-Tokoferol mg",
    "Tiamin mg",
    "Askorbinsyra mg",
    "Riboflavin mg",
    "Niacin mg",
    "Niacinekv mg",
    "Vitamin B6 mg",
    "Vitamin B12 ug",
    "Kalcium mg",
    "Fosfor mg",
    "Järn mg",
    "Magnesium mg",
    "Natrium mg",
    "Kalium mg",
    "Zink mg",
    "Mättade fettsyror g",
    "Enkelomättade fettsyror g",
    "Fleromättade fettsyror g",
    "Kolesterol mg",
    "Monosackarider g",
    "Disackarider g",
    "Sackaros g",
    "Fibrer g",
    "Alkohol g",
    "Fettsyra C4-C10 g",
    "Fettsyra C12:0 g",
    "Fettsyra C14:0 g",
    "Fettsyra C16:0 g",
    "Fettsyra C18:0 g",
    "Fettsyra C20:0 g",
    "Fettsyra C16:1 g",
    "Fettsyra C18:1 g",
    "Fettsyra C18:2 g",
    "Fettsyra C18:3 g",
    "Fettsyra C20:4 g",
    "Fettsyra C20:5 g",
    "Fettsyra C22:5 g",
    "Fettsyra C22:6 g",
    "Folat ug",
    "Selen ug",
};

const char* const kCommonNutrientNames[] = {
    "ILE_mg", "LEU_mg", "LYS_mg", "MET_mg", "CYS_mg", "PHE_mg", "TYR_mg",
    "THR_mg", "TRP_mg", "VAL_mg", "ARG_mg", "HIS_mg", "ALA_mg", "ASP_mg",
    "GLU_mg", "GLY_mg", "PRO_mg", "SER_mg", "extra1", "extra2", "extra3",
};

FieldDef text(const char* name, int size) {
    return {QString::fromUtf8(name), FieldType::Text, size};
}
FieldDef number(const QString& name) {
    return {name, FieldType::Float, 0};
}

QList<FieldDef> nutrientFields(bool productNames) {
    QList<FieldDef> out;
    for (const char* n : productNames ? kProductNutrientNames : kAgencyNutrientNames)
        out << number(QString::fromUtf8(n));
    for (const char* n : kCommonNutrientNames)
        out << number(QString::fromUtf8(n));
    return out;
}

QList<FieldDef> foodFields(const QString& table) {
    const bool dabas = table == TableSchema::Dabas;
    const bool product = dabas || table == TableSchema::Fabrikant;
    const int unitSize =
        table == TableSchema::Livtab100 || table == TableSchema::Livtab2005 ? 10 : 16;
    QList<FieldDef> f;
    f << text("Kod", dabas ? 24 : 12) << text("Livsmedel", 100)
      << number(QStringLiteral("Portionsstorlek")) << text("Enhet", 10) << text("Grupp1", 30)
      << text("Grupp2", 30) << text("kgpris", 10) << text("Datum", 10) << text("Grossist", 12)
      << text("Grossartnr", 20) << text("ean", 20) << text("Res1", 20) << text("Res2", 20)
      << number(QStringLiteral("Avfall _%_"));
    f << nutrientFields(product);
    for (int i = 1; i <= 4; ++i) {
        f << number(QStringLiteral("port%1").arg(i));
        f << FieldDef{QStringLiteral("enhet%1").arg(i), FieldType::Text, unitSize};
    }
    f << text("extrastring", 20) << text("www", 60);
    return f;
}

QList<FieldDef> normFields() {
    QList<FieldDef> f;
    f << FieldDef{QStringLiteral("Nr"), FieldType::Integer, 0} << text("Norm", 100)
      << number(QStringLiteral("Portionsstorlek")) << text("Enhet", 10) << text("Grupp1", 30)
      << text("Grupp2", 30) << text("kgpris", 10) << text("Datum", 10) << text("Grossist", 12)
      << text("Grossartnr", 20) << text("ean", 20) << text("Res1", 20) << text("Res2", 20)
      << number(QStringLiteral("Avfall _%_"));
    f << nutrientFields(false);
    return f;
}

QList<FieldDef> recipeFields() {
    QList<FieldDef> f;
    f << text("Rubrik", 100) << text("Grupp1", 30) << text("Grupp2", 30)
      << FieldDef{QStringLiteral("kodgram"), FieldType::Memo, 0}
      << FieldDef{QStringLiteral("Beskrivning"), FieldType::Memo, 0}
      << FieldDef{QStringLiteral("GrundPort"), FieldType::Integer, 0} << text("Reserv1", 250)
      << text("Reserv2", 50) << text("Reserv3", 20) << text("Pris", 10);
    return f;
}

QString sqlType(FieldType type) {
    switch (type) {
    case FieldType::Float:
        return QStringLiteral("REAL");
    case FieldType::Integer:
        return QStringLiteral("INTEGER");
    case FieldType::Text:
    case FieldType::Memo:
        break;
    }
    return QStringLiteral("TEXT");
}

} // namespace

QStringList TableSchema::foodTables() {
    return {Livtab100, Livtab2005, Fabrikant, Egna, Dabas};
}

QStringList TableSchema::allTables() {
    return foodTables() + QStringList{Normer, NormKroppsvikt, Recept, Recept2, ReceptUtskrift};
}

bool TableSchema::isFoodTable(const QString& table) {
    return foodTables().contains(table);
}

bool TableSchema::isNormTable(const QString& table) {
    return table == Normer || table == NormKroppsvikt;
}

QList<FieldDef> TableSchema::fields(const QString& table) {
    if (isFoodTable(table))
        return foodFields(table);
    if (isNormTable(table))
        return normFields();
    if (table == Recept || table == Recept2)
        return recipeFields();
    if (table == ReceptUtskrift)
        return {text("Livsmedel", 100), text("gram1", 30), text("gram2", 30)};
    return {};
}

QString TableSchema::keyField(const QString& table) {
    if (isFoodTable(table))
        return QStringLiteral("Kod");
    if (isNormTable(table))
        return QStringLiteral("Nr");
    if (table == Recept || table == Recept2)
        return QStringLiteral("Rubrik");
    return {};
}

QString TableSchema::quoted(const QString& identifier) {
    QString q = identifier;
    q.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

QStringList TableSchema::createStatements(const QString& table) {
    const QList<FieldDef> defs = fields(table);
    const QString key = keyField(table);
    QStringList columns;
    for (const FieldDef& f : defs) {
        QString col = quoted(f.name) + QLatin1Char(' ') + sqlType(f.type);
        if (f.name == key)
            col += QStringLiteral(" NOT NULL PRIMARY KEY");
        columns << col;
    }
    QStringList out;
    out << QStringLiteral("CREATE TABLE %1 (%2)")
               .arg(quoted(table), columns.join(QStringLiteral(", ")));
    const auto index = [&](const QString& name, const QString& field) {
        out << QStringLiteral("CREATE INDEX %1 ON %2 (%3)")
                   .arg(quoted(table + QLatin1Char('_') + name), quoted(table), quoted(field));
    };
    if (isFoodTable(table)) {
        index(QStringLiteral("livsmedel"), QStringLiteral("Livsmedel"));
        if (table == Livtab100)
            index(QStringLiteral("grossartnr"), QStringLiteral("Grossartnr"));
    } else if (isNormTable(table)) {
        index(QStringLiteral("norm"), QStringLiteral("Norm"));
    } else if (table == Recept || table == Recept2) {
        index(QStringLiteral("Rubrikindex"), QStringLiteral("Rubrik"));
        index(QStringLiteral("Grupp1index"), QStringLiteral("Grupp1"));
        index(QStringLiteral("Grupp2index"), QStringLiteral("Grupp2"));
    }
    return out;
}

} // namespace vexamat
