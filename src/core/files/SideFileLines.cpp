#include "core/files/SideFileLines.h"

#include "core/text/NumberText.h"
#include "core/text/TextCodec.h"

namespace vexamat {

QString SideFileLines::sexWord(int sex) {
    return sex == 1 ? QStringLiteral("Man") : QStringLiteral("Kvinna");
}

void SideFileLines::fill(QStringList& lines, int count) {
    while (lines.size() < count)
        lines << QStringLiteral("dummy");
}

QString SideFileLines::cannotOpen() {
    return QStringLiteral("Filen går inte att öppna.");
}

bool SideFileLines::write(const QString& path, const QStringList& lines, const QString& failedText,
                          QString* error) {
    QString reason;
    if (TextCodec::writeLines(path, lines, &reason))
        return true;
    if (error)
        *error = reason.isEmpty() ? failedText : failedText + QLatin1Char('\n') + reason;
    return false;
}

SideFileLines::SideFileLines(const QStringList& lines, QString* error)
    : m_lines(lines), m_error(error) {}

bool SideFileLines::present(int line) {
    if (line < m_lines.size())
        return true;
    if (m_error)
        *m_error = QStringLiteral("Filen är för kort: rad %1 saknas.").arg(line + 1);
    return false;
}

bool SideFileLines::fail(int line) {
    if (m_error)
        *m_error = QStringLiteral("Filen är skadad på rad %1: \"%2\".")
                       .arg(line + 1)
                       .arg(m_lines.at(line));
    return false;
}

bool SideFileLines::sex(int line, int& value) {
    if (!present(line))
        return false;
    value = m_lines.at(line) == QLatin1String("Man") ? 1 : 0;
    return true;
}

bool SideFileLines::number(int line, QString& value) {
    if (!present(line))
        return false;
    const QString& text = m_lines.at(line);
    if (NumberText::parsePlain(text).kind == NumberText::Kind::Invalid)
        return fail(line);
    value = text;
    return true;
}

bool SideFileLines::index(int line, int count, int& value) {
    if (!present(line))
        return false;
    bool ok = false;
    const int v = m_lines.at(line).toInt(&ok);
    if (!ok || v < 0 || v >= count)
        return fail(line);
    value = v;
    return true;
}

bool SideFileLines::text(int line, QString& value) {
    if (!present(line))
        return false;
    value = m_lines.at(line);
    return true;
}

} // namespace vexamat
