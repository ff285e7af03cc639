#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace vexamat {

// Comma-separated values in UTF-8 with RFC 4180 quoting, as the default data keeps its
// tables. Each record remembers the line it starts on, for messages.
class CsvReader {
public:
    struct Record {
        int line = 0;
        QStringList fields;
    };

    // Parses the whole text; false with a message on an unterminated quote.
    static bool parse(const QByteArray& utf8, QList<Record>* records, QString* error);
};

} // namespace vexamat
