#pragma once

#include "core/files/RegistrationFile.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <vector>

namespace vexamat {

struct AppState;

// Saving, opening and deleting a registration with the files beside it: the ".vexa" file,
// its note (".txt"), its norm (".norm") and the side file of the norm window that made the
// active norm. The window asks for the names and shows the messages; this writes, reads
// and says what went wrong, in Swedish.
class RegistrationDocument {
public:
    // A norm kind that keeps its window's input data beside the registration.
    struct SideFileKind {
        QString normKind;
        QString extension;
    };
    // Every norm kind with a side file: what saving writes and deleting removes.
    static const std::vector<SideFileKind>& sideFileKinds();

    // How a norm window writes and reads its side file. write and read return false with
    // the reason in error when the file cannot be written or read.
    struct SideFileHandler {
        std::function<bool(const QString& path, QString* error)> write;
        std::function<bool(const QString& path, QString* error)> read; // when the file exists
        std::function<void()> afterRead; // after reading, whether the file existed or not
    };

    struct SaveResult {
        bool saved = false; // the ".vexa" file was written
        QString path;       // of the ".vexa" file
        QStringList messages;
    };

    struct OpenResult {
        RegistrationFile::ReadResult file;
        QString path;
        QStringList noteLines;
        bool noteRead = false; // a note file was read into noteLines
        // To show in order. With file.status Failed the first one is the failure; the
        // others are warnings (foods the oldest layout names but no table has, what did not
        // fit, a side file that could not be read).
        QStringList messages;
    };

    struct RemoveResult {
        QStringList removed; // every file deleted
        QStringList failed;  // files that exist but could not be deleted
    };

    static inline const QString kNoteSaveFailed = QStringLiteral("Kan ej spara anteckningen");
    static inline const QString kOldFileKept =
        QStringLiteral("En tidigare sparad fil med samma namn är orörd.");
    static constexpr int kShownMissingFoods = 20;

    // The state is not owned and must outlive the document.
    explicit RegistrationDocument(AppState& state);

    // The text of the date line of a saved file; the system's short date unless set.
    void setDateText(std::function<QString()> dateText);
    // The handler of a norm kind of sideFileKinds(); other kinds have no side file.
    void registerSideFile(const QString& normKind, SideFileHandler handler);
    // The extension of a norm kind's side file (".akt", ...); empty when it has none.
    QString sideFileExtension(const QString& normKind) const;

    // The name chosen in the save dialog with ".vexa" added when it does not end so.
    static QString vexaPath(const QString& chosen);

    // Writes the registration (atomically: a failed save leaves an older file whole), the
    // note when it has lines, the norm and the active norm kind's side file. On success
    // the registration title is the path and nothing is left to save.
    SaveResult save(const QString& path, const QStringList& noteLines);
    // Reads the note, the norm and its side file, then the registration, as one undoable
    // step after which nothing is to be saved. Empties the registration first: the caller
    // has already asked whether to save it.
    OpenResult open(const QString& path);
    // Deletes the registration and every file beside it that belongs to it.
    RemoveResult remove(const QString& path);

private:
    void readSideFile(const QString& path, const QString& normKind, QStringList& messages);

    AppState& m_state;
    std::function<QString()> m_dateText;
    std::map<QString, SideFileHandler> m_handlers;
};

} // namespace vexamat
