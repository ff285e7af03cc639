#include "core/text/TextCodec.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace vexamat {

QString TextCodec::decode1252(const QByteArray& bytes) {
    QStringDecoder decoder("windows-1252");
    return decoder.decode(bytes);
}

QByteArray TextCodec::encode1252(const QString& text) {
    QStringEncoder encoder("windows-1252", QStringConverter::Flag::Default);
    return encoder.encode(text);
}

QStringList TextCodec::splitLines(const QString& text) {
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    return lines;
}

QByteArray TextCodec::joinLines(const QStringList& lines) {
    // One encoder for the whole text: making one per line dominates large files.
    QString text;
    qsizetype size = 0;
    for (const QString& line : lines)
        size += line.size() + 2;
    text.reserve(size);
    for (const QString& line : lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    return encode1252(text);
}

bool TextCodec::readLines(const QString& path, QStringList* lines) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *lines = splitLines(decode1252(file.readAll()));
    return true;
}

bool TextCodec::writeLines(const QString& path, const QStringList& lines, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(joinLines(lines)) < 0 || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace vexamat
