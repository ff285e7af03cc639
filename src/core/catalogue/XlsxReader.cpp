#include "core/catalogue/XlsxReader.h"

#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

#include <zip.h>

#include <memory>

namespace vexamat {

namespace {

// No part of a spreadsheet we read comes near this; a larger one is refused rather than
// unpacked into memory.
constexpr zip_uint64_t kMaxPartSize = 256ull * 1024 * 1024;

struct ZipCloser {
    void operator()(zip_t* z) const { zip_discard(z); }
};
using ZipArchive = std::unique_ptr<zip_t, ZipCloser>;

struct ZipFileCloser {
    void operator()(zip_file_t* f) const { zip_fclose(f); }
};

// A part of the archive; false when it is absent. *damaged is set when it exists but
// cannot be read whole.
bool readPart(zip_t* archive, const QString& name, QByteArray* out, bool* damaged) {
    *damaged = false;
    const QByteArray utf8 = name.toUtf8();
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat(archive, utf8.constData(), 0, &st) != 0)
        return false;
    if (!(st.valid & ZIP_STAT_SIZE) || st.size > kMaxPartSize) {
        *damaged = true;
        return false;
    }
    std::unique_ptr<zip_file_t, ZipFileCloser> file(zip_fopen(archive, utf8.constData(), 0));
    if (!file) {
        *damaged = true;
        return false;
    }
    out->resize(qsizetype(st.size));
    zip_int64_t done = 0;
    while (done < zip_int64_t(st.size)) {
        const zip_int64_t n = zip_fread(file.get(), out->data() + done, st.size - done);
        if (n <= 0)
            break;
        done += n;
    }
    if (done != zip_int64_t(st.size)) {
        *damaged = true;
        return false;
    }
    return true;
}

// The text of a shared string item: every <t> except those of phonetic runs.
QString readStringItem(QXmlStreamReader& xml) {
    QString text;
    int phoneticDepth = 0;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (xml.name() == QLatin1String("rPh"))
                ++phoneticDepth;
            else if (xml.name() == QLatin1String("t") && phoneticDepth == 0)
                text += xml.readElementText();
        } else if (token == QXmlStreamReader::EndElement) {
            if (xml.name() == QLatin1String("rPh"))
                --phoneticDepth;
            else if (xml.name() == QLatin1String("si"))
                break;
        }
    }
    return text;
}

bool readSharedStrings(const QByteArray& bytes, QStringList* strings) {
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("si"))
            *strings << readStringItem(xml);
    }
    return !xml.hasError();
}

// The worksheet part of the first sheet named in the workbook.
QString firstSheetPart(zip_t* archive) {
    const QString fallback = QStringLiteral("xl/worksheets/sheet1.xml");
    QByteArray workbook;
    QByteArray rels;
    bool damaged = false;
    if (!readPart(archive, QStringLiteral("xl/workbook.xml"), &workbook, &damaged) ||
        !readPart(archive, QStringLiteral("xl/_rels/workbook.xml.rels"), &rels, &damaged))
        return fallback;
    QString relationId;
    QXmlStreamReader wb(workbook);
    while (!wb.atEnd() && relationId.isEmpty()) {
        if (wb.readNext() == QXmlStreamReader::StartElement &&
            wb.name() == QLatin1String("sheet")) {
            for (const QXmlStreamAttribute& a : wb.attributes()) {
                if (a.name() == QLatin1String("id"))
                    relationId = a.value().toString();
            }
        }
    }
    QXmlStreamReader rl(rels);
    while (!rl.atEnd()) {
        if (rl.readNext() == QXmlStreamReader::StartElement &&
            rl.name() == QLatin1String("Relationship") &&
            rl.attributes().value(QLatin1String("Id")) == relationId) {
            QString target = rl.attributes().value(QLatin1String("Target")).toString();
            if (target.startsWith(QLatin1Char('/')))
                return target.mid(1);
            return QStringLiteral("xl/") + target;
        }
    }
    return fallback;
}

} // namespace

QString XlsxReader::columnName(int column) {
    QString name;
    for (int c = column + 1; c > 0; c = (c - 1) / 26)
        name.prepend(QChar(u'A' + (c - 1) % 26));
    return name;
}

int XlsxReader::columnOfReference(QStringView reference) {
    int column = 0;
    int letters = 0;
    for (const QChar ch : reference) {
        const char16_t u = ch.unicode();
        if (u < u'A' || u > u'Z')
            break;
        column = column * 26 + (u - u'A' + 1);
        ++letters;
        if (letters > 4)
            return -1;
    }
    return letters == 0 ? -1 : column - 1;
}

