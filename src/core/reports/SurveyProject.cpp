#include "core/reports/SurveyProject.h"

#include "core/analysis/NutrientSelection.h"
#include "core/catalogue/NutrientNames.h"
#include "core/catalogue/Nutrients.h"
#include "core/catalogue/TableRecord.h"
#include "core/registration/Conversions.h"

#include <cmath>

namespace vexamat {

namespace {

const char* const kTitles[] = {"",       "ID",   "Dagnr",     "Dag Id",
                               "Måltid", "Gram", "Livsmedel", "Livskod"};
// The record fields of the unit columns 130 to 139, in column order.
const char* const kUnitFields[] = {"Enhet", "portionsstorlek", "Enhet1", "port1",  "Enhet2",
                                   "port2", "Enhet3",          "port3",  "Enhet4", "port4"};
const char* const kUnitTitles[] = {"Enhet", "gram",   "Enhet1", "gram1",  "Enhet2",
                                   "gram2", "Enhet3", "gram3",  "Enhet4", "gram4"};

QString padded(const QString& text) {
    return text.leftJustified(3, QLatin1Char(' '));
}

} // namespace

SurveyProject::SurveyProject() : m_rows(kRows) {
    for (int r = 1; r < kRows; ++r)
        setNumber(r, QString::number(r));
    for (int c = 1; c <= kCodeColumn; ++c)
        setCell(0, c, QString::fromUtf8(kTitles[c]));
    for (int i = 0; i < kUnitPairs * 2; ++i)
        setCell(0, kFirstUnitColumn + i, QString::fromUtf8(kUnitTitles[i]));
}

void SurveyProject::setNutrients(const NutrientSelection& selection, const NutrientNames& names) {
    m_nutrients.clear();
    m_leftOut.clear();
    for (int c = kFirstValueColumn; c < kFirstUnitColumn; ++c)
        setCell(0, c, QString());
    for (int n = kFirstNutrientNo; n <= kLastNutrientNo; ++n) {
        if (!selection.isSelected(n))
            continue;
        if (m_nutrients.size() == kMaxNutrients) {
            m_leftOut << n;
            continue;
        }
        const int k = int(m_nutrients.size());
        m_nutrients << n;
        setCell(0, valueColumn(k), names.label(n));
        setCell(0, per100Column(k), names.label(n));
    }
}

QString SurveyProject::cell(int row, int column) const {
    return cellView(row, column).toString();
}

QStringView SurveyProject::cellView(int row, int column) const {
    if (row < 0 || row >= kRows || column < 0 || column >= kColumns)
        return {};
    const Row& r = m_rows[std::size_t(row)];
    return QStringView(r.text).mid(r.start[column], r.start[column + 1] - r.start[column]);
}

void SurveyProject::setRow(int row, const QList<QStringView>& cells) {
    if (row < 0 || row >= kRows)
        return;
    Row& r = m_rows[std::size_t(row)];
    qsizetype size = 0;
    for (qsizetype c = 0; c < cells.size() && c < kColumns; ++c)
        size += cells[c].size();
    r.text.clear();
    r.text.reserve(size);
    for (int c = 0; c < kColumns; ++c) {
        r.start[c] = quint32(r.text.size());
        if (c < cells.size())
            r.text += cells[c];
    }
    r.start[kColumns] = quint32(r.text.size());
}

void SurveyProject::setCell(int row, int column, const QString& text) {
    if (row < 0 || row >= kRows || column < 0 || column >= kColumns)
        return;
    Row& r = m_rows[std::size_t(row)];
    const quint32 from = r.start[column];
    const quint32 length = r.start[column + 1] - from;
    if (length == 0 && text.isEmpty())
        return;
    r.text.replace(from, length, text);
    const qint64 delta = qint64(text.size()) - qint64(length);
    for (int c = column + 1; c <= kColumns; ++c)
        r.start[c] = quint32(qint64(r.start[c]) + delta);
}

void SurveyProject::setNumber(int row, const QString& number) {
    Row& r = m_rows[std::size_t(row)];
    r.text = number;
    r.start.fill(quint32(number.size()));
    r.start[0] = 0;
}

bool SurveyProject::isUsed(int row) const {
    return !cellView(row, kNameColumn).isEmpty();
}

int SurveyProject::firstFreeRow() const {
    for (int r = 1; r < kRows; ++r)
        if (!isUsed(r))
            return r;
    return -1;
}

int SurveyProject::usedRowCount() const {
    int count = 0;
    for (int r = 1; r < kRows; ++r)
        count += isUsed(r) ? 1 : 0;
    return count;
}

SurveyProject::Added SurveyProject::addFood(const QString& code, const TableRecord& record) {
    Added added;
    const int r = firstFreeRow();
    if (r < 0)
        return added;
    SurveyChanged = true;
    clearRow(r);
    setCell(r, kGramColumn, QStringLiteral("100"));
    setCell(r, kNameColumn, record.text(QStringLiteral("Livsmedel")));
    setCell(r, kCodeColumn, code);
    fillFromRecord(r, record);
    if (r == 1)
        added.hint = kFirstFoodHint;
    else
        for (int c = kIdColumn; c <= kMealColumn; ++c)
            setCell(r, c, cell(r - 1, c));
    added.row = r;
    return added;
}

void SurveyProject::fillFromRecord(int row, const TableRecord& record) {
    for (int i = 0; i < kUnitPairs * 2; ++i)
        setCell(row, kFirstUnitColumn + i, record.text(QString::fromLatin1(kUnitFields[i])));
    for (int k = 0; k < m_nutrients.size(); ++k) {
        // Nutrient number n is the record's field at position n - 1.
        const QString per100 = record.text(m_nutrients[k] - 1);
        setCell(row, valueColumn(k), per100);
        setCell(row, per100Column(k), per100);
    }
}

void SurveyProject::recomputeRow(int row, const NutrientNames& names) {
    const float grams = TextToReal(cell(row, kGramColumn));
    for (int k = 0; k < m_nutrients.size(); ++k) {
        const QString per100 = cell(row, per100Column(k));
        if (per100.trimmed().isEmpty()) {
            setCell(row, valueColumn(k), QString());
            continue;
        }
        const double amount = double(grams) * double(TextToReal(per100)) / 100.0;
        setCell(row, valueColumn(k), QString::number(amount, 'f', names.decimals(m_nutrients[k])));
    }
}

void SurveyProject::clearRow(int row) {
    if (row < 0 || row >= kRows)
        return;
    setNumber(row, cell(row, 0));
}

void SurveyProject::deleteRow(int row) {
    if (row < 1 || row >= kRows)
        return;
    for (int r = row; r < kRows - 1; ++r) {
        const QString number = cell(r, 0);
        m_rows[std::size_t(r)] = m_rows[std::size_t(r + 1)];
        setCell(r, 0, number);
    }
    clearRow(kRows - 1);
}

void SurveyProject::insertEmptyRow(int row) {
    if (row < 1 || row >= kRows)
        return;
    for (int r = kRows - 1; r > row; --r) {
        const QString number = cell(r, 0);
        m_rows[std::size_t(r)] = m_rows[std::size_t(r - 1)];
        setCell(r, 0, number);
    }
    clearRow(row);
}

void SurveyProject::clearRows() {
    for (int r = 1; r < kRows; ++r)
        clearRow(r);
}

QStringList SurveyProject::unitLines(int row) const {
    QStringList lines;
    if (row < 1 || row >= kRows)
        return lines;
    lines << cell(row, kNameColumn);
    for (int pair = 1; pair < kUnitPairs; ++pair) {
        const QString unit = cell(row, kFirstUnitColumn + 2 * pair);
        if (unit.isEmpty())
            continue;
        const QString weight = cell(row, kFirstUnitColumn + 2 * pair + 1);
        lines << padded(unit) + QStringLiteral(" g/") + weight;
        if (unit == QLatin1String("dl")) {
            const double w = double(TextToReal(weight));
            lines << padded(QString::number(std::lround(w / 6.6))) + QStringLiteral(" g/msk");
            lines << padded(QString::number(std::lround(w / 20.0))) + QStringLiteral(" g/tsk");
        }
    }
    return lines;
}

} // namespace vexamat
