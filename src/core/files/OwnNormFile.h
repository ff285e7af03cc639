#pragma once

#include "core/norms/OwnNormInputs.h"

#include <QString>
#include <QStringList>

namespace vexamat {

// The ".enorm" file beside a registration whose norm is an own energy norm: the sex, the
// five inputs, the 72 cells of the proposed norm and 15 empty cells, ten "dummy" lines.
class OwnNormFile {
public:
    static inline const QString kSaveFailed = QStringLiteral("Kan ej spara egna normuppgifter");
    static constexpr int kLineCount = 103;
    static constexpr int kStoredCells = 87; // the 72 values and 15 empty cells
    static constexpr int kOlderCells = 66;  // files of an older version hold 66 values

    struct Contents {
        OwnNormInputs inputs;
        QStringList cells; // the norm grid's cells, 72 of them when written
    };

    static QStringList lines(const Contents& contents);
    static bool write(const QString& path, const Contents& contents, QString* error = nullptr);
    // Reads into contents: the inputs, then 72 cells (66 from a file shorter than 103 lines,
    // the others keep what contents held). A damaged line stops the reading there with the
    // reason in error; what came before it is in contents.
    static bool read(const QString& path, Contents& contents, QString* error = nullptr);
};

} // namespace vexamat
