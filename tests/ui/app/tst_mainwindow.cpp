#include "core/AppState.h"
#include "core/registration/RegistrationSession.h"
#include "support/MainWindowFixture.h"
#include "support/UserActions.h"
#include "ui/Windows.h"
#include "ui/app/TForm1.h"
#include "ui/app/TFormHelp.h"
#include "ui/catalogue/FoodPickerPanel.h"

#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace vexamat;

namespace {

QStringList headings(QTableWidget* grid) {
    QStringList out;
    for (int c = 0; c < grid->columnCount(); ++c)
        out << grid->horizontalHeaderItem(c)->text();
    return out;
}

bool gridIsEmpty(QTableWidget* grid) {
    for (int r = 0; r < grid->rowCount(); ++r) {
        for (int c = 0; c < grid->columnCount(); ++c) {
            if (!grid->item(r, c)->text().isEmpty())
                return false;
        }
    }
    return true;
}

// The main window's food list as data: the one look at the window's internals here.
QStringList shownCompanions(TForm1* form) {
    return form->foodPicker().foodList().companions();
}

MealRow someFood() {
    MealRow r;
    r.kod = QStringLiteral("8_101");
    r.livsmedel = QStringLiteral("Äpple");
    r.enhet = QStringLiteral("st");
    r.enhetsvikt = 150;
    r.gram = 150;
    r.naring[0] = 220; // kJ per 100 g
    return r;
}

// A food in row 1 of the current meal, put there as "Klistra in måltid" does.
void putFood(AppState& state) {
    Registration::Meal pasted;
    pasted[1] = someFood();
    RegistrationSession(state).pasteMeal(pasted);
}

} // namespace

class TstMainWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startsOnBreakfastOfDayOneShowingFruit() {
        MainWindowFixture f;
        QVERIFY(f.data.isValid());
        QCOMPARE(f.startResult(), WindowSet::Result::Ok);
        QVERIFY2(f.dialogs.messages.isEmpty(), qPrintable(f.dialogs.messages.join('\n')));
        TForm1* form = f.form();
        // At least the designed size; more where the texts need it.
        QVERIFY(form->width() >= 837 && form->height() >= 571);
        auto* grid = child<QTableWidget>(form, QStringLiteral("StringGridMaltid"));
        QVERIFY(grid);
        QCOMPARE(headings(grid), (QStringList{"Livsmedel", "Antal", "Enhet", "Gram", "klockan"}));
        QCOMPARE(grid->rowCount(), 99);
        QVERIFY(gridIsEmpty(grid));
        QVERIFY(child<QToolButton>(form, QStringLiteral("SpeedButton1"))->isChecked());
        auto* day = child<QComboBox>(form, QStringLiteral("ComboBox1"));
        QCOMPARE(day->count(), 21);
        QCOMPARE(day->currentText(), QStringLiteral("dag1"));
        QCOMPARE(day->itemText(20), QStringLiteral("dag21"));
        QCOMPARE(f.state->CurrentMealName, QStringLiteral("Frukost"));
        QVERIFY(!f.form()->hasUnsavedChanges());
        QVERIFY(!f.state->StartingUp);
        QVERIFY(f.state->catalogue.DabasLoaded);
        // The food list shows the fruits of the main table and nothing else.
        auto* list = child<QListView>(form, QStringLiteral("ListBoxLivs"));
        QVERIFY(lineCount(list) > 5);
        for (const QString& companion : shownCompanions(form)) {
            const QString kod = companion.section('{', 1).section('}', 0, 0);
            QVERIFY2(kod.startsWith(QStringLiteral("8_")), qPrintable(companion));
        }
        auto* groups = child<QComboBox>(form, QStringLiteral("ComboBoxSLVgrupp"));
        QCOMPARE(groups->itemText(0), QStringLiteral(" Livsmedelsgrupper"));
        QVERIFY(groups->findText(QStringLiteral("Frukt")) > 0);
        // "Sökord" is a hint, not a text that typing would append to.
        auto* search = child<QLineEdit>(form, QStringLiteral("Edit1"));
        QVERIFY(search->text().isEmpty());
        QCOMPARE(search->placeholderText(), QStringLiteral("Sökord"));
    }

    void everyWindowIsCreatedOnce() {
        MainWindowFixture f;
        Windows& w = f.windows();
        QVERIFY(w.Form1 && w.FormNorm && w.formnvval && w.FormTab && w.FormHelp && w.FormMailIndy &&
                w.FormKetogen && w.FormDagFarger && w.FormReceptTab2);
        QCOMPARE(w.FormHelp->windowTitle(), QStringLiteral("Så här gör man"));
        QCOMPARE(w.FormHelp->size(), QSize(477, 423));
        QVERIFY(!w.FormHelp->isVisible());
    }

    void menusAndHiddenControls() {
        MainWindowFixture f;
        TForm1* form = f.form();
        const auto action = [form](const char* name) {
            return child<QAction>(form, QString::fromLatin1(name));
        };
        QVERIFY(action("Nyberkning1")->isVisible());
        QCOMPARE(action("Hmtaberkning1")->text(), QStringLiteral("Hämta registrering"));
        QVERIFY(action("Mailaberkning1")->isVisible());
        QVERIFY(!action("Instllningar1")->isVisible());
        QVERIFY(!action("Utskrift21")->isVisible());
        QVERIFY(!action("namnsoek")->isVisible());
        QCOMPARE(action("namnsoek")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
        QVERIFY(!child<QMenu>(form, QStringLiteral("Normer1"))->menuAction()->isVisible());
        QVERIFY(!child<QMenu>(form, QStringLiteral("Register1"))->menuAction()->isVisible());
        QVERIFY(action("Nringstoppen1")->isVisible());
        QVERIFY(action("Copyright1")->isVisible());
        // The switch to the extended layout is the one analysis control a client sees.
        QVERIFY(!child<QPushButton>(form, QStringLiteral("ButtonEnklare"))->isHidden());
        for (const char* hidden : {"ButtonFavoriter", "ButtonSalt", "ButtonProcent"})
            QVERIFY2(!child<QPushButton>(form, QString::fromLatin1(hidden))->isVisibleTo(form),
                     hidden);
        QCOMPARE(child<QPushButton>(form, QStringLiteral("Button3"))->text(), QStringLiteral("OK"));
    }

    void helpButtonShowsInstructions() {
        MainWindowFixture f;
        f.form()->show();
        clickButton(f.form(), QStringLiteral("ButtonInstruktioner"));
        QVERIFY(f.windows().FormHelp->isVisible());
        auto* memo = child<QPlainTextEdit>(f.windows().FormHelp, QStringLiteral("Memo1"));
        QVERIFY(memo->toPlainText().startsWith(QStringLiteral(
            "- Sök upp livsmedel genom att skriva några bokstäver i sökrutan, t.ex. gröt.")));
    }

    void aboutBoxTellsDemoData() {
        MainWindowFixture f;
        triggerAction(f.form(), QStringLiteral("Copyright1"));
        QCOMPARE(f.dialogs.messages.size(), 1);
        QVERIFY(f.dialogs.messages.first().contains(QStringLiteral("demodata")));
        QVERIFY(f.dialogs.messages.first().contains(QStringLiteral("import-livsmedelsverket")));
    }

    void closingUnchangedAsksNothing() {
        MainWindowFixture f;
        f.form()->show();
        QVERIFY(f.form()->close());
        QVERIFY(f.dialogs.questions.isEmpty());
    }

    void closingChangedCancelKeepsWindowAndRows() {
        MainWindowFixture f;
        f.form()->show();
        putFood(*f.state);
        f.dialogs.queueAnswer(Dialogs::Answer::Cancel);
        QVERIFY(!f.form()->close());
        QCOMPARE(f.dialogs.questions,
                 QStringList{QStringLiteral("Vill du spara pågående registrering?")});
        QVERIFY(f.form()->isVisible());
        QCOMPARE(f.state->registration.row(0, 0, 1).kod, QStringLiteral("8_101"));
    }

    void closingChangedNoCloses() {
        MainWindowFixture f;
        f.form()->show();
        putFood(*f.state);
        f.dialogs.queueAnswer(Dialogs::Answer::No);
        QVERIFY(f.form()->close());
        QCOMPARE(f.dialogs.questions.size(), 1);
    }

    void newRegistrationCancelKeepsEverything() {
        MainWindowFixture f;
        putFood(*f.state);
        f.dialogs.queueAnswer(Dialogs::Answer::Cancel);
        triggerAction(f.form(), QStringLiteral("Nyberkning1"));
        QCOMPARE(
            f.dialogs.questions,
            QStringList{QStringLiteral("Vill du spara pågående registrering innan ny startas?")});
        QCOMPARE(f.state->registration.row(0, 0, 1).kod, QStringLiteral("8_101"));
        QVERIFY(f.form()->hasUnsavedChanges());
        f.dialogs.queueAnswer(Dialogs::Answer::No);
        triggerAction(f.form(), QStringLiteral("Nyberkning1"));
        QVERIFY(f.state->registration.row(0, 0, 1).isEmpty());
        QVERIFY(!f.form()->hasUnsavedChanges());
    }

    void copyAndPasteMeal() {
        MainWindowFixture f;
        TForm1* form = f.form();
        triggerAction(form, QStringLiteral("Klistraindennamltid1"));
        QCOMPARE(f.dialogs.messages.last(), QStringLiteral("Ingen måltid finns att kopiera"));
        putFood(*f.state);
        triggerAction(form, QStringLiteral("Kopieradennamltid2"));
        QCOMPARE(f.dialogs.messages.last(),
                 QStringLiteral("Måltiden är nu lagrad och kan klistras in i en annan måltid."));
        clickButton(form, QStringLiteral("SpeedButton2"));
        QCOMPARE(f.state->CurrentMeal, 1);
        triggerAction(form, QStringLiteral("Klistraindennamltid1"));
        QVERIFY(f.form()->hasUnsavedChanges());
        auto* grid = child<QTableWidget>(form, QStringLiteral("StringGridMaltid"));
        QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("Äpple"));
        QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("1,0"));
        QCOMPARE(grid->item(0, 3)->text(), QStringLiteral("150"));
        auto* day = child<QComboBox>(form, QStringLiteral("ComboBox1"));
        QCOMPARE(day->itemText(0), QStringLiteral("DAG1"));
    }

    void delayedDabasLoadFillsTheBrands() {
        MainWindowFixture f;
        TForm1* form = f.form();
        const int count = f.state->catalogue.DabasCount;
        QVERIFY(count > 0);
        f.state->catalogue.DabasFoods.clear();
        f.state->catalogue.DabasCount = 0;
        f.state->catalogue.DabasLoaded = false;
        auto* timer = child<QTimer>(form, QStringLiteral("TimerDabasInlasning"));
        timer->start();
        QTRY_VERIFY_WITH_TIMEOUT(f.state->catalogue.DabasLoaded, 3000);
        QCOMPARE(f.state->catalogue.DabasCount, count);
        QVERIFY(!timer->isActive());
        auto* brands = child<QComboBox>(form, QStringLiteral("ComboBoxDabas"));
        QVERIFY(!brands->isHidden());
        QVERIFY(brands->count() > 1);
    }

    void brokenNutrientNumberEndsTheProgram() {
        TempDataFolder data;
        data.write(QStringLiteral("nvnamn.txt"), "15 Energi kJ,0\r\nxx Fel,0\r\n");
        auto state = std::make_unique<AppState>();
        state->DataDir = data.path();
        ScriptedDialogs dialogs;
        WindowSet windows(*state, dialogs);
        QCOMPARE(windows.create(), WindowSet::Result::Fatal);
        QCOMPARE(dialogs.messages, QStringList{QStringLiteral("Fel i namnfilen nvnamn.txt")});
    }

    void missingFilesAreReportedAndTheWindowStillComesUp_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("replacement");
        QTest::addColumn<QString>("mentions");
        QTest::newRow("no database") << "vexamat.db" << QByteArray() << "vexamat.db";
        QTest::newRow("database is garbage")
            << "vexamat.db" << QByteArray(5000, 'x') << "vexamat.db";
        QTest::newRow("no name file") << "nvnamn.txt" << QByteArray() << "nvnamn.txt";
        QTest::newRow("name file of comments only")
            << "nvnamn.txt" << QByteArray("* tom\r\n") << "nvnamn.txt";
    }
    void missingFilesAreReportedAndTheWindowStillComesUp() {
        QFETCH(QString, file);
        QFETCH(QByteArray, replacement);
        QFETCH(QString, mentions);
        TempDataFolder data;
        if (replacement.isEmpty())
            data.remove(file);
        else
            data.write(file, replacement);
        auto state = std::make_unique<AppState>();
        state->DataDir = data.path();
        ScriptedDialogs dialogs;
        WindowSet windows(*state, dialogs);
        QCOMPARE(windows.create(), WindowSet::Result::Stopped);
        QCOMPARE(dialogs.messages.size(), 1);
        QVERIFY2(dialogs.messages.first().contains(mentions), qPrintable(dialogs.messages.first()));
        QVERIFY(windows.mainWindow());
        QVERIFY(windows.windows().FormMailIndy); // every window still exists
    }
};

QTEST_MAIN(TstMainWindow)
#include "tst_mainwindow.moc"
