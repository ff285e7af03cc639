#include "core/registration/PickList.h"

#include "core/text/SwedishText.h"
#include "core/text/TextCodec.h"

namespace vexamat {

void PickList::clear() {
    m_names.clear();
    m_companions.clear();
}

bool PickList::add(const QString& name, const QString& companion) {
    if (m_names.contains(name))
        return false;
    // After the names that sort before or equal to it, as a sorted list box places it.
    qsizetype at = m_names.size();
    for (qsizetype i = 0; i < m_names.size(); ++i) {
        if (SwedishText::compare(name, m_names.at(i)) < 0) {
            at = i;
            break;
        }
    }
    m_names.insert(at, name);
    m_companions.insert(at, companion);
    return true;
}

void PickList::removeAt(int index) {
    if (index < 0 || index >= m_names.size())
        return;
    m_names.removeAt(index);
    m_companions.removeAt(index);
}

void PickList::trim(int maxNames) {
    while (m_names.size() > maxNames)
        removeAt(0);
}

bool PickList::read(const QString& path) {
    clear();
    QStringList lines;
    if (!TextCodec::readLines(path, &lines))
        return false;
    for (qsizetype i = 0; i + 1 < lines.size(); i += 2) {
        if (lines.at(i).isEmpty()) {
            clear();
            return false;
        }
        add(lines.at(i), lines.at(i + 1));
    }
    return true;
}

bool PickList::write(const QString& path, QString* error) const {
    QStringList lines;
    for (qsizetype i = 0; i < m_names.size(); ++i)
        lines << m_names.at(i) << m_companions.at(i);
    return TextCodec::writeLines(path, lines, error);
}

} // namespace vexamat
