#include "core/catalogue/CsvReader.h"

namespace vexamat {

bool CsvReader::parse(const QByteArray& utf8, QList<Record>* records, QString* error) {
    const QString text = QString::fromUtf8(utf8);
    records->clear();
    Record current;
    QString field;
    bool inQuotes = false;
    bool fieldStarted = false;
    int line = 1;
    current.line = 1;
    const auto endRecord = [&]() {
        current.fields << field;
        field.clear();
        fieldStarted = false;
        if (!(current.fields.size() == 1 && current.fields.first().isEmpty()))
            records->append(current); // a blank line is no record
        current = Record();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (inQuotes) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                    field += QLatin1Char('"');
                    ++i;
                } else {
                    inQuotes = false;
                }
            } else {
                if (c == QLatin1Char('\n'))
                    ++line;
                field += c;
            }
            continue;
        }
        if (c == QLatin1Char('"') && !fieldStarted) {
            inQuotes = true;
            fieldStarted = true;
        } else if (c == QLatin1Char(',')) {
            current.fields << field;
            field.clear();
            fieldStarted = false;
        } else if (c == QLatin1Char('\r')) {
            // part of a CR LF line end
        } else if (c == QLatin1Char('\n')) {
            endRecord();
            ++line;
            current.line = line;
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (inQuotes) {
        if (error)
            *error = QStringLiteral("rad %1: citattecken avslutas aldrig").arg(current.line);
        return false;
    }
    if (!field.isEmpty() || !current.fields.isEmpty())
        endRecord();
    return true;
}

} // namespace vexamat
