#include "core/AppState.h"
#include "core/analysis/FoodSearch.h"
#include "core/files/RecoveryFile.h"
#include "support/MainWindowFixture.h"
#include "support/MealActions.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDataFolder.h"
#include "support/UserActions.h"
#include "ui/app/TForm1.h"
#include "ui/app/WindowSet.h"
#include "ui/files/RecoveryAutosave.h"
#include "ui/files/RegistrationFiles.h"
#include "ui/files/TFormInfo.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>

using namespace vexamat;

namespace {

// Set for the copy of this test that registers a food and waits to be killed.
const char* const kChildData = "VEXAMAT_TEST_CRASH_CHILD_DATA";
const QString kRegistered = QStringLiteral("registrerat\t");

// The first food line that a search for text lists.
QString firstFood(const AppState& state, const QString& text) {
    FoodList list;
    FoodSearch::BuildFoodList(state.catalogue, text, true, &list);
    for (int i = 0; i < list.size(); ++i) {
        if (!list.companion(i).isEmpty())
            return list.lines.at(i);
    }
    return {};
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QTableWidget* grid(QWidget* form) {
    return child<QTableWidget>(form, QStringLiteral("StringGridMaltid"));
}

// The program started on dataDir, as the desktop program starts it, with scripted dialogs.
struct Started {
    explicit Started(const QString& dataDir) : state(std::make_unique<AppState>()) {
        state->DataDir = dataDir;
        windows = std::make_unique<WindowSet>(*state, dialogs);
    }
    WindowSet::Result start() { return windows->create(); }
    TForm1* form() const { return windows->mainWindow(); }
    ~Started() { windows.reset(); }

    ScriptedDialogs dialogs;
    std::unique_ptr<AppState> state;
    std::unique_ptr<WindowSet> windows;
};

// A recovery file in dataDir holding one food of the national table on Frukost, day 1.
QString writeRecoveryWithFood(const QString& dataDir, QString* foodName) {
    AppState state;
    state.DataDir = dataDir;
    QString error;
    if (!state.openTables(&error))
        return {};
    const TableRecord food = state.livtab100.recordsInKeyOrder().first();
    MealRow& row = state.registration.row(0, 0, 1);
    row.kod = food.text(0);
    row.gram = 150;
    row.enhet = QStringLiteral("g");
    row.enhetsvikt = 1;
    state.RegistrationTitle = QStringLiteral("/hem/kalle/måndag.vexa   1.12.2026");
    *foodName = food.text(1);
    const QString path = state.dataPath(RecoveryFile::kFileName);
    return RecoveryFile::write(path, RecoveryFile::encode(state, {QStringLiteral("Not")}))
               ? path
               : QString();
}

} // namespace

// The copy of this test started as a separate process: registers a food through the main
// window as a user does, says which, and waits for the recovery file to be written and for
// the kill.
class RegisterThenWait : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void registerAFoodAndWait() {
        Started program(qEnvironmentVariable(kChildData));
        QCOMPARE(program.start(), WindowSet::Result::Ok);
        program.form()->show();
        QVERIFY(QTest::qWaitForWindowExposed(program.form()));
        const QString name = firstFood(*program.state, QStringLiteral("mjölk"));
        QVERIFY(!name.isEmpty());
        addFoodFromList(program.form(), QStringLiteral("mjölk"), name);
        QCOMPARE(grid(program.form())->item(0, 0)->text(), name);
        QTextStream out(stdout);
        out << kRegistered << name << Qt::endl;
        QEventLoop().exec(); // until killed
    }
};

class TstCrashRecovery : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void aFoodRegisteredBeforeAKillComesBack() {
        TempDataFolder data;
        QVERIFY(data.isValid());
        const QString recovery = data.filePath(RecoveryFile::kFileName);

