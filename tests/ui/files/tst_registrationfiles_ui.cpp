#include "core/AppState.h"
#include "core/files/FoodLookup.h"
#include "core/registration/MealPickLists.h"
#include "core/registration/RegistrationSession.h"
#include "core/text/TextCodec.h"
#include "support/MainWindowFixture.h"
#include "support/UserActions.h"
#include "ui/Windows.h"
#include "ui/app/TForm1.h"
#include "ui/files/RegistrationFiles.h"
#include "ui/files/TFormInfo.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTest>

using namespace vexamat;

namespace {

void trigger(TForm1* form, const char* action) {
    triggerAction(form, QString::fromLatin1(action));
}

// The registration files' clock and side files are set up through the main window's
// RegistrationFiles: the one place these tests reach into the window.
RegistrationFiles& registrationFiles(TForm1* form) {
    return form->registrationFiles();
}

// Types the note into the information window, line by line.
void typeNote(QWidget* info, const QStringList& lines) {
    auto* memo = child<QPlainTextEdit>(info, QStringLiteral("MemoInfo"));
    QVERIFY(memo);
    typeText(memo, lines.join(QLatin1Char('\n')));
}

QStringList fileLines(const QString& path) {
    QStringList lines;
    TextCodec::readLines(path, &lines);
    return lines;
}

// Puts a food of the tables into a row, as adding it from the food list does.
void putFood(AppState& state, int day, int meal, int row, const QString& code, float gram,
             const QString& klockan = {}) {
    FoodLookup lookup(state);
    const FoodLookup::Food* food = lookup.find(code);
    QVERIFY(food);
    // Put there as a pasted meal would be: one edit of the registration.
    QVERIFY(state.registration.firstFreeRow(day, meal) == row);
    Registration::Meal pasted;
    MealRow& r = pasted[std::size_t(row)];
    r.kod = food->kod;
    r.livsmedel = food->livsmedel;
    r.enhet = food->enhet;
    r.enhetsvikt = food->portionsstorlek;
    r.gram = gram;
    r.klockan = klockan;
    r.naring = food->naring;
    const int currentDay = state.CurrentDay;
    const int currentMeal = state.CurrentMeal;
    state.CurrentDay = day;
    state.CurrentMeal = meal;
    RegistrationSession(state).pasteMeal(pasted);
    state.CurrentDay = currentDay;
    state.CurrentMeal = currentMeal;
}

} // namespace

class TstRegistrationFilesUi : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void saveWritesTheFilesAndClearsChanged() {
        MainWindowFixture f;
        QCOMPARE(f.startResult(), WindowSet::Result::Ok);
        registrationFiles(f.form()).document().setDateText(
            [] { return QStringLiteral("2026-12-10"); });
        putFood(*f.state, 0, 1, 1, QStringLiteral("1_101"), 206, QStringLiteral("12:30"));
        f.state->norm.NormKind = QStringLiteral("standardnorm");
        f.state->norm.NormLabel = QStringLiteral("Kvinna 31-60 år");
        typeNote(f.windows().FormInfo, {QStringLiteral("Kalle, 12 år")});
        QVERIFY(f.form()->hasUnsavedChanges());

        const QString chosen = f.data.filePath(QStringLiteral("kalle"));
        f.dialogs.queueFileName(chosen);
        trigger(f.form(), "SparaBerkning1");

