#include "core/reports/ExportFile.h"

#include "core/text/TextCodec.h"

#include <QFile>
#include <QSaveFile>

namespace vexamat {

ExportFile::Status ExportFile::write(const QString& path, Mode mode, const QStringList& lines) {
    QByteArray content;
    if (mode == Mode::Append && QFile::exists(path)) {
        QFile old(path);
        if (!old.open(QIODevice::ReadOnly))
            return Status::OpenFailed;
        content = old.readAll();
        if (old.error() != QFileDevice::NoError)
            return Status::OpenFailed;
        // A file that ends in the middle of a line gets its line end, so the first added
        // line does not run on from it.
        if (!content.isEmpty() && !content.endsWith('\n'))
            content += "\r\n";
    }
    content += TextCodec::joinLines(lines);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Status::OpenFailed;
    if (file.write(content) != content.size() || !file.commit())
        return Status::WriteFailed;
    return Status::Written;
}

QString ExportFile::failureMessage(Status status, const QString& path) {
    switch (status) {
    case Status::Written:
        break;
    case Status::OpenFailed:
        return QStringLiteral("Kan inte öppna filen:  ") + path;
    case Status::WriteFailed:
        return QStringLiteral("Kan inte skriva till filen:  ") + path;
    }
    return {};
}

} // namespace vexamat
