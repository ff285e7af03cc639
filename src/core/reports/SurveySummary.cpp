#include "core/reports/SurveySummary.h"

#include "core/reports/SurveyProject.h"
#include "core/reports/SurveyProjectFile.h"
#include "core/text/DecimalText.h"
#include "core/text/TextCodec.h"

#include <algorithm>

namespace vexamat {

namespace {

using Values = std::vector<double>;

void add(Values& into, const Values& x) {
    for (std::size_t i = 0; i < into.size(); ++i)
        into[i] += x[i];
}

} // namespace

QList<SurveySummary::Row> SurveySummary::build(const SurveyProject& project) {
    QList<Row> rows;
    if (project.cell(1, SurveyProject::kIdColumn).isEmpty())
        return rows;
    const int count = std::min(int(project.nutrients().size()), kColumns - kFirstValueColumn);
    QString id = project.cell(1, SurveyProject::kIdColumn);
    QString day = project.cell(1, SurveyProject::kDayColumn);
    QString meal = project.cell(1, SurveyProject::kMealColumn);
    Values mealSum(std::size_t(count), 0.0);
    Values daySum(std::size_t(count), 0.0);
    Values idSum(std::size_t(count), 0.0);
    Values x(std::size_t(count), 0.0);
    int days = 0;
    // Past the last row the grid reads as empty, which ends the walk.
    for (int r = 1;; ++r) {
        QString I = project.cell(r, SurveyProject::kIdColumn);
        const QString D = project.cell(r, SurveyProject::kDayColumn);
        const QString M = project.cell(r, SurveyProject::kMealColumn);
        for (int k = 0; k < count; ++k)
            x[std::size_t(k)] =
                double(DecimalText::toReal(project.cellView(r, project.valueColumn(k))));

        if (M != meal || I != id || D != day) {
            rows << Row{id, day, meal, mealSum};
            meal = M;
            mealSum = x;
        } else {
            add(mealSum, x);
        }
        if (I != id || D != day) {
            rows << Row{id, day, kDaySum, daySum};
            ++days;
            day = D;
            daySum = x;
        } else {
            add(daySum, x);
        }
        if (I.isEmpty())
            I = QStringLiteral("slut");
        if (I != id) {
            Values mean = idSum;
            for (double& v : mean)
                v /= days;
            rows << Row{id, kMean, QString(), mean};
            id = I;
            days = 0;
            if (I == QLatin1String("slut"))
                break;
            idSum = x;
        } else {
            add(idSum, x);
        }
    }
    return rows;
}

QString SurveySummary::number(double value) {
    QString text = QString::number(value, 'f', 2);
    if (text == QLatin1String("-0.00"))
        text = QStringLiteral("0.00");
    return text;
}

QStringList SurveySummary::cells(const Row& row) {
    QStringList out(kColumns);
    out[kIdColumn] = row.id;
    out[kDayColumn] = row.day;
    out[kMealColumn] = row.meal;
    for (std::size_t k = 0; k < row.values.size(); ++k)
        out[kFirstValueColumn + int(k)] = number(row.values[k]);
    return out;
}

QStringList SurveySummary::fileLines(const QList<Row>& rows) {
    QStringList lines;
    for (const Row& row : rows) {
        if (row.id.isEmpty())
            continue;
        const QStringList c = cells(row);
        QString line;
        for (int i = 1; i < kColumns; ++i) {
            line += SurveyProjectFile::fileCell(c[i]);
            line += QLatin1Char(';');
        }
        line += QLatin1Char(';');
        lines << line;
    }
    return lines;
}

bool SurveySummary::write(const QList<Row>& rows, const QString& path, QString* error) {
    if (!TextCodec::writeLines(path, fileLines(rows))) {
        if (error)
            *error = kWriteError;
        return false;
    }
    return true;
}

} // namespace vexamat
