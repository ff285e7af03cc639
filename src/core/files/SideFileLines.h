#pragma once

#include <QString>
#include <QStringList>

namespace vexamat {

// Reading and writing the lines of a norm window's side file: the sex as a word, texts of
// number boxes, radio indexes and the "dummy" filler. A line that is missing or not what
// it should be makes the reader stop with a Swedish reason naming the line.
class SideFileLines {
public:
    static QString sexWord(int sex); // "Man" for 1, "Kvinna" otherwise
    // Pads with "dummy" lines up to count.
    static void fill(QStringList& lines, int count);
    static QString cannotOpen(); // "Filen går inte att öppna."
    // Writes the lines atomically; on failure error holds failedText and the reason.
    static bool write(const QString& path, const QStringList& lines, const QString& failedText,
                      QString* error);

    // error is not owned and may be null.
    SideFileLines(const QStringList& lines, QString* error);

    // Each takes line `line` (from 0) into value and gives true, or sets the reason and
    // gives false leaving value unchanged.
    bool sex(int line, int& value);              // "Man" is a man, any other text a woman
    bool number(int line, QString& value);       // empty or a number, kept as written
    bool index(int line, int count, int& value); // an integer 0..count-1
    bool text(int line, QString& value);         // any text
    int size() const { return int(m_lines.size()); }

private:
    bool present(int line);
    bool fail(int line);

    const QStringList& m_lines;
    QString* m_error;
};

} // namespace vexamat
