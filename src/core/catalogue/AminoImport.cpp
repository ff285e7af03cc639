#include "core/catalogue/AminoImport.h"

#include "core/catalogue/LivsmedelsverketImport.h"
#include "core/text/NumberText.h"
#include "core/catalogue/TableSchema.h"
#include "core/text/TextCodec.h"
#include "core/catalogue/VexamatDatabase.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

namespace vexamat {

namespace {
constexpr int kFirstAminoPosition = 65; // ILE_mg
constexpr int kAminoCount = 18;
constexpr int kFirstAminoField = 6; // field 7 of the line
} // namespace

int AminoImport::run(const VexamatDatabase& database, const QString& path, QString* error) {
    QStringList lines;
    if (!TextCodec::readLines(path, &lines)) {
        if (error)
            *error = QStringLiteral("Filen %1 kan inte öppnas.").arg(path);
        return -1;
    }
    const QList<FieldDef> fields = TableSchema::fields(TableSchema::Livtab100);
    QStringList assignments{QStringLiteral("\"Livsmedel\" = \"Livsmedel\" || '*'")};
    for (int i = 0; i < kAminoCount; ++i)
        assignments << TableSchema::quoted(fields.at(kFirstAminoPosition + i).name) +
                           QStringLiteral(" = ?");
    QSqlDatabase db = database.db();
    db.transaction();
    QSqlQuery update(db);
    if (!update.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE \"Kod\" = ?")
                            .arg(TableSchema::quoted(TableSchema::Livtab100),
                                 assignments.join(QStringLiteral(", "))))) {
        db.rollback();
        if (error)
            *error = update.lastError().text();
        return -1;
    }
    int found = 0;
    for (const QString& line : lines) {
        const QStringList parts = line.split(QLatin1Char(';'));
        // Every amino field, the last included, must be ended by ";".
        if (parts.size() <= kFirstAminoField + kAminoCount)
            continue;
        bool ok = false;
        const qint64 number = parts.at(0).trimmed().toLongLong(&ok);
        if (!ok || number < 0)
            continue;
        for (int i = 0; i < kAminoCount; ++i) {
            const NumberText::Parsed v = NumberText::parse(parts.at(kFirstAminoField + i));
            update.bindValue(i,
                             v.kind == NumberText::Kind::Number ? QVariant(v.value) : QVariant());
        }
        update.bindValue(kAminoCount, LivsmedelsverketImport::codeForNumber(number));
        if (!update.exec()) {
            db.rollback();
            if (error)
                *error = update.lastError().text();
            return -1;
        }
        if (update.numRowsAffected() > 0)
            ++found;
    }
    db.commit();
    return found;
}

} // namespace vexamat
