#include "core/AppState.h"
#include "core/files/RecoveryFile.h"
#include "core/registration/RegistrationSession.h"
#include "support/TempDataFolder.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace vexamat;

namespace {

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A state with the food tables of a temporary copy of the default data open.
struct Opened {
    Opened() : state(std::make_unique<AppState>()) {
        state->DataDir = data.path();
        QString error;
        ok = data.isValid() && state->openTables(&error);
    }
    TempDataFolder data;
    std::unique_ptr<AppState> state;
    bool ok = false;
};

// Two foods of the national table (the first and the last by code) on two days, a reading,
// a carbohydrate factor, a norm and a title.
void fill(AppState& state) {
    const QList<TableRecord> foods = state.livtab100.recordsInKeyOrder();
    QVERIFY(foods.size() > 1);
    MealRow& first = state.registration.row(0, 0, 1);
    first.kod = foods.first().text(0);
    first.gram = 250;
    first.enhet = QStringLiteral("dl");
    first.enhetsvikt = 103;
    first.klockan = QStringLiteral("07:30");
    MealRow& last = state.registration.row(20, 8, 1);
    last.kod = foods.last().text(0);
    last.gram = 12.5f;
    last.enhet = QStringLiteral("g");
    last.enhetsvikt = 1;
    state.GlucoseStore.set(20, 1, QStringLiteral("8:00"), QStringLiteral("5,5"));
    state.carbohydrate.HourFactor[3] = QStringLiteral("1,5");
    state.norm.NormKind = QStringLiteral("personnorm");
    state.norm.NormLabel = QStringLiteral("Kvinna 30 år 2100 kcal/dag");
    state.norm.ActiveNeed[1] = 2100;
    state.RegistrationTitle = QStringLiteral("/hem/kalle/vecka 12.vexa   20.3.2026");
}

const QStringList kNote{QStringLiteral("Åt på restaurang"), QString(), QStringLiteral("rad 3")};

} // namespace

class TstRecoveryFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void restoringGivesBackTheRegistrationUnsaved() {
        Opened a;
        QVERIFY(a.ok);
        fill(*a.state);
        const QString path = a.state->dataPath(RecoveryFile::kFileName);
        QVERIFY(RecoveryFile::write(path, RecoveryFile::encode(*a.state, kNote)));

        Opened b;
        QVERIFY(b.ok);
        const RecoveryFile::ReadResult found = RecoveryFile::read(path);
        QCOMPARE(found.status, RecoveryFile::Status::Ok);
        QCOMPARE(found.contents.noteLines, kNote);
        const RegistrationFile::ReadResult read = RecoveryFile::restore(found.contents, *b.state);
        QCOMPARE(read.status, RegistrationFile::Status::Ok);
        QCOMPARE(read.missingFoods, QStringList());

        for (const auto& [d, m, r] : {std::tuple{0, 0, 1}, std::tuple{20, 8, 1}}) {
            const MealRow& x = a.state->registration.row(d, m, r);
            const MealRow& y = b.state->registration.row(d, m, r);
            QCOMPARE(y.kod, x.kod);
            QCOMPARE(y.gram, x.gram);
            QCOMPARE(y.enhet, x.enhet);
            QCOMPARE(y.klockan, x.klockan);
            QVERIFY(!y.livsmedel.isEmpty()); // the food was found in the table
        }
        QVERIFY(b.state->registration.row(0, 0, 2).isEmpty());
        QVERIFY(b.state->GlucoseStore == a.state->GlucoseStore);
        QVERIFY(b.state->carbohydrate == a.state->carbohydrate);
        QCOMPARE(b.state->norm.NormKind, a.state->norm.NormKind);
        QCOMPARE(b.state->norm.NormLabel, a.state->norm.NormLabel);
        QCOMPARE(b.state->norm.ActiveNeed, a.state->norm.ActiveNeed);
        QCOMPARE(b.state->RegistrationTitle, a.state->RegistrationTitle);

