#include "ui/files/RecoveryAutosave.h"

#include "core/AppState.h"
#include "core/files/RecoveryFile.h"
#include "core/files/RegistrationDocument.h"
#include "ui/Dialogs.h"
#include "ui/MainWindowUpdates.h"
#include "ui/Windows.h"
#include "ui/files/TFormInfo.h"
#include "ui/norms/TFormInst.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLockFile>

namespace vexamat {

RecoveryAutosave::RecoveryAutosave(AppState& state, Windows& windows, Dialogs& dialogs,
                                   QWidget& form, MainWindowUpdates& updates,
                                   std::function<bool()> hasUnsavedChanges)
    : m_state(state), m_windows(windows), m_dialogs(dialogs), m_form(form), m_updates(updates),
      m_hasUnsavedChanges(std::move(hasUnsavedChanges)) {
    m_writer.setMaxThreadCount(1);
    m_timer.setInterval(kIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &RecoveryAutosave::update);
}

RecoveryAutosave::~RecoveryAutosave() {
    m_timer.stop();
    m_writer.waitForDone();
}

QString RecoveryAutosave::path() const {
    return m_state.dataPath(RecoveryFile::kFileName);
}

void RecoveryAutosave::offerRestore() {
    // A second Vexamat on the same folder must not take the first one's copy for a crash.
    m_lock = std::make_unique<QLockFile>(m_state.dataPath(kLockFileName));
    m_lock->setStaleLockTime(0); // held for the whole run; only a dead owner frees it
    if (!m_lock->tryLock(0)) {
        m_lock.reset();
        return;
    }
    const QString file = path();
    const RecoveryFile::ReadResult found = RecoveryFile::read(file);
    switch (found.status) {
    case RecoveryFile::Status::Missing:
        break;
    case RecoveryFile::Status::Damaged: {
        QString error;
        const QString aside = RecoveryFile::setAside(file, QDateTime::currentDateTime(), &error);
        m_dialogs.message(
            &m_form,
            QStringLiteral("Registreringen som pågick när Vexamat avslutades oväntat kunde inte "
                           "läsas: %1\n%2")
                .arg(found.error, aside.isEmpty() ? error
                                                  : QStringLiteral("Filen har flyttats till %1.")
                                                        .arg(QDir::toNativeSeparators(aside))),
            Dialogs::Icon::Warning);
        break;
    }
    case RecoveryFile::Status::Ok:
        if (m_dialogs.question(&m_form, kQuestion) == Dialogs::Answer::Yes) {
            const RegistrationFile::ReadResult read =
                RecoveryFile::restore(found.contents, m_state);
            if (m_windows.FormInfo)
                m_windows.FormInfo->setNoteLines(found.contents.noteLines);
            if (m_windows.FormInst) {
                m_windows.FormInst->showWholeDayMode(m_state.settings.WholeDayMode);
                m_windows.FormInst->showNormEnergyShares();
            }
            m_updates.Recalculate();
            if (read.status == RegistrationFile::Status::Failed) {
                // What was read before the fault is shown; the file itself is kept aside.
                RecoveryFile::setAside(file, QDateTime::currentDateTime());
                m_dialogs.message(&m_form, RegistrationFile::kOpenFailed, Dialogs::Icon::Error);
            }
            if (!read.missingFoods.isEmpty())
                m_dialogs.message(&m_form, read.missingFoods.join(QLatin1Char('\n')),
                                  Dialogs::Icon::Warning);
            if (read.overflowed())
                m_dialogs.message(&m_form, RegistrationFile::overflowMessage(read),
                                  Dialogs::Icon::Warning);
        } else {
            QFile::remove(file);
        }
        break;
    }
    update();
    m_timer.start();
}

void RecoveryAutosave::update() {
    if (!m_lock)
        return;
    if (!m_hasUnsavedChanges()) {
        if (!m_written.isEmpty())
            discard();
        return;
    }
    QByteArray bytes = RecoveryFile::encode(
        m_state, m_windows.FormInfo ? m_windows.FormInfo->noteLines() : QStringList());
    if (bytes == m_written)
        return;
    m_written = bytes;
    m_writer.start([this, file = path(), bytes = std::move(bytes)] {
        QString error;
        if (!RecoveryFile::write(file, bytes, &error))
            QMetaObject::invokeMethod(
                this, [this, error] { reportWriteFailure(error); }, Qt::QueuedConnection);
    });
}

void RecoveryAutosave::discard(bool stop) {
    if (!m_lock)
        return;
    if (stop)
        m_timer.stop();
    m_written.clear();
    // After any write still queued.
    m_writer.waitForDone();
    QFile::remove(path());
}

void RecoveryAutosave::reportWriteFailure(const QString& error) {
    m_written.clear(); // try again after the next change
    if (m_failureReported)
        return;
    m_failureReported = true;
    m_dialogs.message(&m_form,
                      QStringLiteral("Kan inte skriva %1: %2\nOm Vexamat avslutas oväntat går "
                                     "det som inte är sparat förlorat. Spara ofta.")
                          .arg(QDir::toNativeSeparators(path()), error),
                      Dialogs::Icon::Warning);
}

} // namespace vexamat
