#pragma once

#include <QString>
#include <QStringList>

namespace vexamat {

// A list of food names kept in name order, each with its companion line (the line that
// carries the food's code): the favourites, the recent foods and the meal-type lists.
class PickList {
public:
    static constexpr int kMaxNames = 40;

    const QStringList& names() const { return m_names; }
    const QStringList& companions() const { return m_companions; }
    int size() const { return int(m_names.size()); }
    bool isEmpty() const { return m_names.isEmpty(); }
    bool contains(const QString& name) const { return m_names.contains(name); }
    void clear();

    // Puts the name in its place in name order with its companion line beside it; a name
    // already present is left as it is (false).
    bool add(const QString& name, const QString& companion);
    void removeAt(int index);
    // While the list holds more than the given number of names, its first name in name
    // order goes.
    void trim(int maxNames = kMaxNames);

    // favoriter.txt and senaste.txt: a name line followed by its companion line, for every
    // entry, in Windows-1252. An unpaired last line (a file cut short) is left out and the
    // pairs before it are kept. A missing file or one with an empty name, which means the
    // pairs are out of step, leaves the list empty (false).
    bool read(const QString& path);
    bool write(const QString& path, QString* error = nullptr) const;

private:
    QStringList m_names;
    QStringList m_companions;
};

} // namespace vexamat