bool XlsxReader::read(const QString& path, QList<XlsxRow>* rows, QString* error) {
    const auto fail = [error](const QString& message) {
        if (error)
            *error = message;
        return false;
    };
    rows->clear();
    if (!QFileInfo(path).isFile())
        return fail(QStringLiteral("Filen %1 finns inte.").arg(path));
    int zipError = 0;
    ZipArchive archive(zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &zipError));
    if (!archive)
        return fail(QStringLiteral("Filen %1 är ingen .xlsx-fil eller är skadad "
                                   "(den kan inte öppnas som zip-arkiv).")
                        .arg(path));

    bool damaged = false;
    QStringList shared;
    QByteArray bytes;
    if (readPart(archive.get(), QStringLiteral("xl/sharedStrings.xml"), &bytes, &damaged)) {
        if (!readSharedStrings(bytes, &shared))
            return fail(QStringLiteral("Filen %1 är skadad: texterna (xl/sharedStrings.xml) "
                                       "kan inte läsas.")
                            .arg(path));
    } else if (damaged) {
        return fail(QStringLiteral("Filen %1 är skadad: xl/sharedStrings.xml kan inte packas upp.")
                        .arg(path));
    }

    const QString sheet = firstSheetPart(archive.get());
    bytes.clear();
    if (!readPart(archive.get(), sheet, &bytes, &damaged)) {
        if (damaged)
            return fail(
                QStringLiteral("Filen %1 är skadad: %2 kan inte packas upp.").arg(path, sheet));
        return fail(QStringLiteral("Filen %1 är ingen .xlsx-fil: kalkylbladet saknas.").arg(path));
    }

    QXmlStreamReader xml(bytes);
    XlsxRow row;
    bool inRow = false;
    int nextRowNumber = 1;
    int nextColumn = 0;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            const auto name = xml.name();
            if (name == QLatin1String("row")) {
                row = XlsxRow{};
                bool ok = false;
                const int number = xml.attributes().value(QLatin1String("r")).toInt(&ok);
                row.number = ok && number > 0 ? number : nextRowNumber;
                nextRowNumber = row.number + 1;
                nextColumn = 0;
                inRow = true;
            } else if (name == QLatin1String("c") && inRow) {
                const QXmlStreamAttributes attrs = xml.attributes();
                int column = nextColumn;
                if (attrs.hasAttribute(QLatin1String("r")))
                    column = columnOfReference(attrs.value(QLatin1String("r")));
                if (column < 0 || column > 16383)
                    return fail(QStringLiteral("Filen %1 är skadad: en cell på rad %2 har en "
                                               "felaktig referens.")
                                    .arg(path)
                                    .arg(row.number));
                nextColumn = column + 1;
                const QString type = attrs.value(QLatin1String("t")).toString();
                QString value;
                // The cell's value: <v>, or the text of an inline string.
                while (!xml.atEnd()) {
                    const auto t = xml.readNext();
                    if (t == QXmlStreamReader::StartElement) {
                        if (xml.name() == QLatin1String("v"))
                            value = xml.readElementText();
                        else if (xml.name() == QLatin1String("is"))
                            value = readStringItem(xml);
                    } else if (t == QXmlStreamReader::EndElement &&
                               xml.name() == QLatin1String("c")) {
                        break;
                    }
                }
                if (type == QLatin1String("s")) {
                    bool ok = false;
                    const int index = value.toInt(&ok);
                    if (!ok || index < 0 || index >= shared.size())
                        return fail(QStringLiteral("Filen %1 är skadad: cell %2%3 pekar på en "
                                                   "text som saknas.")
                                        .arg(path, columnName(column))
                                        .arg(row.number));
                    value = shared.at(index);
                }
                while (row.cells.size() <= column)
                    row.cells << QString();
                row.cells[column] = value;
            }
        } else if (token == QXmlStreamReader::EndElement && xml.name() == QLatin1String("row")) {
            rows->append(std::move(row));
            row = XlsxRow{};
            inRow = false;
        }
    }
    if (xml.hasError()) {
        const int lastRow = rows->isEmpty() ? 0 : rows->last().number;
        return fail(QStringLiteral("Filen %1 är skadad: kalkylbladet går inte att läsa efter "
                                   "rad %2 (%3).")
                        .arg(path)
                        .arg(lastRow)
                        .arg(xml.errorString()));
    }
    return true;
}

} // namespace vexamat
