#include "core/reports/SurveyProjectFile.h"

#include "core/catalogue/FoodTable.h"
#include "core/catalogue/NutrientNames.h"
#include "core/registration/Conversions.h"
#include "core/reports/SurveyProject.h"
#include "core/text/DecimalText.h"
#include "core/text/TextCodec.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>

namespace vexamat {

namespace {

bool isPointNumber(const QString& text) {
    static const QRegularExpression number(
        QStringLiteral("^[+-]?[0-9]*\\.[0-9]*([eE][+-]?[0-9]+)?$"));
    return number.match(text).hasMatch() && text.size() > 1;
}

QString tooManyRows(int rowsRead) {
    return QStringLiteral("Filen har fler rader än rutnätet rymmer (%1). De %2 första raderna "
                          "lästes, resten lästes inte.")
        .arg(SurveyProject::kRows - 1)
        .arg(rowsRead);
}

// The cells of a line, split at each ";", as many as the grid has columns; tooLong is set
// when text follows past them.
void splitCells(QStringView line, QList<QStringView>& cells, bool* tooLong) {
    cells.clear();
    qsizetype from = 0;
    for (;;) {
        const qsizetype end = line.indexOf(u';', from);
        const QStringView part = line.mid(from, end < 0 ? line.size() - from : end - from);
        if (cells.size() < SurveyProject::kColumns)
            cells << part;
        else if (!part.isEmpty())
            *tooLong = true;
        if (end < 0)
            return;
        from = end + 1;
    }
}

QString keptRows(int rowsRead) {
    return QStringLiteral(" De %1 rader som lästes före den finns kvar.").arg(rowsRead);
}

} // namespace

QString SurveyProjectFile::fileCell(const QString& text) {
    QString t = text;
    qsizetype i = 0;
    while (i < t.size() && t.at(i) == QLatin1Char(' '))
        ++i;
    t.remove(0, i);
    // A ";" would start a new cell and a line end a new row: the project could not be
    // read back.
    t.replace(QLatin1Char(';'), QLatin1Char(','));
    t.replace(QLatin1Char('\r'), QLatin1Char(' '));
    t.replace(QLatin1Char('\n'), QLatin1Char(' '));
    // Only numbers get the decimal comma: a name such as "t.ex." stays as typed.
    if (isPointNumber(t))
        return DotToComma(t);
    return t;
}

QStringList SurveyProjectFile::lines(const SurveyProject& project) {
    QStringList out;
    for (int r = 0; r < SurveyProject::kRows; ++r) {
        if (!project.isUsed(r))
            continue;
        QString line;
        line.reserve(SurveyProject::kColumns * 4);
        for (int c = 0; c < SurveyProject::kColumns; ++c) {
            line += fileCell(project.cell(r, c));
            line += QLatin1Char(';');
        }
        line += QLatin1Char(';');
        out << line;
    }
    return out;
}

int SurveyProjectFile::write(const SurveyProject& project, const QString& path, QString* error) {
    const QStringList out = lines(project);
    if (!TextCodec::writeLines(path, out)) {
        if (error)
            *error = kSaveError;
        return -1;
    }
    return int(out.size());
}

SurveyProjectFile::ReadResult SurveyProjectFile::read(const QString& path, SurveyProject& project) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {false, 0, kReadError};
    // Lines as views into the one decoded text: a large project is read without copying
    // each line.
    const QString text = TextCodec::decode1252(file.readAll());
    QList<QStringView> lines;
    qsizetype from = 0;
    while (from < text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), from);
        if (end < 0)
            end = text.size();
        QStringView line = QStringView(text).mid(from, end - from);
        if (line.endsWith(u'\r'))
            line.chop(1);
        lines << line;
        from = end + 1;
    }
    return readLineViews(lines, project);
}

SurveyProjectFile::ReadResult SurveyProjectFile::readLines(const QStringList& fileLines,
                                                           SurveyProject& project) {
    QList<QStringView> lines;
    lines.reserve(fileLines.size());
    for (const QString& line : fileLines)
        lines << line;
    return readLineViews(lines, project);
}

