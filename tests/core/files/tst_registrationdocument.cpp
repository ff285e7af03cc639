#include "core/AppState.h"
#include "core/files/RegistrationDocument.h"
#include "core/registration/MealEditor.h"
#include "core/registration/RegistrationSession.h"
#include "core/text/TextCodec.h"
#include "support/TempDataFolder.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <unistd.h>

using namespace vexamat;

namespace {

const QString kDate = QStringLiteral("10.12.2026");

QString companion(const QString& code) {
    return QStringLiteral("namn ") + code + QLatin1Char('{') + code + QStringLiteral("}1@g");
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A state with the food tables of a temporary copy of the default data open, and its
// document with a fixed date line.
struct Opened {
    Opened() : state(std::make_unique<AppState>()), document(*state) {
        state->DataDir = data.path();
        QString error;
        ok = data.isValid() && state->openTables(&error);
        document.setDateText([] { return kDate; });
    }
    TempDataFolder data;
    std::unique_ptr<AppState> state;
    RegistrationDocument document;
    bool ok = false;
};

// A handler that keeps one line of text in its side file, as a norm window keeps its inputs.
struct SideFile {
    QString written = QStringLiteral("indata");
    QString read;
    int reads = 0;
    int afterReads = 0;

    RegistrationDocument::SideFileHandler handler() {
        return {[this](const QString& path, QString* error) {
                    return TextCodec::writeLines(path, {written}, error);
                },
                [this](const QString& path, QString*) {
                    QStringList lines;
                    ++reads;
                    const bool ok = TextCodec::readLines(path, &lines);
                    read = lines.value(0);
                    return ok;
                },
                [this] { ++afterReads; }};
    }
};

// Foods on two days, a clock-time row, times, a reading and a carbohydrate setting.
void fill(AppState& state) {
    RegistrationSession s(state);
    for (const char* code : {"1_101", "2_104", "Abbo001", "egna001"})
        QCOMPARE(
            s.addFood(QString::fromLatin1(code), companion(QString::fromLatin1(code)), 0, false)
                .status,
            FoodAdder::Status::Added);
    QCOMPARE(s.setCell(1, MealEditor::Gram, "250").status,
             RegistrationSession::CellResult::Status::Changed);
    QCOMPARE(s.setCell(2, MealEditor::Klockan, "12:30").status,
             RegistrationSession::CellResult::Status::Changed);
    QCOMPARE(s.applyUnitLine(1, "206 g/glas"), true);
    state.CurrentDay = 20;
    state.CurrentMeal = 8;
    QCOMPARE(s.addClockRow("07:45"), 1);
    QCOMPARE(s.addByCode("1104").row, 2);
    state.GlucoseStore.set(20, 1, QStringLiteral("8:00"), QStringLiteral("5,5"));
    state.carbohydrate.HourFactor[3] = QStringLiteral("1,5");
    state.norm.NormKind = QStringLiteral("personnorm");
    state.norm.NormLabel = QStringLiteral("Kvinna 30 år 2100 kcal/dag");
    state.norm.ActiveNeed[1] = 2100;
}

} // namespace

class TstRegistrationDocument : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void saveThenOpenGivesTheSameRegistration() {
        Opened a;
        QVERIFY(a.ok);
        fill(*a.state);
        SideFile personA;
        a.document.registerSideFile(QStringLiteral("personnorm"), personA.handler());
        RegistrationSession sessionA(*a.state);
        QVERIFY(sessionA.isChanged());

        const QString chosen = a.data.filePath(QStringLiteral("kalle"));
        const RegistrationDocument::SaveResult saved =
            a.document.save(chosen, {QStringLiteral("Anteckning"), QStringLiteral("rad 2")});
        QVERIFY(saved.saved);
        QCOMPARE(saved.messages, QStringList());
        QCOMPARE(saved.path, chosen + QStringLiteral(".vexa"));
        QCOMPARE(a.state->RegistrationTitle, saved.path);
        QVERIFY(!sessionA.isChanged());
        QCOMPARE(bytesOf(chosen + ".txt"), QByteArray("Anteckning\r\nrad 2\r\n"));
        QCOMPARE(bytesOf(chosen + ".pers"), QByteArray("indata\r\n"));
        QVERIFY(QFile::exists(chosen + ".norm"));

