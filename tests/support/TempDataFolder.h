#pragma once

#include <QString>
#include <QTemporaryDir>

namespace vexamat {

// A temporary copy of the built default data folder (vexamat.db and the text files), so a
// test may change and break files freely.
class TempDataFolder {
public:
    TempDataFolder();

    bool isValid() const { return m_valid; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const;
    // Replaces a file's content with raw bytes.
    void write(const QString& name, const QByteArray& bytes) const;
    void remove(const QString& name) const;

    // The built default data, for tests that only read.
    static QString builtData();

private:
    QTemporaryDir m_dir;
    bool m_valid = false;
};

} // namespace vexamat
