#pragma once

#include "core/analysis/EnergyShares.h"
#include "core/reports/ReportLine.h"

#include <QStringList>

namespace vexamat {

// Everything a report engine needs to lay out a printed report: the lines, the energy
// distribution of each page group's pie (in order of the groups), the texts of the page
// header and the information text printed at the end.
struct Report {
    ReportLines lines;
    // One set per meal, day and period sum block, in the order they were written; the pies
    // of page group i show set i.
    QList<EnergyShares> energySets;
    EnergyShares idealEnergy; // protein, fat and carbohydrate of the norm's ideal
    QString fallbackTitle;    // shown for lines without a section title
    QString headerText;       // the report title, " / " and the owner name
    bool pies = false;
    bool showInfo = false;
    QStringList infoLines;

    // The page groups: runs of consecutive lines with the same section title, as
    // [first, end) index pairs.
    QList<std::pair<int, int>> groups() const {
        QList<std::pair<int, int>> out;
        for (int i = 0; i < lines.size(); ++i) {
            if (i == 0 || lines.at(i).title != lines.at(i - 1).title)
                out.append({i, i + 1});
            else
                out.last().second = i + 1;
        }
        return out;
    }
    QString titleOf(const ReportLine& line) const {
        return line.title.isEmpty() ? fallbackTitle : line.title;
    }
};

} // namespace vexamat