        Opened b;
        QVERIFY(b.ok);
        SideFile personB;
        b.document.registerSideFile(QStringLiteral("personnorm"), personB.handler());
        const RegistrationDocument::OpenResult opened = b.document.open(saved.path);
        QCOMPARE(opened.file.status, RegistrationFile::Status::Ok);
        QCOMPARE(opened.messages, QStringList());
        QVERIFY(opened.noteRead);
        QCOMPARE(opened.noteLines, (QStringList{"Anteckning", "rad 2"}));
        QCOMPARE(b.state->RegistrationTitle, saved.path + QStringLiteral("   ") + kDate);
        QCOMPARE(personB.read, QStringLiteral("indata"));
        QCOMPARE(personB.afterReads, 1);
        QCOMPARE(b.state->norm.NormKind, QStringLiteral("personnorm"));
        QCOMPARE(b.state->norm.NormLabel, a.state->norm.NormLabel);
        QCOMPARE(b.state->norm.ActiveNeed, a.state->norm.ActiveNeed);
        RegistrationSession sessionB(*b.state);
        QVERIFY(!sessionB.isChanged());
        QCOMPARE(sessionB.undoName(), RegistrationSession::kOpenStep);

        // What the file carries of each row comes back.
        for (int d = 0; d < Registration::kDays; ++d) {
            for (int m = 0; m < Registration::kMeals; ++m) {
                for (int r = 1; r <= Registration::kLastRow; ++r) {
                    const MealRow& x = a.state->registration.row(d, m, r);
                    const MealRow& y = b.state->registration.row(d, m, r);
                    if (x.isEmpty()) {
                        QVERIFY(y.isEmpty());
                        continue;
                    }
                    QCOMPARE(y.kod, x.kod);
                    QCOMPARE(y.gram, x.gram);
                    QCOMPARE(y.enhet, x.enhet);
                    QCOMPARE(y.enhetsvikt, x.enhetsvikt);
                    QCOMPARE(y.klockan, x.klockan);
                    QCOMPARE(y.tidslot, x.tidslot);
                }
            }
        }
        QCOMPARE(b.state->registration.row(0, 0, 1).enhet, QStringLiteral("glas"));
        QVERIFY(b.state->GlucoseStore == a.state->GlucoseStore);
        QVERIFY(b.state->carbohydrate == a.state->carbohydrate);
        // The pick lists hold the foods of the opened registration.
        QCOMPARE(b.state->MealTypeFoods[0].size(), 4);

        // Saved again, the file is the same byte for byte.
        const RegistrationDocument::SaveResult again =
            b.document.save(b.data.filePath(QStringLiteral("kalle2.vexa")), {});
        QVERIFY(again.saved);
        QCOMPARE(bytesOf(again.path), bytesOf(saved.path));
        QVERIFY(!QFile::exists(b.data.filePath(QStringLiteral("kalle2.txt"))));
    }

    void openingIsOneUndoableStep() {
        Opened a;
        QVERIFY(a.ok);
        fill(*a.state);
        const QString path = a.document.save(a.data.filePath(QStringLiteral("kalle")), {}).path;
        RegistrationSession session(*a.state);
        session.newRegistration();
        QVERIFY(session.addFood("namn 1_106", companion("1_106"), 0, false).row == 1);
        QVERIFY(session.isChanged());

        a.document.open(path);
        QVERIFY(!session.isChanged());
        QCOMPARE(a.state->registration.row(0, 0, 1).kod, QStringLiteral("1_101"));
        QVERIFY(session.undo());
        QCOMPARE(a.state->registration.row(0, 0, 1).kod, QStringLiteral("1_106"));
        QVERIFY(a.state->registration.isMealEmpty(20, 8));
        QVERIFY(a.state->RegistrationTitle.isEmpty());
        QVERIFY(session.isChanged());
    }

