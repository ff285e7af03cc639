#pragma once

#include "core/files/RegistrationFile.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace vexamat {

struct AppState;

// The registration being worked on, kept in the data folder while it has unsaved changes so
// that a crash or a power cut loses no more than a few seconds of work. One UTF-8 file,
// written whole or not at all: the title, the note, the norm and the lines of the
// registration file (with the readings and carbohydrate settings).
class RecoveryFile {
public:
    static inline const QString kFileName = QStringLiteral("aterstallning.dat");

    struct Contents {
        QString title;
        QStringList noteLines;
        QStringList normLines;
        QStringList registrationLines;
    };

    enum class Status { Missing, Ok, Damaged };
    struct ReadResult {
        Status status = Status::Missing;
        Contents contents;
        QString error; // Swedish, for Damaged
    };

    // The file's bytes for the state and its note. Cheap enough to run on every change.
    static QByteArray encode(const AppState& state, const QStringList& noteLines);
    static QByteArray encode(const Contents& contents);
    // False when the bytes are not a whole recovery file.
    static bool decode(const QByteArray& bytes, Contents* contents);

    // Writes atomically; safe to call from another thread than the state's.
    static bool write(const QString& path, const QByteArray& bytes, QString* error = nullptr);
    static ReadResult read(const QString& path);
    // Puts the contents into the state as one undoable step after which there is something
    // to save: the registration under its old title and the norm. The note is the caller's.
    static RegistrationFile::ReadResult restore(const Contents& contents, AppState& state);
    // Renames a damaged file with the time in its name, so that it is neither read again
    // nor lost; the new path, or empty with the reason in error.
    static QString setAside(const QString& path, const QDateTime& now, QString* error = nullptr);
};

} // namespace vexamat
