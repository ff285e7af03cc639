#pragma once

#include "core/files/RegistrationDocument.h"

#include <QString>

#include <functional>
#include <memory>

class QWidget;

namespace vexamat {

struct AppState;
class Dialogs;
class MainWindowUpdates;
class RecoveryAutosave;
struct Windows;

// The dialogs and messages of saving, opening and deleting registrations from the main
// window; the files themselves are the registration document's business.
class RegistrationFiles {
public:
    // All references are kept and must outlive this object. afterOpen runs after a
    // registration was opened (the grid puts its cursor on the time column).
    RegistrationFiles(AppState& state, Windows& windows, Dialogs& dialogs, QWidget& form,
                      MainWindowUpdates& updates, std::function<void()> afterOpen);
    ~RegistrationFiles();

    RegistrationDocument& document() { return m_document; }
    // The copy of the unsaved registration that survives a crash.
    RecoveryAutosave& recovery() { return *m_recovery; }

    // Whether the registration or its note has changes that are not saved.
    bool hasUnsavedChanges() const;
    // Asks the question when there is anything to save and saves on "Ja". False when the
    // user cancelled or the save did not happen: nothing may be thrown away then.
    bool offerToSave(const QString& question);

    void save();
    void open();
    void remove();
    // Opens a registration named on the command line, after the save question when
    // something is unsaved. A file that is not there or cannot be read is reported.
    void openGiven(const QString& path);

private:
    // Empties the registration and its note after the save question; false when cancelled.
    bool startNew();
    // Reads the registration the user chose and shows what went wrong.
    void openFile(const QString& path);

    AppState& m_state;
    Windows& m_windows;
    Dialogs& m_dialogs;
    QWidget& m_form;
    MainWindowUpdates& m_updates;
    std::function<void()> m_afterOpen;
    RegistrationDocument m_document;
    std::unique_ptr<RecoveryAutosave> m_recovery;
};

} // namespace vexamat