    void aFileThatIsNoRegistrationSaysSo() {
        Opened a;
        QVERIFY(a.ok);
        const QString path = a.data.filePath(QStringLiteral("trasig.vexa"));
        a.data.write(QStringLiteral("trasig.vexa"), "inget tal\r\n");
        const RegistrationDocument::OpenResult opened = a.document.open(path);
        QCOMPARE(opened.file.status, RegistrationFile::Status::Failed);
        QCOMPARE(opened.messages, QStringList{QStringLiteral("Kan ej öppna registrering")});
        QVERIFY(!opened.noteRead);
        QVERIFY(opened.noteLines.isEmpty());
    }

    void aFailedSaveKeepsTheOldFile_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("directory");
        QTest::addColumn<bool>("readOnlyFolder");
        QTest::newRow("a folder where the file goes") << "kalle.vexa" << true << false;
        // No room beside the longest name a folder allows for the save's temporary file.
        QTest::newRow("no room for the temporary file")
            << QString(250, QLatin1Char('k')) + ".vexa" << false << false;
        QTest::newRow("read-only folder") << "kalle.vexa" << false << true;
    }

    void aFailedSaveKeepsTheOldFile() {
        QFETCH(QString, name);
        QFETCH(bool, directory);
        QFETCH(bool, readOnlyFolder);
        if (readOnlyFolder && ::geteuid() == 0)
            QSKIP("root writes into a read-only folder");
        Opened a;
        QVERIFY(a.ok);
        const QString folder = a.data.filePath(QStringLiteral("registreringar"));
        QVERIFY(QDir().mkpath(folder));
        const QString path = QDir(folder).filePath(name);
        const QByteArray old("100\r\ntidigare\r\n");
        if (directory) {
            QVERIFY(QDir().mkpath(path));
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(old);
        }
        if (readOnlyFolder)
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        fill(*a.state);
        a.state->RegistrationTitle = QStringLiteral("tidigare titel");

        const RegistrationDocument::SaveResult result = a.document.save(path, {});
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!result.saved);
        QVERIFY(!result.messages.isEmpty());
        QVERIFY2(
            result.messages.first().startsWith(QStringLiteral("Kan ej spara registreringen\n")),
            qPrintable(result.messages.first()));
        QVERIFY(result.messages.first().endsWith(
            QStringLiteral("\nEn tidigare sparad fil med samma namn är orörd.")));
        QVERIFY(RegistrationSession(*a.state).isChanged());
        QCOMPARE(a.state->RegistrationTitle, QStringLiteral("tidigare titel"));
        if (directory)
            QVERIFY(QFileInfo(path).isDir());
        else
            QCOMPARE(bytesOf(path), old);
    }

    void removeDeletesEveryFileOfTheRegistration() {
        TempDataFolder data;
        AppState state;
        RegistrationDocument document(state);
        QStringList files{QStringLiteral("kalle.vexa"), QStringLiteral("kalle.txt"),
                          QStringLiteral("kalle.norm")};
        for (const RegistrationDocument::SideFileKind& kind : RegistrationDocument::sideFileKinds())
            files << QStringLiteral("kalle") + kind.extension;
        const QStringList others{QStringLiteral("kalle2.vexa"), QStringLiteral("kalle2.pers"),
                                 QStringLiteral("kalle.csv")};
        for (const QString& f : files + others)
            data.write(f, "x\r\n");

        const RegistrationDocument::RemoveResult result =
            document.remove(data.filePath(QStringLiteral("kalle.vexa")));
        QStringList removed;
        for (const QString& f : result.removed)
            removed << QFileInfo(f).fileName();
        removed.sort();
        files.sort();
        QCOMPARE(removed, files);
        QCOMPARE(result.failed, QStringList());
        for (const QString& f : files)
            QVERIFY2(!QFile::exists(data.filePath(f)), qPrintable(f));
        for (const QString& f : others)
            QVERIFY2(QFile::exists(data.filePath(f)), qPrintable(f));
    }

    void sideFileKinds() {
        QStringList table;
        for (const RegistrationDocument::SideFileKind& kind : RegistrationDocument::sideFileKinds())
            table << kind.normKind + QLatin1Char(' ') + kind.extension;
        QCOMPARE(table, (QStringList{"aktivnorm .akt", "egennorm .enorm", "harrisnorm .harris",
                                     "personnorm .pers", "kgkroppsviktnorm .kropp",
                                     "ketogennorm .ketogen"}));
        AppState state;
        RegistrationDocument document(state);
        QCOMPARE(document.sideFileExtension(QStringLiteral("ketogennorm")),
                 QStringLiteral(".ketogen"));
        QCOMPARE(document.sideFileExtension(QStringLiteral("standarnorm")), QString());
    }

    void aRegisteredSideFileIsWrittenAndRead_data() {
        QTest::addColumn<QString>("kind");
        for (const RegistrationDocument::SideFileKind& kind : RegistrationDocument::sideFileKinds())
            QTest::newRow(qPrintable(kind.normKind)) << kind.normKind;
    }

    void aRegisteredSideFileIsWrittenAndRead() {
        QFETCH(QString, kind);
        Opened a;
        QVERIFY(a.ok);
        a.state->norm.NormKind = kind;
        std::map<QString, SideFile> sides; // every kind has a handler; only the active one runs
        for (const RegistrationDocument::SideFileKind& k : RegistrationDocument::sideFileKinds()) {
            sides[k.normKind].written = k.normKind + QStringLiteral(" indata");
            a.document.registerSideFile(k.normKind, sides[k.normKind].handler());
        }
        const QString path = a.document.save(a.data.filePath(QStringLiteral("kalle")), {}).path;
        const QString extension = a.document.sideFileExtension(kind);
        QCOMPARE(bytesOf(RegistrationFile::withExtension(path, extension)),
                 (kind + QStringLiteral(" indata\r\n")).toLatin1());
        for (const RegistrationDocument::SideFileKind& k : RegistrationDocument::sideFileKinds())
            QCOMPARE(QFile::exists(RegistrationFile::withExtension(path, k.extension)),
                     k.normKind == kind);

        Opened b;
        QVERIFY(b.ok);
        std::map<QString, SideFile> read;
        for (const RegistrationDocument::SideFileKind& k : RegistrationDocument::sideFileKinds())
            b.document.registerSideFile(k.normKind, read[k.normKind].handler());
        const RegistrationDocument::OpenResult opened = b.document.open(path);
        QCOMPARE(opened.messages, QStringList());
        for (const RegistrationDocument::SideFileKind& k : RegistrationDocument::sideFileKinds()) {
            QCOMPARE(read[k.normKind].reads, k.normKind == kind ? 1 : 0);
            QCOMPARE(read[k.normKind].afterReads, k.normKind == kind ? 1 : 0);
        }
        QCOMPARE(read[kind].read, kind + QStringLiteral(" indata"));
    }

    void aSideFileThatCannotBeReadIsReported() {
        Opened a;
        QVERIFY(a.ok);
        a.state->norm.NormKind = QStringLiteral("egennorm");
        SideFile side;
        a.document.registerSideFile(QStringLiteral("egennorm"), side.handler());
        const QString path = a.document.save(a.data.filePath(QStringLiteral("kalle")), {}).path;
        RegistrationDocument::SideFileHandler broken = side.handler();
        broken.read = [](const QString&, QString* error) {
            *error = QStringLiteral("rad 3 saknas");
            return false;
        };
        a.document.registerSideFile(QStringLiteral("egennorm"), broken);
        const RegistrationDocument::OpenResult opened = a.document.open(path);
        QCOMPARE(opened.file.status, RegistrationFile::Status::Ok);
        QCOMPARE(opened.messages,
                 QStringList{QStringLiteral("Kan ej läsa %1\nrad 3 saknas")
                                 .arg(RegistrationFile::withExtension(path, ".enorm"))});
    }

    void vexaPath_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("path");
        QTest::newRow("no extension") << "/a/kalle"
                                      << "/a/kalle.vexa";
        QTest::newRow("vexa") << "/a/kalle.vexa"
                              << "/a/kalle.vexa";
        QTest::newRow("upper case") << "/a/KALLE.VEXA"
                                    << "/a/KALLE.VEXA";
        QTest::newRow("a dot in the name") << "/a/p.andersson"
                                           << "/a/p.andersson.vexa";
    }

    void vexaPath() {
        QFETCH(QString, chosen);
        QFETCH(QString, path);
        QCOMPARE(RegistrationDocument::vexaPath(chosen), path);
    }
};

QTEST_GUILESS_MAIN(TstRegistrationDocument)
#include "tst_registrationdocument.moc"