        const QString vexa = f.data.filePath(QStringLiteral("kalle.vexa"));
        QCOMPARE(f.dialogs.fileDialogs, QStringList{"Spara registrering"});
        QCOMPARE(f.dialogs.messages, QStringList());
        const QStringList lines = fileLines(vexa);
        QCOMPARE(lines.mid(0, 3), (QStringList{"100", "2026-12-10", "flera maltider"}));
        QCOMPARE(lines.mid(12, 4), (QStringList{"*0/0", "1_101", "206.0/103@dl&12:30", "*0/1"}));
        QCOMPARE(fileLines(f.data.filePath(QStringLiteral("kalle.txt"))),
                 QStringList{"Kalle, 12 år"});
        const QStringList norm = fileLines(f.data.filePath(QStringLiteral("kalle.norm")));
        QCOMPARE(norm.size(), 84);
        QCOMPARE(norm.at(11), QStringLiteral("Kvinna 31-60 år"));
        QVERIFY(!f.form()->hasUnsavedChanges());
        QCOMPARE(f.state->RegistrationTitle, vexa);
        QCOMPARE(f.form()->windowTitle(), vexa + "   Kvinna 31-60 år");
    }

    void cancelledOrFailedSaveKeepsChanged() {
        MainWindowFixture f;
        putFood(*f.state, 0, 0, 1, QStringLiteral("1_101"), 50);
        f.dialogs.queueFileName(QString()); // the dialog is cancelled
        trigger(f.form(), "SparaBerkning1");
        QVERIFY(f.form()->hasUnsavedChanges());

        f.dialogs.queueFileName(f.data.filePath(QStringLiteral("saknas/kalle.vexa")));
        trigger(f.form(), "SparaBerkning1");
        QVERIFY(f.form()->hasUnsavedChanges());
        QCOMPARE(f.dialogs.messages.size(), 2);
        QVERIFY(f.dialogs.messages.at(0).startsWith("Kan ej spara registreringen\n"));
        QCOMPARE(f.dialogs.messages.at(1), QStringLiteral("Kan ej spara aktuell norm"));
    }

    void openShowsWhatWasSaved() {
        MainWindowFixture f;
        registrationFiles(f.form()).document().setDateText([] { return QStringLiteral("D1"); });
        putFood(*f.state, 2, 0, 1, QStringLiteral("1_101"), 50);
        putFood(*f.state, 2, 0, 2, QStringLiteral("egna001"), 150);
        putFood(*f.state, 0, 4, 1, QStringLiteral("Abbo001"), 200);
        putFood(*f.state, 5, 0, 1, QStringLiteral("1_101"), 75); // listed once, as on day 3
        f.state->GlucoseStore.set(2, 1, QStringLiteral("8:00"), QStringLiteral("5,5"));
        f.state->norm.NormKind = QStringLiteral("egennorm");
        f.state->norm.NormLabel = QStringLiteral("Egen norm 2000 kcal");
        f.state->norm.ActiveNeed.fill(7.5f);
        typeNote(f.windows().FormInfo, {"rad 1", "rad 2"});
        const QString vexa = f.data.filePath(QStringLiteral("kalle.vexa"));
        f.dialogs.queueFileName(vexa);
        trigger(f.form(), "SparaBerkning1");

        MainWindowFixture g;
        QCOMPARE(g.startResult(), WindowSet::Result::Ok);
        g.dialogs.queueFileName(vexa);
        trigger(g.form(), "Hmtaberkning1");
        QCOMPARE(g.dialogs.fileDialogs, QStringList{"Öppna registrering"});
        QCOMPARE(g.dialogs.messages, QStringList());
        QCOMPARE(g.state->registration.row(2, 0, 2).livsmedel,
                 QStringLiteral("Mormors köttbullar"));
        QCOMPARE(g.state->registration.row(0, 4, 1).gram, 200.0f);
        QCOMPARE(g.state->GlucoseStore.reading(2, 1).value, QStringLiteral("5,5"));
        QCOMPARE(g.state->norm.NormKind, QStringLiteral("egennorm"));
        QCOMPARE(g.state->norm.NormLabel, QStringLiteral("Egen norm 2000 kcal"));
        QCOMPARE(g.state->norm.ActiveNeed[71], 7.5f);
        QCOMPARE(g.windows().FormInfo->noteLines(), (QStringList{"rad 1", "rad 2"}));
        QVERIFY(!g.form()->hasUnsavedChanges());
        QCOMPARE(g.state->RegistrationTitle, vexa + "   D1");
        QCOMPARE(g.form()->windowTitle(), vexa + "   Egen norm 2000 kcal  /D1");
        QCOMPARE(g.state->MealTypeFoods[MealPickLists::Frukost].names(),
                 (QStringList{"Mjölk fett 3%", "Mormors köttbullar"}));
        QCOMPARE(g.state->MealTypeFoods[MealPickLists::Frukost].companions().at(0),
                 QStringLiteral("Mjölk fett 3%{1_101}50@dl"));
        QCOMPARE(g.state->MealTypeFoods[MealPickLists::Mmal].names(),
                 QStringList{"Demo Näringsdryck vanilj"});

        // Day 3 is shown when chosen in the day box.
        chooseComboItem(child<QComboBox>(g.form(), QStringLiteral("ComboBox1")), 2);
        QCOMPARE(g.state->CurrentDay, 2);
        QCOMPARE(
            child<QTableWidget>(g.form(), QStringLiteral("StringGridMaltid"))->item(1, 0)->text(),
            QStringLiteral("Mormors köttbullar"));
    }

    void openingAsksToSaveAndCancelKeepsTheRegistration() {
        MainWindowFixture f;
        putFood(*f.state, 0, 0, 1, QStringLiteral("1_101"), 50);
        f.dialogs.queueAnswer(Dialogs::Answer::Cancel);
        trigger(f.form(), "Hmtaberkning1");
        QCOMPARE(f.dialogs.questions,
                 QStringList{"Vill du spara pågående registrering innan ny startas?"});
        QVERIFY(f.dialogs.fileDialogs.isEmpty());
        QCOMPARE(f.state->registration.row(0, 0, 1).kod, QStringLiteral("1_101"));
    }

    void brokenFileSaysSo() {
        MainWindowFixture f;
        f.data.write(QStringLiteral("trasig.vexa"), "inte en siffra\r\n");
        f.dialogs.queueFileName(f.data.filePath(QStringLiteral("trasig.vexa")));
        trigger(f.form(), "Hmtaberkning1");
        QCOMPARE(f.dialogs.messages, QStringList{"Kan ej öppna registrering"});
    }

    void overflowIsToldOnce() {
        MainWindowFixture f;
        QStringList lines{"100", "d", "flera maltider"};
        for (int i = 0; i < 9; ++i)
            lines << "reserv";
        for (int i = 0; i < 101; ++i)
            lines << "1_101"
                  << "1";
        for (int d = 0; d < 21; ++d)
            for (int m = 0; m < 9; ++m)
                lines << QStringLiteral("*%1/%2").arg(d).arg(m);
        f.data.write(QStringLiteral("stor.vexa"), TextCodec::joinLines(lines));
        f.dialogs.queueFileName(f.data.filePath(QStringLiteral("stor.vexa")));
        trigger(f.form(), "Hmtaberkning1");
        QCOMPARE(f.dialogs.messages.size(), 1);
        QVERIFY(f.dialogs.messages.first().endsWith("Detta lästes inte in: 2 livsmedelsrader."));
        QCOMPARE(f.state->registration.filledRowCount(0, 0), 99);
    }

    void oldestLayoutTellsWhichFoodsAreMissing() {
        MainWindowFixture f;
        f.state->norm.NormLabel = QStringLiteral("Standard");
        // Day 1 breakfast: slot 0 empty, slot 1 milk, slot 2 a food no table has.
        f.data.write(QStringLiteral("gammal.vexa"),
                     TextCodec::joinLines({"0", "0", "1_102", "150", "9_999", "10"}));
        const QString path = f.data.filePath(QStringLiteral("gammal.vexa"));
        f.dialogs.queueFileName(path);
        trigger(f.form(), "Hmtaberkning1");
        QCOMPARE(f.dialogs.messages,
                 QStringList{"dag=1 maltid=1 rad=3 Livsmedel med nr 9_999 finns ej."});
        QCOMPARE(f.state->registration.row(0, 0, 2).livsmedel,
                 QStringLiteral("Mellanmjölk fett 1,5%"));
        QCOMPARE(f.form()->windowTitle(), path + "   Standard");
        QCOMPARE(
            child<QTableWidget>(f.form(), QStringLiteral("StringGridMaltid"))->item(1, 3)->text(),
            QStringLiteral("150"));
    }

    void deleteRemovesTheRegistrationFiles() {
        MainWindowFixture f;
        const char* const sideFiles[] = {".vexa",   ".txt",  ".norm",  ".akt",    ".enorm",
                                         ".harris", ".pers", ".kropp", ".ketogen"};
        for (const char* ext : sideFiles)
            f.data.write(QStringLiteral("kalle") + QString::fromLatin1(ext), "x\r\n");
        f.data.write(QStringLiteral("kalle2.pers"), "x\r\n");
        const QString vexa = f.data.filePath(QStringLiteral("kalle.vexa"));
        f.dialogs.queueFileName(vexa);
        f.dialogs.queueFileName(QString()); // the dialog opens again until cancelled
        trigger(f.form(), "Radera");
        QCOMPARE(f.dialogs.fileDialogs, (QStringList{"Välj registrering som du vill radera.",
                                                     "Välj registrering som du vill radera."}));
        QCOMPARE(f.dialogs.messages, QStringList{vexa + " borttagen"});
        // Every file that belongs to the registration goes, and nothing of another one.
        for (const char* ext : sideFiles)
            QVERIFY2(!QFile::exists(f.data.filePath(QStringLiteral("kalle") + ext)), ext);
        QVERIFY(QFile::exists(f.data.filePath(QStringLiteral("kalle2.pers"))));
    }

    void sideFileOfTheNormKindIsWrittenAndRead() {
        MainWindowFixture f;
        QStringList written;
        QStringList read;
        registrationFiles(f.form()).document().registerSideFile(
            QStringLiteral("harrisnorm"), {[&](const QString& p, QString* error) {
                                               written << p;
                                               return TextCodec::writeLines(p, {"Man"}, error);
                                           },
                                           [&](const QString& p, QString*) {
                                               read << p;
                                               return true;
                                           },
                                           {}});
        f.state->norm.NormKind = QStringLiteral("harrisnorm");
        const QString vexa = f.data.filePath(QStringLiteral("h.vexa"));
        f.dialogs.queueFileName(vexa);
        trigger(f.form(), "SparaBerkning1");
        QCOMPARE(written, QStringList{f.data.filePath(QStringLiteral("h.harris"))});
        f.dialogs.queueFileName(vexa);
        trigger(f.form(), "Hmtaberkning1");
        QCOMPARE(read, QStringList{f.data.filePath(QStringLiteral("h.harris"))});
    }

    void typingInTheNoteMarksTheRegistrationChanged() {
        MainWindowFixture f;
        QVERIFY(!f.form()->hasUnsavedChanges());
        trigger(f.form(), "Extrainfo1");
        QVERIFY(f.windows().FormInfo->isVisible());
        typeNote(f.windows().FormInfo, {QStringLiteral("a")});
        QVERIFY(f.form()->hasUnsavedChanges());
        // A new registration asks to save, and empties the note.
        f.dialogs.queueAnswer(Dialogs::Answer::No);
        trigger(f.form(), "Nyberkning1");
        QCOMPARE(f.dialogs.questions.size(), 1);
        QVERIFY(f.windows().FormInfo->noteLines().isEmpty());
        QVERIFY(!f.form()->hasUnsavedChanges());
    }
};

QTEST_MAIN(TstRegistrationFilesUi)
#include "tst_registrationfiles_ui.moc"