SurveyProjectFile::ReadResult SurveyProjectFile::readLineViews(const QList<QStringView>& fileLines,
                                                               SurveyProject& project) {
    ReadResult result;
    const QList<int>& nutrients = project.nutrients();
    QList<QStringView> cells;
    cells.reserve(SurveyProject::kColumns);
    for (qsizetype i = 0; i < fileLines.size(); ++i) {
        const int row = int(i);
        if (row >= SurveyProject::kRows) {
            result.error = tooManyRows(result.rowsRead);
            return result;
        }
        bool tooLong = false;
        splitCells(fileLines[i], cells, &tooLong);
        if (tooLong) {
            result.error = QStringLiteral("Rad %1 i filen har fler än %2 fält.")
                               .arg(row + 1)
                               .arg(SurveyProject::kColumns) +
                           keptRows(result.rowsRead);
            return result;
        }
        if (row == 0) {
            // The titles must be those of the nutrients selected now, or every value
            // would land under another nutrient's title.
            for (int c = SurveyProject::kFirstValueColumn; c < SurveyProject::kFirstUnitColumn;
                 ++c) {
                const QString expected = project.cell(0, c);
                const QString got = cells.value(c).toString();
                if (got != expected && got != fileCell(expected)) {
                    result.error =
                        QStringLiteral("Projektet är sparat med andra näringsämnen än de som är "
                                       "valda nu (kolumn %1: \"%2\" i filen, \"%3\" här). Välj "
                                       "samma näringsämnen som när det sparades och hämta det "
                                       "igen.")
                            .arg(c)
                            .arg(got, expected);
                    return result;
                }
            }
            continue;
        }
        for (qsizetype k = 0; k < nutrients.size(); ++k) {
            for (int c : {project.valueColumn(int(k)), project.per100Column(int(k))}) {
                const QStringView text = cells.value(c);
                if (!DecimalText::parse(text)) {
                    result.error = QStringLiteral("Rad %1 i filen: \"%2\" under \"%3\" är inget "
                                                  "tal.")
                                       .arg(row + 1)
                                       .arg(text.toString(), project.cell(0, c)) +
                                   keptRows(result.rowsRead);
                    return result;
                }
            }
        }
        project.setRow(row, cells);
        ++result.rowsRead;
    }
    result.ok = true;
    return result;
}

SurveyProjectFile::ReadResult SurveyProjectFile::readWithNewSelection(const QString& path,
                                                                      SurveyProject& project,
                                                                      const FoodTable& livtab100,
                                                                      const NutrientNames& names) {
    ReadResult result;
    QStringList fileLines;
    if (!TextCodec::readLines(path, &fileLines)) {
        result.error = kReadError;
        return result;
    }
    QStringList codes;
    for (qsizetype i = 1; i < fileLines.size(); ++i)
        codes << fileLines[i].section(QLatin1Char(';'), SurveyProject::kCodeColumn,
                                      SurveyProject::kCodeColumn);
    const QHash<QString, TableRecord> records =
        livtab100.isOpen() ? livtab100.findByCodes(codes) : QHash<QString, TableRecord>();
    for (qsizetype i = 1; i < fileLines.size(); ++i) {
        const int row = int(i);
        if (row >= SurveyProject::kRows) {
            result.error = tooManyRows(result.rowsRead);
            return result;
        }
        const QStringList cells = fileLines[i].split(QLatin1Char(';'));
        project.clearRow(row);
        for (int c = 0; c <= SurveyProject::kCodeColumn; ++c)
            project.setCell(row, c, cells.value(c));
        const auto found = records.constFind(cells.value(SurveyProject::kCodeColumn));
        if (found != records.constEnd()) {
            project.fillFromRecord(row, *found);
            project.recomputeRow(row, names);
        }
        project.SurveyChanged = true;
        ++result.rowsRead;
    }
    result.ok = true;
    return result;
}

} // namespace vexamat
