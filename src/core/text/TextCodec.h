#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace vexamat {

// The program's own text files are single-byte Windows-1252 with CR LF line ends.
class TextCodec {
public:
    static QString decode1252(const QByteArray& bytes);
    static QByteArray encode1252(const QString& text);

    // Splits on LF, dropping a CR before it; a final line end gives no empty last line.
    static QStringList splitLines(const QString& text);
    static QByteArray joinLines(const QStringList& lines); // 1252, every line ends in CR LF

    // Reads a whole text file as lines; false when it cannot be opened.
    static bool readLines(const QString& path, QStringList* lines);
    // Writes atomically: the old file stays whole when writing fails.
    static bool writeLines(const QString& path, const QStringList& lines, QString* error = nullptr);
};

} // namespace vexamat