        // Never saved as it stands: there is something to save, and the restoring is one step.
        RegistrationSession session(*b.state);
        QVERIFY(session.isChanged());
        QCOMPARE(session.undoName(), RegistrationSession::kRestoreStep);
        QVERIFY(session.undo());
        QVERIFY(b.state->registration.isMealEmpty(0, 0));
        QVERIFY(b.state->RegistrationTitle.isEmpty());
    }

    void anEmptyNoteAndTitleComeBackEmpty() {
        Opened a;
        QVERIFY(a.ok);
        RecoveryFile::Contents contents;
        QVERIFY(RecoveryFile::decode(RecoveryFile::encode(*a.state, {}), &contents));
        QCOMPARE(contents.title, QString());
        QCOMPARE(contents.noteLines, QStringList());
        QVERIFY(!contents.registrationLines.isEmpty());
    }

    void aDamagedFileIsRecognised_data() {
        QTest::addColumn<QByteArray>("bytes");
        RecoveryFile::Contents contents;
        contents.title = QStringLiteral("titel");
        contents.noteLines = QStringList{QStringLiteral("not")};
        contents.normLines = QStringList{QStringLiteral("n1"), QStringLiteral("n2")};
        contents.registrationLines = QStringList{QStringLiteral("r1"), QStringLiteral("r2")};
        const QByteArray whole = RecoveryFile::encode(contents);
        RecoveryFile::Contents check;
        QVERIFY(RecoveryFile::decode(whole, &check));
        QCOMPARE(check.registrationLines, contents.registrationLines);

        QTest::newRow("empty") << QByteArray();
        QTest::newRow("cut in the last line") << whole.left(whole.size() - 2);
        QTest::newRow("last section cut short") << whole.left(whole.lastIndexOf("r2"));
        QTest::newRow("another file") << QByteArray("0\r\n0\r\n250\r\n");
        QTest::newRow("a line too many") << whole + "r3\n";
        QTest::newRow("count no number")
            << QByteArray(whole).replace("registrering 2", "registrering x");
        QTest::newRow("count past the end")
            << QByteArray(whole).replace("registrering 2", "registrering 9");
        QTest::newRow("negative count") << QByteArray(whole).replace("norm 2", "norm -1");
        QTest::newRow("note section missing")
            << QByteArray(whole).replace("anteckning 1\nnot\n", "");
    }
    void aDamagedFileIsRecognised() {
        QFETCH(QByteArray, bytes);
        RecoveryFile::Contents contents;
        QVERIFY(!RecoveryFile::decode(bytes, &contents));

        QTemporaryDir dir;
        const QString path = dir.filePath(RecoveryFile::kFileName);
        QVERIFY(RecoveryFile::write(path, bytes));
        const RecoveryFile::ReadResult found = RecoveryFile::read(path);
        QCOMPARE(found.status, RecoveryFile::Status::Damaged);
        QVERIFY(!found.error.isEmpty());
    }

    void noFileIsNothingToRecover() {
        QTemporaryDir dir;
        QCOMPARE(RecoveryFile::read(dir.filePath(RecoveryFile::kFileName)).status,
                 RecoveryFile::Status::Missing);
    }

    void aDamagedFileIsSetAsideWithTheTime() {
        QTemporaryDir dir;
        const QString path = dir.filePath(RecoveryFile::kFileName);
        QVERIFY(RecoveryFile::write(path, "skräp"));
        const QDateTime when(QDate(2026, 12, 11), QTime(13, 5, 9));
        QString error;
        const QString aside = RecoveryFile::setAside(path, when, &error);
        QCOMPARE(aside, dir.filePath(QStringLiteral("aterstallning-skadad-2026-12-11-130509.dat")));
        QVERIFY(!QFile::exists(path));
        QCOMPARE(bytesOf(aside), QByteArray("skräp"));
    }

    void aFailedWriteKeepsTheFileBeforeAndSaysWhy() {
        QTemporaryDir dir;
        const QString path = dir.filePath(RecoveryFile::kFileName);
        QVERIFY(RecoveryFile::write(path, "före"));
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        QString error;
        const bool written = RecoveryFile::write(path, "efter", &error);
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (written)
            QSKIP("this user may write in a read-only folder");
        QVERIFY(!error.isEmpty());
        QCOMPARE(bytesOf(path), QByteArray("före"));
    }
};

QTEST_GUILESS_MAIN(TstRecoveryFile)
#include "tst_recoveryfile.moc"
