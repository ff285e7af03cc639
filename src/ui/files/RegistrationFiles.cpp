#include "ui/files/RegistrationFiles.h"

#include "core/AppState.h"
#include "core/registration/RegistrationSession.h"
#include "ui/Dialogs.h"
#include "ui/MainWindowUpdates.h"
#include "ui/Windows.h"
#include "ui/files/RecoveryAutosave.h"
#include "ui/files/TFormInfo.h"
#include "ui/norms/TFormInst.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vexamat {

RegistrationFiles::RegistrationFiles(AppState& state, Windows& windows, Dialogs& dialogs,
                                     QWidget& form, MainWindowUpdates& updates,
                                     std::function<void()> afterOpen)
    : m_state(state), m_windows(windows), m_dialogs(dialogs), m_form(form), m_updates(updates),
      m_afterOpen(std::move(afterOpen)), m_document(state),
      m_recovery(std::make_unique<RecoveryAutosave>(state, windows, dialogs, form, updates,
                                                    [this] { return hasUnsavedChanges(); })) {}

RegistrationFiles::~RegistrationFiles() = default;

bool RegistrationFiles::hasUnsavedChanges() const {
    return m_state.registrationChanged() ||
           (m_windows.FormInfo && m_windows.FormInfo->isNoteModified());
}

bool RegistrationFiles::offerToSave(const QString& question) {
    if (!hasUnsavedChanges())
        return true;
    switch (m_dialogs.question(&m_form, question, Dialogs::Buttons::YesNoCancel)) {
    case Dialogs::Answer::Cancel:
        return false;
    case Dialogs::Answer::Yes:
        save();
        return !hasUnsavedChanges(); // cancelled or failed: keep what was entered
    case Dialogs::Answer::No:
        return true;
    }
    return false;
}

void RegistrationFiles::save() {
    const QString chosen = m_dialogs.saveFileName(&m_form, QStringLiteral("Spara registrering"),
                                                  m_state.InitDir, RegistrationFile::kFilter);
    if (chosen.isEmpty())
        return;
    // The file dialog asked about the name as typed; the name with its extension added may
    // be another file that is there already.
    const QString path = RegistrationDocument::vexaPath(chosen);
    if (path != chosen && QFile::exists(path) &&
        m_dialogs.question(&m_form, QStringLiteral("%1 finns redan.\nVill du ersätta den?")
                                        .arg(QDir::toNativeSeparators(path))) !=
            Dialogs::Answer::Yes)
        return;

    const QStringList note = m_windows.FormInfo ? m_windows.FormInfo->noteLines() : QStringList();
    const RegistrationDocument::SaveResult result = m_document.save(path, note);
    if (result.saved) {
        if (m_windows.FormInfo)
            m_windows.FormInfo->markNoteSaved();
        m_form.setWindowTitle(result.path + QStringLiteral("   ") + m_state.norm.NormLabel);
    }
    // Saved: the recovery file goes at once; a failed save keeps it.
    m_recovery->update();
    for (const QString& message : result.messages)
        m_dialogs.message(&m_form, message, Dialogs::Icon::Error);
}

bool RegistrationFiles::startNew() {
    if (!offerToSave(QStringLiteral("Vill du spara pågående registrering innan ny startas?")))
        return false;
    RegistrationSession(m_state).newRegistration();
    if (m_windows.FormInfo)
        m_windows.FormInfo->clearNote();
    return true;
}

void RegistrationFiles::open() {
    // Cancel at the save question cancels the opening: nothing entered is overwritten.
    if (!startNew())
        return;
    const QString path = m_dialogs.openFileName(&m_form, QStringLiteral("Öppna registrering"),
                                                m_state.InitDir, RegistrationFile::kFilter);
    if (path.isEmpty()) {
        m_updates.Recalculate();
        return;
    }
    openFile(path);
}

void RegistrationFiles::openGiven(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable()) {
        m_dialogs.message(&m_form,
                          QStringLiteral("Kan inte öppna registreringen %1: %2")
                              .arg(QDir::toNativeSeparators(path),
                                   info.exists() ? QStringLiteral("filen går inte att läsa.")
                                                 : QStringLiteral("filen finns inte.")),
                          Dialogs::Icon::Error);
        return;
    }
    if (!startNew())
        return;
    openFile(path);
}

void RegistrationFiles::openFile(const QString& path) {
    const RegistrationDocument::OpenResult result = m_document.open(path);
    if (m_windows.FormInfo && result.noteRead)
        m_windows.FormInfo->setNoteLines(result.noteLines);
    if (m_windows.FormInst) {
        if (result.file.status != RegistrationFile::Status::OldLayout)
            m_windows.FormInst->showWholeDayMode(m_state.settings.WholeDayMode);
        // The settings window shows the ideal shares of the norm just read, so that its next
        // "Verkställ" keeps them.
        m_windows.FormInst->showNormEnergyShares();
    }
    m_updates.Recalculate();
    QStringList warnings = result.messages;
    switch (result.file.status) {
    case RegistrationFile::Status::Failed:
        // What was read before the fault is shown.
        m_dialogs.message(&m_form, warnings.takeFirst(), Dialogs::Icon::Error);
        break;
    case RegistrationFile::Status::OldLayout:
        m_form.setWindowTitle(path + QStringLiteral("   ") + m_state.norm.NormLabel);
        break;
    case RegistrationFile::Status::Ok:
        m_form.setWindowTitle(path + QStringLiteral("   ") + m_state.norm.NormLabel +
                              QStringLiteral("  /") + result.file.date);
        break;
    }
    for (const QString& warning : std::as_const(warnings))
        m_dialogs.message(&m_form, warning, Dialogs::Icon::Warning);
    m_recovery->update();
    if (m_afterOpen)
        m_afterOpen();
}

void RegistrationFiles::remove() {
    for (;;) {
        const QString path =
            m_dialogs.openFileName(&m_form, QStringLiteral("Välj registrering som du vill radera."),
                                   m_state.InitDir, RegistrationFile::kFilter);
        if (path.isEmpty())
            return;
        const RegistrationDocument::RemoveResult result = m_document.remove(path);
        if (!result.failed.isEmpty()) {
            QStringList shown;
            for (const QString& file : result.failed)
                shown << QDir::toNativeSeparators(file);
            m_dialogs.message(
                &m_form, QStringLiteral("Kunde inte ta bort:\n") + shown.join(QLatin1Char('\n')),
                Dialogs::Icon::Error);
            continue;
        }
        m_dialogs.message(&m_form, RegistrationFile::withExtension(path, QStringLiteral(".vexa")) +
                                       QStringLiteral(" borttagen"));
    }
}

} // namespace vexamat
