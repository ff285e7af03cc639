#include "core/catalogue/DefaultDataBuilder.h"

#include "core/catalogue/CsvReader.h"
#include "core/catalogue/TableSchema.h"
#include "core/text/TextCodec.h"
#include "core/catalogue/VexamatDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace vexamat {

namespace {

bool parseNumber(const QString& text, FieldType type, QVariant* value) {
    bool ok = false;
    if (type == FieldType::Integer) {
        const qlonglong v = text.toLongLong(&ok);
        if (ok)
            *value = v;
        return ok;
    }
    const double v = text.toDouble(&ok);
    if (ok)
        *value = v;
    return ok;
}

} // namespace

QStringList DefaultDataBuilder::textFiles() {
    return {QStringLiteral("nvnamn.txt"), QStringLiteral("aktiv.txt"), QStringLiteral("info.txt"),
            QStringLiteral("vexamat.para"), QStringLiteral("nvval.txt")};
}

bool DefaultDataBuilder::importCsv(VexamatDatabase& db, const QString& table,
                                   const QString& csvPath, QString* error) {
    const QString fileName = QFileInfo(csvPath).fileName();
    QFile file(csvPath);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: kan inte öppnas: %2").arg(fileName, file.errorString());
        return false;
    }
    QList<CsvReader::Record> records;
    QString parseError;
    if (!CsvReader::parse(file.readAll(), &records, &parseError)) {
        *error = fileName + QStringLiteral(", ") + parseError;
        return false;
    }
    const QList<FieldDef> fields = TableSchema::fields(table);
    if (records.isEmpty()) {
        *error = QStringLiteral("%1: rubrikraden saknas").arg(fileName);
        return false;
    }
    const CsvReader::Record header = records.takeFirst();
    if (header.fields.size() != fields.size()) {
        *error = QStringLiteral("%1, rad %2: rubrikraden har %3 fält, men tabellen %4 har %5")
                     .arg(fileName)
                     .arg(header.line)
                     .arg(header.fields.size())
                     .arg(table)
                     .arg(fields.size());
        return false;
    }
    for (int i = 0; i < fields.size(); ++i) {
        if (header.fields.at(i) != fields.at(i).name) {
            *error = QStringLiteral("%1, rad %2, kolumn %3: \"%4\" ska vara \"%5\"")
                         .arg(fileName)
                         .arg(header.line)
                         .arg(i + 1)
                         .arg(header.fields.at(i), fields.at(i).name);
            return false;
        }
    }
    QSqlDatabase sql = db.db();
    QStringList placeholders;
    for (int i = 0; i < fields.size(); ++i)
        placeholders << QStringLiteral("?");
    QSqlQuery q(sql);
    if (!sql.transaction() ||
        !q.prepare(QStringLiteral("INSERT INTO %1 VALUES (%2)")
                       .arg(TableSchema::quoted(table), placeholders.join(QLatin1Char(','))))) {
        *error = QStringLiteral("%1: %2").arg(fileName, sql.lastError().text());
        return false;
    }
    for (const CsvReader::Record& record : records) {
        if (record.fields.size() != fields.size()) {
            *error = QStringLiteral("%1, rad %2: %3 fält, men ska vara %4")
                         .arg(fileName)
                         .arg(record.line)
                         .arg(record.fields.size())
                         .arg(fields.size());
            sql.rollback();
            return false;
        }
        for (int i = 0; i < fields.size(); ++i) {
            const FieldDef& f = fields.at(i);
            const QString& text = record.fields.at(i);
            QVariant value;
            if (text.isEmpty()) {
                value = QVariant();
            } else if (f.type == FieldType::Float || f.type == FieldType::Integer) {
                if (!parseNumber(text, f.type, &value)) {
                    *error = QStringLiteral("%1, rad %2, kolumn \"%3\": \"%4\" är inget tal")
                                 .arg(fileName)
                                 .arg(record.line)
                                 .arg(f.name, text);
                    sql.rollback();
                    return false;
                }
            } else {
                if (f.size > 0 && text.size() > f.size) {
                    *error =
                        QStringLiteral("%1, rad %2, kolumn \"%3\": texten är längre än %4 tecken")
                            .arg(fileName)
                            .arg(record.line)
                            .arg(f.name)
                            .arg(f.size);
                    sql.rollback();
                    return false;
                }
                value = text;
            }
            q.bindValue(i, value);
        }
        if (!q.exec()) {
            *error = QStringLiteral("%1, rad %2: %3")
                         .arg(fileName)
                         .arg(record.line)
                         .arg(q.lastError().text());
            sql.rollback();
            return false;
        }
    }
    if (!sql.commit()) {
        *error = QStringLiteral("%1: %2").arg(fileName, sql.lastError().text());
        return false;
    }
    return true;
}

bool DefaultDataBuilder::build(const QString& sourceDir, const QString& outDir, QString* error) {
    const QDir source(sourceDir);
    if (!QDir().mkpath(outDir)) {
        *error = QStringLiteral("Kan inte skapa mappen %1").arg(outDir);
        return false;
    }
    const QDir out(outDir);
    const QString finalPath = out.filePath(VexamatDatabase::kFileName);
    const QString tempPath = finalPath + QStringLiteral(".new");
    QFile::remove(tempPath);
    {
        VexamatDatabase db;
        if (!db.create(tempPath, error))
            return false;
        for (const QString& table : TableSchema::allTables()) {
            const QString csv = source.filePath(table + QStringLiteral(".csv"));
            if (!QFileInfo::exists(csv))
                continue; // created empty
            if (!importCsv(db, table, csv, error)) {
                db.close();
                QFile::remove(tempPath);
                return false;
            }
        }
        db.close();
    }
    for (const QString& name : textFiles()) {
        QFile in(source.filePath(name));
        if (!in.exists())
            continue;
        if (!in.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("%1: kan inte öppnas").arg(name);
            return false;
        }
        const QStringList lines = TextCodec::splitLines(QString::fromUtf8(in.readAll()));
        QString writeError;
        if (!TextCodec::writeLines(out.filePath(name), lines, &writeError)) {
            *error = QStringLiteral("%1: %2").arg(name, writeError);
            return false;
        }
    }
    QFile::remove(finalPath);
    if (!QFile::rename(tempPath, finalPath)) {
        *error = QStringLiteral("Kan inte skriva %1").arg(finalPath);
        return false;
    }
    return true;
}

} // namespace vexamat
