#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QTimer>

#include <functional>
#include <memory>

class QLockFile;

class QWidget;

namespace vexamat {

struct AppState;
class Dialogs;
class MainWindowUpdates;
struct Windows;

// Keeps the recovery file in the data folder in step with the registration while it has
// unsaved changes, and offers at start what a run that ended unexpectedly left there. The
// file is encoded on the window's thread (a few milliseconds at most) and written by a
// thread of its own, so that a slow disk never holds up typing.
class RecoveryAutosave : public QObject {
    Q_OBJECT
public:
    static constexpr int kIntervalMs = 3000;
    static inline const QString kLockFileName = QStringLiteral("aterstallning.lock");
    static inline const QString kQuestion = QStringLiteral(
        "Vexamat avslutades oväntat. Vill du återställa den registrering som pågick?");

    // All references are kept and must outlive this object. hasUnsavedChanges tells whether
    // the registration or its note has anything to save.
    RecoveryAutosave(AppState& state, Windows& windows, Dialogs& dialogs, QWidget& form,
                     MainWindowUpdates& updates, std::function<bool()> hasUnsavedChanges);
    // Waits for a write in progress. The file stays: only a clean exit removes it.
    ~RecoveryAutosave() override;

    // At start, once every window exists: asks about a recovery file left by an earlier run,
    // restores it on "Ja" and removes it on "Nej"; a damaged one is reported and set aside.
    // Then starts keeping the file. When another running Vexamat keeps the file of this data
    // folder, its file is left alone and this run keeps none.
    void offerRestore();
    // Writes the file when the registration has changed since it was last written, and
    // removes it when nothing is left unsaved. The timer runs this every few seconds.
    void update();
    // The registration was saved, or the program ends cleanly: nothing is left to recover.
    // stop: no more writing in this run.
    void discard(bool stop = false);

    QString path() const;

private:
    void restore(const QString& path);
    void reportWriteFailure(const QString& error);

    AppState& m_state;
    Windows& m_windows;
    Dialogs& m_dialogs;
    QWidget& m_form;
    MainWindowUpdates& m_updates;
    std::function<bool()> m_hasUnsavedChanges;
    QTimer m_timer;
    QThreadPool m_writer; // one thread: writes and removals happen in the order asked
    QByteArray m_written; // what the file holds (or is about to); empty when there is none
    bool m_failureReported = false;
    std::unique_ptr<QLockFile> m_lock; // held while this run keeps the file
};

} // namespace vexamat
