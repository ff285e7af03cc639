#pragma once

#include <QString>
#include <QStringList>

namespace vexamat {

// A semicolon-separated export file (Windows-1252, CR LF) written as a new file or added to
// an existing one. Either way the file is replaced whole and atomically: after a failure it
// holds exactly what it held before, never half a line.
class ExportFile {
public:
    enum class Mode { New, Append };
    enum class Status { Written, OpenFailed, WriteFailed };
    // What an export ended with: the Swedish message to show, the success text included.
    struct Result {
        bool written = false;
        QString message;
    };

    static inline const QString kNoModeChosen =
        QStringLiteral("Du måste välja om det ska vara ny fil eller tillägg till befintlig");

    // New replaces an existing file; Append puts the lines after the old content and
    // creates a missing file.
    static Status write(const QString& path, Mode mode, const QStringList& lines);
    // The Swedish message for a failed write, naming the file.
    static QString failureMessage(Status status, const QString& path);
};

} // namespace vexamat
