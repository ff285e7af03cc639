#include "core/catalogue/LivsmedelsverketImport.h"

#include "core/text/NumberText.h"
#include "core/catalogue/NutrientNames.h"
#include "core/catalogue/TableSchema.h"
#include "core/catalogue/VexamatDatabase.h"

#include <QHash>
#include <QSqlError>
#include <QSqlQuery>

#include <cmath>
#include <optional>

namespace vexamat {

namespace {

constexpr int kFirstDataRow = 4;
constexpr int kReservePosition = 83; // extra1..extra3 hold NutrientNo 84..86

enum class Reserve { None, Iodine, VitaminK, Salt };

// Column names compared without regard to letter case, spacing or the spelling of micro.
QString normalized(const QString& name) {
    QString s = name.simplified().toLower();
    s.replace(QChar(0x03BC), QChar(0x00B5)); // Greek mu written for the micro sign
    for (const char* alias : {"(ug", "(mcg", "/ug", "/mcg"}) {
        const QString a = QString::fromLatin1(alias);
        s.replace(a, a.left(1) + QStringLiteral("µg"));
    }
    return s;
}

// The agency's column names (and the older spellings of them) by livtab100 field position.
const QHash<QString, int>& knownColumns() {
    static const QHash<QString, int> columns = [] {
        const QList<std::pair<int, const char*>> names{
            {13, "Avfall (skal etc.) (%)"},
            {13, "Avfall (%)"},
            {14, "Energi (kJ)"},
            {15, "Energi (kcal)"},
            {16, "Vatten (g)"},
            {17, "Aska (g)"},
            {18, "Protein (g)"},
            {19, "Fett, totalt (g)"},
            {19, "Fett (g)"},
            {20, "Kolhydrater, tillgängliga (g)"},
            {20, "Kolhydrater (g)"},
            {21, "Retinol (µg)"},
            {22, "Betakaroten/β-Karoten (µg)"},
            {22, "Betakaroten (µg)"},
            {22, "β-Karoten (µg)"},
            {22, "Karoten (µg)"},
            {23, "Vitamin A (RE/µg)"},
            {23, "Retinolekvivalenter (µg)"},
            {23, "Vitamin A (µg)"},
            {24, "Vitamin D (µg)"},
            {25, "Vitamin E (mg)"},
            {25, "Alfa-tokoferol (mg)"},
            {26, "Tiamin (mg)"},
            {27, "Vitamin C (mg)"},
            {27, "Askorbinsyra (mg)"},
            {28, "Riboflavin (mg)"},
            {29, "Niacin (mg)"},
            {30, "Niacinekvivalenter (NE/mg)"},
            {30, "Niacinekvivalenter (mg)"},
            {31, "Vitamin B6 (mg)"},
            {32, "Vitamin B12 (µg)"},
            {33, "Kalcium, Ca (mg)"},
            {33, "Kalcium (mg)"},
            {34, "Fosfor, P (mg)"},
            {34, "Fosfor (mg)"},
            {35, "Järn, Fe (mg)"},
            {35, "Järn (mg)"},
            {36, "Magnesium, Mg (mg)"},
            {36, "Magnesium (mg)"},
            {37, "Natrium, Na (mg)"},
            {37, "Natrium (mg)"},
            {38, "Kalium, K (mg)"},
            {38, "Kalium (mg)"},
            {39, "Zink, Zn (mg)"},
            {39, "Zink (mg)"},
            {40, "Summa mättade fettsyror (g)"},
            {40, "Mättade fettsyror (g)"},
            {41, "Summa enkelomättade fettsyror (g)"},
            {41, "Enkelomättade fettsyror (g)"},
            {42, "Summa fleromättade fettsyror (g)"},
            {42, "Fleromättade fettsyror (g)"},
            {43, "Kolesterol (mg)"},
            {44, "Monosackarider (g)"},
            {45, "Disackarider (g)"},
            {46, "Sackaros (g)"},
            {47, "Fibrer (g)"},
            {48, "Alkohol (g)"},
            {49, "Fettsyra 4:0-10:0 (g)"},
            {49, "Fettsyra C4:0-C10:0 (g)"},
            {50, "Laurinsyra C12:0 (g)"},
            {51, "Myristinsyra C14:0 (g)"},
            {52, "Palmitinsyra C16:0 (g)"},
            {53, "Stearinsyra C18:0 (g)"},
            {54, "Arakidinsyra C20:0 (g)"},
            {55, "Palmitoljesyra C16:1 (g)"},
            {56, "Oljesyra C18:1 (g)"},
            {57, "Linolsyra C18:2 (g)"},
            {58, "Linolensyra C18:3 (g)"},
            {59, "Arakidonsyra C20:4 (g)"},
            {60, "EPA (C20:5) (g)"},
            {61, "DPA (C22:5) (g)"},
            {62, "DHA (C22:6) (g)"},
            {63, "Folat (µg)"},
            {64, "Selen, Se (µg)"},
            {64, "Selen (µg)"},
        };
        QHash<QString, int> out;
        for (const auto& [pos, name] : names)
            out.insert(normalized(QString::fromUtf8(name)), pos);
        return out;
    }();
    return columns;
}

Reserve reserveColumn(const QString& key) {
    if (key.startsWith(QStringLiteral("jod")))
        return Reserve::Iodine;
    if (key.startsWith(QStringLiteral("vitamin k")))
        return Reserve::VitaminK;
    if (key.startsWith(QStringLiteral("salt")))
        return Reserve::Salt;
    return Reserve::None;
}

// What nvnamn.txt keeps in a reserve slot, judged by the nutrient's name.
Reserve reserveNamed(const QString& nutrientName) {
    const QString n = nutrientName.simplified().toLower();
    if (n.isEmpty())
        return Reserve::None;
    if (n.startsWith(QStringLiteral("jod")))
        return Reserve::Iodine;
    if (n.startsWith(QStringLiteral("k-vit")) || n.startsWith(QStringLiteral("vitamin k")) ||
        n.startsWith(QStringLiteral("k-vitamin")))
        return Reserve::VitaminK;
    if (n.startsWith(QStringLiteral("salt")))
        return Reserve::Salt;
    return Reserve::None;
}

QString cellOf(const XlsxRow& row, int column) {
    return column >= 0 && column < row.cells.size() ? row.cells.at(column) : QString();
}

QString firstText(const XlsxRow* row) {
    if (!row)
        return {};
    for (const QString& c : row->cells) {
        if (!c.trimmed().isEmpty())
            return c.simplified();
    }
    return {};
}

QString columnLabel(int column, const QString& name) {
    return QStringLiteral("kolumn %1 \"%2\"").arg(XlsxReader::columnName(column), name);
}

} // namespace

LivsmedelsverketImport::LivsmedelsverketImport(const NutrientNames* names) {
    if (!names)
        return;
    for (int i = 0; i < 3; ++i)
        m_reserveNames[i] = names->NutrientLabel[84 + i];
}

QString LivsmedelsverketImport::codeForNumber(qint64 number) {
    QString digits = QString::number(number);
    if (digits.size() < 4)
        digits = digits.rightJustified(4, QLatin1Char('0'));
    return digits.left(digits.size() - 3) + QLatin1Char('_') + digits.right(3);
}

int LivsmedelsverketImport::fieldFor(const QString& columnName) const {
    const QString key = normalized(columnName);
    const auto it = knownColumns().constFind(key);
    if (it != knownColumns().constEnd())
        return it.value();
    const Reserve wanted = reserveColumn(key);
    if (wanted == Reserve::None)
        return -1;
    for (int i = 0; i < 3; ++i) {
        if (reserveNamed(m_reserveNames[i]) == wanted)
            return kReservePosition + i;
    }
    return -1;
}

bool LivsmedelsverketImport::convert(const QList<XlsxRow>& rows, QList<QList<QVariant>>* records,
                                     Summary* summary, QString* error) const {
    const auto fail = [error](const QString& message) {
        if (error)
            *error = message;
        return false;
    };
    const QString notAnExport =
        QStringLiteral(" Filen är ingen export från Livsmedelsverkets livsmedelsdatabas.");
    records->clear();
    *summary = Summary{};

    const auto rowNumbered = [&rows](int number) -> const XlsxRow* {
        for (const XlsxRow& r : rows) {
            if (r.number == number)
                return &r;
            if (r.number > number)
                break;
        }
        return nullptr;
    };

    summary->versionLine = firstText(rowNumbered(1));
    if (summary->versionLine.isEmpty())
        return fail(QStringLiteral("Rad 1: versionsraden saknas.") + notAnExport);
    const QString subtitle = firstText(rowNumbered(2));
    if (subtitle.compare(kSubtitle, Qt::CaseInsensitive) != 0)
        return fail(
            QStringLiteral("Rad 2: väntade \"%1\" men fann \"%2\".").arg(kSubtitle, subtitle) +
            notAnExport);
    const XlsxRow* heading = rowNumbered(3);
    if (!heading)
        return fail(QStringLiteral("Rad 3: kolumnnamnen saknas.") + notAnExport);

    int nameColumn = -1;
    int numberColumn = -1;
    int groupColumn = -1;
    QList<std::pair<int, int>> nutrientColumns; // column, field position
    QHash<int, int> columnOfField;
    for (int c = 0; c < heading->cells.size(); ++c) {
        const QString name = heading->cells.at(c).simplified();
        if (name.isEmpty())
            continue;
        const QString key = normalized(name);
        int field = -1;
        if (key == QLatin1String("livsmedelsnamn")) {
            field = 1;
            nameColumn = c;
        } else if (key == QLatin1String("livsmedelsnummer")) {
            field = 0;
            numberColumn = c;
        } else if (key == QLatin1String("gruppering")) {
            field = 4;
            groupColumn = c;
        } else {
            field = fieldFor(name);
        }
        if (field < 0) {
            summary->ignoredColumns << name;
            continue;
        }
        if (columnOfField.contains(field)) {
            const int other = columnOfField.value(field);
            return fail(QStringLiteral("Rad 3, %1: samma värde finns redan i %2.")
                            .arg(columnLabel(c, name),
                                 columnLabel(other, heading->cells.at(other).simplified())));
        }
        columnOfField.insert(field, c);
        summary->mappedColumns << name;
        if (field >= TableSchema::kWastePosition)
            nutrientColumns.append({c, field});
    }
    if (nameColumn < 0)
        return fail(QStringLiteral("Rad 3: kolumnen \"Livsmedelsnamn\" saknas.") + notAnExport);
    if (numberColumn < 0)
        return fail(QStringLiteral("Rad 3: kolumnen \"Livsmedelsnummer\" saknas.") + notAnExport);

    const QList<FieldDef> fields = TableSchema::fields(TableSchema::Livtab100);
    QHash<qint64, int> rowOfNumber;
    const QString numberName = heading->cells.at(numberColumn).simplified();
    const QString nameName = heading->cells.at(nameColumn).simplified();
    for (const XlsxRow& row : rows) {
        if (row.number < kFirstDataRow)
            continue;
        bool empty = true;
        for (const QString& c : row.cells) {
            if (!c.trimmed().isEmpty()) {
                empty = false;
                break;
            }
        }
        if (empty)
            continue;

        const QString numberText = cellOf(row, numberColumn).trimmed();
        const NumberText::Parsed parsedNumber = NumberText::parse(numberText);
        const double numberValue = parsedNumber.value;
        if (parsedNumber.kind != NumberText::Kind::Number || numberValue < 0 ||
            numberValue != std::floor(numberValue) || numberValue > 1e12)
            return fail(QStringLiteral("Rad %1, %2: \"%3\" är inget livsmedelsnummer.")
                            .arg(row.number)
                            .arg(columnLabel(numberColumn, numberName), numberText));
        const qint64 number = qint64(numberValue);
        if (rowOfNumber.contains(number))
            return fail(QStringLiteral("Rad %1: livsmedelsnummer %2 finns redan på rad %3.")
                            .arg(row.number)
                            .arg(number)
                            .arg(rowOfNumber.value(number)));
        rowOfNumber.insert(number, row.number);

        const QString name = cellOf(row, nameColumn).simplified();
        if (name.isEmpty())
            return fail(QStringLiteral("Rad %1, %2: namnet saknas.")
                            .arg(row.number)
                            .arg(columnLabel(nameColumn, nameName)));

        QList<QVariant> record(fields.size());
        for (int i = 0; i < fields.size(); ++i)
            record[i] = QVariant();
        record[0] = codeForNumber(number);
        record[1] = name;
        record[2] = 100.0;
        record[3] = QStringLiteral("g");
        if (groupColumn >= 0) {
            const QString group = cellOf(row, groupColumn).simplified();
            if (!group.isEmpty())
                record[4] = group;
        }
        for (const auto& [column, field] : nutrientColumns) {
            const QString text = cellOf(row, column);
            const NumberText::Parsed value = NumberText::parse(text);
            switch (value.kind) {
            case NumberText::Kind::Empty:
                break;
            case NumberText::Kind::Number:
                record[field] = value.value;
                break;
            case NumberText::Kind::Invalid:
                return fail(QStringLiteral("Rad %1, %2: \"%3\" är inget tal.")
                                .arg(row.number)
                                .arg(columnLabel(column, heading->cells.at(column).simplified()),
                                     text.trimmed()));
            }
        }
        records->append(std::move(record));
    }
    if (records->isEmpty())
        return fail(QStringLiteral("Filen innehåller inga livsmedel (inga rader efter rad 3)."));
    summary->foods = int(records->size());
    return true;
}

bool LivsmedelsverketImport::replaceTable(VexamatDatabase& database,
                                          const QList<QList<QVariant>>& records,
                                          const QString& versionLine, QString* error) {
    QSqlDatabase db = database.db();
    const QString table = TableSchema::Livtab100;
    const auto fail = [&](const QString& message) {
        db.rollback();
        if (error)
            *error = message;
        return false;
    };
    if (!db.transaction()) {
        if (error)
            *error = QStringLiteral("Databasen kan inte ändras: %1").arg(db.lastError().text());
        return false;
    }
    QString tableError;
    if (!database.hasTable(table)) {
        if (!database.createTable(table, &tableError))
            return fail(tableError);
    } else if (!database.checkTable(table, &tableError)) {
        return fail(tableError);
    }
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("DELETE FROM %1").arg(TableSchema::quoted(table))))
        return fail(
            QStringLiteral("Tabellen %1 kan inte tömmas: %2").arg(table, q.lastError().text()));
    const int fieldCount = TableSchema::kFoodFieldCount;
    QStringList marks;
    for (int i = 0; i < fieldCount; ++i)
        marks << QStringLiteral("?");
    if (!q.prepare(QStringLiteral("INSERT INTO %1 VALUES (%2)")
                       .arg(TableSchema::quoted(table), marks.join(QLatin1Char(',')))))
        return fail(
            QStringLiteral("Tabellen %1 kan inte fyllas: %2").arg(table, q.lastError().text()));
    for (const QList<QVariant>& record : records) {
        for (int i = 0; i < fieldCount; ++i)
            q.bindValue(i, i < record.size() ? record.at(i) : QVariant());
        if (!q.exec())
            return fail(QStringLiteral("Livsmedlet %1 kan inte sparas: %2")
                            .arg(record.value(0).toString(), q.lastError().text()));
    }
    QSqlQuery v(db);
    if (!v.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (\"Version\" TEXT)")
                    .arg(TableSchema::quoted(kVersionTable))) ||
        !v.exec(QStringLiteral("DELETE FROM %1").arg(TableSchema::quoted(kVersionTable))) ||
        !v.prepare(QStringLiteral("INSERT INTO %1 (\"Version\") VALUES (?)")
                       .arg(TableSchema::quoted(kVersionTable))))
        return fail(QStringLiteral("Versionsraden kan inte sparas: %1").arg(v.lastError().text()));
    v.bindValue(0, versionLine);
    if (!v.exec())
        return fail(QStringLiteral("Versionsraden kan inte sparas: %1").arg(v.lastError().text()));
    if (!db.commit())
        return fail(QStringLiteral("Databasen kan inte sparas: %1").arg(db.lastError().text()));
    return true;
}

bool LivsmedelsverketImport::run(const QString& xlsxPath, VexamatDatabase& database,
                                 Summary* summary, QString* error) const {
    QList<XlsxRow> rows;
    if (!XlsxReader::read(xlsxPath, &rows, error))
        return false;
    QList<QList<QVariant>> records;
    if (!convert(rows, &records, summary, error))
        return false;
    return replaceTable(database, records, summary->versionLine, error);
}

QString LivsmedelsverketImport::importedVersion(const VexamatDatabase& database) {
    if (!database.isOpen() || !database.hasTable(kVersionTable))
        return {};
    QSqlQuery q(database.db());
    if (!q.exec(
            QStringLiteral("SELECT \"Version\" FROM %1").arg(TableSchema::quoted(kVersionTable))) ||
        !q.next())
        return {};
    return q.value(0).toString();
}

} // namespace vexamat
