#pragma once

#include <QString>

namespace vexamat {

// The installation's owner, printed after the report title and in the recipe printout's
// header: the first line of agare.txt in the data folder, empty when there is none.
class ReportOwner {
public:
    static inline const QString kFileName = QStringLiteral("agare.txt");

    static QString read(const QString& dataDir);
    // The report title, " / " and the owner name.
    static QString headerText(const QString& title, const QString& owner);
};

} // namespace vexamat
