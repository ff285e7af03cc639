#include "output/ReportExport.h"

#include "core/reports/ReportTextFile.h"
#include "output/ReportHtml.h"
#include "output/ReportRenderer.h"
#include "output/ReportRtf.h"
#include "output/ReportXlsx.h"

#include <QDir>
#include <QPdfWriter>
#include <QSaveFile>

namespace vexamat {

namespace {

bool fail(const QString& path, QString* error) {
    if (error)
        *error = ReportTextFile::writeFailed(path);
    return false;
}

bool writeBytes(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return fail(path, error);
    return true;
}

} // namespace

QString ReportExport::suffix(Format format) {
    switch (format) {
    case Format::Pdf:
        return QStringLiteral("pdf");
    case Format::Rtf:
        return QStringLiteral("rtf");
    case Format::Excel:
        return QStringLiteral("xlsx");
    case Format::Html:
        return QStringLiteral("html");
    }
    return {};
}

QString ReportExport::fileFilter(Format format) {
    switch (format) {
    case Format::Pdf:
        return QStringLiteral("PDF-filer (*.pdf)");
    case Format::Rtf:
        return QStringLiteral("RTF-filer (*.rtf)");
    case Format::Excel:
        return QStringLiteral("Excel-filer (*.xlsx)");
    case Format::Html:
        return QStringLiteral("HTML-filer (*.html *.htm)");
    }
    return {};
}

std::optional<ReportExport::Format> ReportExport::formatOfSuffix(const QString& text) {
    const QString s = text.toLower();
    if (s == QLatin1String("pdf"))
        return Format::Pdf;
    if (s == QLatin1String("rtf"))
        return Format::Rtf;
    if (s == QLatin1String("xlsx"))
        return Format::Excel;
    if (s == QLatin1String("html") || s == QLatin1String("htm"))
        return Format::Html;
    return std::nullopt;
}

QString ReportExport::defaultPath(const QString& folder, Format format) {
    return QDir(folder).filePath(kDefaultBaseName + QLatin1Char('.') + suffix(format));
}

bool ReportExport::writePdf(const Report& report, const QString& path, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(path, error);
    {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("Vexamat"));
        writer.setTitle(report.headerText);
        writer.setResolution(300);
        if (!ReportRenderer(report).print(writer))
            return fail(path, error);
    }
    if (!file.commit())
        return fail(path, error);
    return true;
}

bool ReportExport::write(const Report& report, Format format, const QString& path, QString* error) {
    switch (format) {
    case Format::Pdf:
        return writePdf(report, path, error);
    case Format::Rtf:
        return writeBytes(path, ReportRtf::toBytes(report), error);
    case Format::Html:
        return writeBytes(path, ReportHtml::toBytes(report), error);
    case Format::Excel: {
        QByteArray bytes;
        if (!ReportXlsx::toBytes(report, &bytes))
            return fail(path, error);
        return writeBytes(path, bytes, error);
    }
    }
    return fail(path, error);
}

} // namespace vexamat