        QProcess crashing;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kChildData), data.path());
        crashing.setProcessEnvironment(env);
        crashing.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        crashing.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(crashing.waitForStarted());
        QString said;
        QTRY_VERIFY_WITH_TIMEOUT(
            (said += QString::fromUtf8(crashing.readAllStandardOutput())).contains(kRegistered),
            60000);
        const QString name = said.mid(said.indexOf(kRegistered) + kRegistered.size())
                                 .section(QLatin1Char('\n'), 0, 0)
                                 .trimmed();
        QVERIFY(!name.isEmpty());
        // Within a few seconds of the change the registration is on disk.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(recovery), RecoveryAutosave::kIntervalMs * 3 + 5000);
        crashing.kill(); // SIGKILL: nothing is saved or cleaned up on the way out
        QVERIFY(crashing.waitForFinished());
        QCOMPARE(crashing.exitStatus(), QProcess::CrashExit);
        QVERIFY(QFile::exists(recovery));

        Started again(data.path());
        again.dialogs.queueAnswer(Dialogs::Answer::Yes);
        QCOMPARE(again.start(), WindowSet::Result::Ok);
        QCOMPARE(again.dialogs.questions, QStringList{RecoveryAutosave::kQuestion});
        QCOMPARE(again.dialogs.messages, QStringList());
        QCOMPARE(grid(again.form())->item(0, 0)->text(), name);
        QVERIFY(again.form()->hasUnsavedChanges());

        // A clean exit, choosing not to save, leaves nothing to recover.
        again.dialogs.queueAnswer(Dialogs::Answer::No);
        QVERIFY(again.form()->close());
        QVERIFY(!QFile::exists(recovery));
    }

    void restoringKeepsTheTitleAndNote() {
        TempDataFolder data;
        QString food;
        const QString recovery = writeRecoveryWithFood(data.path(), &food);
        QVERIFY(!recovery.isEmpty());
        Started program(data.path());
        program.dialogs.queueAnswer(Dialogs::Answer::Yes);
        QCOMPARE(program.start(), WindowSet::Result::Ok);
        QCOMPARE(grid(program.form())->item(0, 0)->text(), food);
        QCOMPARE(program.form()->windowTitle(),
                 QStringLiteral("/hem/kalle/måndag.vexa   1.12.2026"));
        QCOMPARE(program.windows->windows().FormInfo->noteLines(), QStringList{"Not"});
        QVERIFY(program.form()->hasUnsavedChanges());
        // Kept until saved or the program ends cleanly.
        QVERIFY(QFile::exists(recovery));
    }

    void noRemovesTheFile() {
        TempDataFolder data;
        QString food;
        const QString recovery = writeRecoveryWithFood(data.path(), &food);
        QVERIFY(!recovery.isEmpty());
        Started program(data.path());
        program.dialogs.queueAnswer(Dialogs::Answer::No);
        QCOMPARE(program.start(), WindowSet::Result::Ok);
        QCOMPARE(program.dialogs.questions, QStringList{RecoveryAutosave::kQuestion});
        QVERIFY(!QFile::exists(recovery));
        QVERIFY(program.state->registration.isMealEmpty(0, 0));
        QVERIFY(!program.form()->hasUnsavedChanges());
    }

    void anotherRunningVexamatKeepsItsFile() {
        TempDataFolder data;
        QString food;
        const QString recovery = writeRecoveryWithFood(data.path(), &food);
        QVERIFY(!recovery.isEmpty());
        const QByteArray before = bytesOf(recovery);
        QLockFile running(data.filePath(RecoveryAutosave::kLockFileName));
        QVERIFY(running.tryLock(0));

        Started second(data.path());
        QCOMPARE(second.start(), WindowSet::Result::Ok);
        QCOMPARE(second.dialogs.questions, QStringList());
        addFoodFromList(second.form(), QStringLiteral("mjölk"),
                        firstFood(*second.state, QStringLiteral("mjölk")));
        QTest::qWait(RecoveryAutosave::kIntervalMs + 1000);
        QCOMPARE(bytesOf(recovery), before);
        second.dialogs.queueAnswer(Dialogs::Answer::No);
        QVERIFY(second.form()->close());
        QCOMPARE(bytesOf(recovery), before);
    }

    void aDamagedFileIsReportedOnceAndSetAside() {
        TempDataFolder data;
        data.write(RecoveryFile::kFileName, "Vexamat återställning 1\nhalv");
        {
            Started program(data.path());
            QCOMPARE(program.start(), WindowSet::Result::Ok);
            QCOMPARE(program.dialogs.questions, QStringList());
            QCOMPARE(program.dialogs.messages.size(), 1);
            QVERIFY2(program.dialogs.messages.first().contains(QStringLiteral("har flyttats till")),
                     qPrintable(program.dialogs.messages.first()));
        }
        QVERIFY(!QFile::exists(data.filePath(RecoveryFile::kFileName)));
        const QStringList aside =
            QDir(data.path())
                .entryList({QStringLiteral("aterstallning-skadad-*.dat")}, QDir::Files);
        QCOMPARE(aside.size(), 1);
        QVERIFY(
            QRegularExpression(QStringLiteral("^aterstallning-skadad-\\d{4}-\\d\\d-\\d\\d-\\d{6}"
                                              "\\.dat$"))
                .match(aside.first())
                .hasMatch());

        Started again(data.path());
        QCOMPARE(again.start(), WindowSet::Result::Ok);
        QCOMPARE(again.dialogs.messages, QStringList());
        QCOMPARE(again.dialogs.questions, QStringList());
    }

    void savingRemovesTheFile() {
        MainWindowFixture program;
        QCOMPARE(program.startResult(), WindowSet::Result::Ok);
        const QString recovery = program.data.filePath(RecoveryFile::kFileName);
        const QString name = firstFood(*program.state, QStringLiteral("mjölk"));
        addFoodFromList(program.form(), QStringLiteral("mjölk"), name);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(recovery), RecoveryAutosave::kIntervalMs * 3);

        program.dialogs.queueFileName(program.data.filePath(QStringLiteral("kalle.vexa")));
        triggerAction(program.form(), QStringLiteral("SparaBerkning1"));
        QVERIFY(QFile::exists(program.data.filePath(QStringLiteral("kalle.vexa"))));
        QVERIFY(!QFile::exists(recovery));
    }

    void aRegistrationNamedAtStartIsOpened() {
        MainWindowFixture program;
        QCOMPARE(program.startResult(), WindowSet::Result::Ok);
        // A saved registration to open, written by the program itself.
        {
            MainWindowFixture writer;
            addFoodFromList(writer.form(), QStringLiteral("mjölk"),
                            firstFood(*writer.state, QStringLiteral("mjölk")));
            writer.dialogs.queueFileName(program.data.filePath(QStringLiteral("kalle.vexa")));
            triggerAction(writer.form(), QStringLiteral("SparaBerkning1"));
        }
        const QString name = firstFood(*program.state, QStringLiteral("mjölk"));
        program.form()->registrationFiles().openGiven(
            program.data.filePath(QStringLiteral("kalle.vexa")));
        QCOMPARE(grid(program.form())->item(0, 0)->text(), name);
        QVERIFY(!program.form()->hasUnsavedChanges());

        program.form()->registrationFiles().openGiven(
            program.data.filePath(QStringLiteral("finns-inte.vexa")));
        QCOMPARE(program.dialogs.messages.last(),
                 QStringLiteral("Kan inte öppna registreringen %1: filen finns inte.")
                     .arg(program.data.filePath(QStringLiteral("finns-inte.vexa"))));
        QCOMPARE(grid(program.form())->item(0, 0)->text(), name);
    }

    void theProgramFillsANewDataFolder() {
        QTemporaryDir parent;
        const QString fresh = parent.filePath(QStringLiteral("ny/vexamat-data"));
        QProcess program;
        program.setProcessChannelMode(QProcess::ForwardedChannels);
        program.start(QStringLiteral(VEXAMAT_APP),
                      {QStringLiteral("--data"), fresh, QStringLiteral("--screenshot"),
                       parent.filePath(QStringLiteral("bild.png"))});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(QFile::exists(QDir(fresh).filePath(QStringLiteral("vexamat.db"))));
        QVERIFY(QFile::exists(QDir(fresh).filePath(QStringLiteral("nvnamn.txt"))));
        QVERIFY(QFile::exists(parent.filePath(QStringLiteral("bild.png"))));
    }
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(kChildData)) {
        RegisterThenWait child;
        return QTest::qExec(&child, argc, argv);
    }
    TstCrashRecovery test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_crashrecovery.moc"
