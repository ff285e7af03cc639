#pragma once

#include <QString>

namespace vexamat {

// Chooses the data folder: --data DIR, else $VEXAMAT_DATA, else the per-user folder, which
// is filled from the installed default data on first start.
class DataFolder {
public:
    struct Result {
        QString path;
        QString error; // Swedish; empty when the folder is ready
    };

    // What a chosen folder (--data or $VEXAMAT_DATA) that does not exist yet, or is empty,
    // becomes: a new folder filled from the defaults, as the per-user folder is, or an
    // error (for commands that only read and should not leave folders behind).
    enum class NewFolder { Create, Refuse };

    // installedDefaults: the folder that holds the default data (vexamat.db and text files).
    static Result resolve(const QString& commandLineDir, const QString& installedDefaults,
                          NewFolder newFolder = NewFolder::Refuse);
    // Copies every file of the defaults that the target lacks; existing files are kept.
    static bool fillFromDefaults(const QString& target, const QString& defaults, QString* error);
    // The default data next to the program: an installed share folder, else the build's.
    static QString findDefaults(const QString& applicationDir, const QString& buildDataDir);
};

} // namespace vexamat
