#pragma once

#include <QString>

#include <functional>
#include <map>

namespace vexamat {

struct AppState;
class Dialogs;
class TForm1;
struct Windows;

// Saving, opening and deleting registrations from the main window: the ".vexa" file with
// its note (".txt"), its norm (".norm") and the side file of the window that made the norm.
class RegistrationFiles {
public:
    // The input data of a norm window, kept beside the registration. The norm windows
    // register their writer and reader under their NormKind.
    struct SideFile {
        QString extension;                              // ".akt", ".pers", ...
        std::function<void(const QString& path)> write; // reports its own failures
        std::function<void(const QString& path)> read;  // called when the file exists
        std::function<void()> afterRead;                // called after reading, file or not
    };

    // All references are kept; the objects must outlive this one.
    RegistrationFiles(AppState& state, Windows& windows, Dialogs& dialogs, TForm1& form);

    // The text of the date line of a saved file; the system's short date by default.
    void setDateText(std::function<QString()> dateText) { m_dateText = std::move(dateText); }
    void registerSideFile(const QString& normKind, SideFile sideFile);
    // The extension of a norm kind's side file; empty when the kind has none.
    QString sideFileExtension(const QString& normKind) const;

    void save();
    void open();
    void remove();

private:
    void rebuildAfterOpening();
    void readSideFile(const QString& base, const QString& kind);

    AppState& m_state;
    Windows& m_windows;
    Dialogs& m_dialogs;
    TForm1& m_form;
    std::function<QString()> m_dateText;
    std::map<QString, SideFile> m_sideFiles;
};

} // namespace vexamat
