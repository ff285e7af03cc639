#include "core/analysis/NutrientSelection.h"
#include "core/reports/SurveyProject.h"
#include "core/reports/SurveyProjectFile.h"
#include "core/text/TextCodec.h"
#include "support/MainWindowFixture.h"
#include "support/MealActions.h"
#include "support/ScriptedDialogs.h"
#include "support/UserActions.h"
#include "ui/Windows.h"
#include "ui/app/TForm1.h"
#include "ui/reports/TFormForsk2.h"
#include "ui/reports/TFormForskning.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace vexamat;

class TestSurveyWindows : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowFixture> f;
    TForm1* form() const { return f->form(); }
    AppState& state() { return *f->state; }
    Windows& windows() { return f->windows(); }
    TFormForskning* survey() { return windows().FormForskning; }
    const SurveyProject& project() { return survey()->project(); }
    QTableView* grid() { return child<QTableView>(survey(), QStringLiteral("Grid1")); }

    void openSurvey() {
        triggerAction(form(), QStringLiteral("Kostunderskningar1"));
        QTRY_VERIFY(survey()->isVisible());
    }

    // The food reaches the survey while its window is visible.
    void addMilk() {
        form()->activateWindow();
        addFoodFromList(form(), QStringLiteral("mjölk"), QStringLiteral("Mjölk fett 3%"));
    }

    // Types into a survey cell (grid row, column) key by key, leaving its editor open.
    void typeIntoCell(int row, int column, const QString& text) {
        survey()->activateWindow();
        QTRY_VERIFY(survey()->isActiveWindow());
        clickCell(grid(), row - 1, column - 1);
        typeText(grid(), text.left(1));
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY2(editor, "no cell editor opened");
        typeText(editor, text.mid(1));
    }

private Q_SLOTS:
    void init() {
        f = std::make_unique<MainWindowFixture>();
        QCOMPARE(f->startResult(), WindowSet::Result::Ok);
        form()->show();
        if (!form()->isExtendedLayout())
            clickButton(form(), QStringLiteral("ButtonEnklare"));
        QVERIFY(form()->isExtendedLayout());
    }
    void cleanup() {
        f->dialogs.verifyAllUsed();
        f.reset();
    }

    void menuItemOpensTheWindow() {
        QVERIFY(!survey()->isVisible());
        openSurvey();
        // Row 0's titles: the fixed columns, then the nutrients selected at start.
        const QAbstractItemModel* model = grid()->model();
        QCOMPARE(model->headerData(5, Qt::Horizontal).toString(), QStringLiteral("Livsmedel"));
        QCOMPARE(model->headerData(7, Qt::Horizontal).toString(), state().names.label(15));
        QCOMPARE(model->headerData(129, Qt::Horizontal).toString(), QStringLiteral("Enhet"));
        QCOMPARE(model->headerData(0, Qt::Vertical).toString(), QStringLiteral("1"));
        QCOMPARE(model->rowCount(), 4999);
        QVERIFY(!child<QLabel>(survey(), QStringLiteral("LabelUtelamnade"))->isVisible());
    }

    void pickedFoodLandsInTheSurveyNotTheMeal() {
        openSurvey();
        addMilk();
        QCOMPARE(project().cell(1, SurveyProject::kNameColumn), QStringLiteral("Mjölk fett 3%"));
        QCOMPARE(project().cell(1, SurveyProject::kGramColumn), QStringLiteral("100"));
        QCOMPARE(f->dialogs.messages.last(), SurveyProject::kFirstFoodHint);
        QVERIFY(state().registration.row(0, 0, 1).isEmpty());
        QCOMPARE(grid()->currentIndex().row(), 0);
        QCOMPARE(grid()->currentIndex().column(), SurveyProject::kGramColumn - 1);

        // Who, day and meal typed on the first row are copied to the next food's row.
        typeIntoCell(1, SurveyProject::kIdColumn, QStringLiteral("Anna"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        addMilk();
        QCOMPARE(project().cell(2, SurveyProject::kIdColumn), QStringLiteral("Anna"));
        QCOMPARE(grid()->model()->index(1, 0).data().toString(), QStringLiteral("Anna"));

        survey()->close();
        QTRY_VERIFY(!survey()->isVisible());
        addMilk();
        QCOMPARE(state().registration.row(0, 0, 1).livsmedel, QStringLiteral("Mjölk fett 3%"));
        QVERIFY(!project().isUsed(3));
    }

    void typedGramsRecomputeTheRow() {
        openSurvey();
        addMilk();
        const int protein = SurveyProject::kFirstValueColumn +
                            int(project().nutrients().indexOf(19)); // 3.4 g per 100 g
        QCOMPARE(project().cell(1, protein), QStringLiteral("3.4"));
        typeIntoCell(1, SurveyProject::kGramColumn, QStringLiteral("250"));
        QTRY_COMPARE(project().cell(1, protein), QStringLiteral("8.5"));
        QTRY_COMPARE(grid()->model()->index(0, protein - 1).data().toString(),
                     QStringLiteral("8.5"));
        // Enter hands the keyboard back to the food search.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(),
                     child<QLineEdit>(form(), QStringLiteral("Edit1")));
    }

    void rightClickListsTheUnits() {
        openSurvey();
        addMilk();
        const QRect cell = grid()->visualRect(grid()->model()->index(0, 5));
        QTest::mouseClick(grid()->viewport(), Qt::RightButton, {}, cell.center());
        auto* units = child<QListWidget>(survey(), QStringLiteral("ListBoxVikter"));
        QTRY_VERIFY(units->isVisible());
        QStringList lines;
        for (int i = 0; i < units->count(); ++i)
            lines << units->item(i)->text();
        QCOMPARE(lines, (QStringList{"Mjölk fett 3%", "glas g/206", "msk g/15", "tsk g/5"}));
        QCOMPARE(grid()->currentIndex().column(), SurveyProject::kGramColumn - 1);
    }

    void saveReadAndSummary() {
        openSurvey();
        addMilk();
        typeIntoCell(1, SurveyProject::kIdColumn, QStringLiteral("A"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        typeIntoCell(1, SurveyProject::kDayColumn, QStringLiteral("1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        addMilk();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("studie"));
        f->dialogs.queueFileName(path);
        triggerAction(survey(), QStringLiteral("spara"));
        QCOMPARE(f->dialogs.fileDialogs.last(), QStringLiteral("Spara projekt"));
        QCOMPARE(f->dialogs.messages.last(), QStringLiteral("2 rader sparade."));
        QVERIFY(QFile::exists(path + QStringLiteral(".skv")));

        // Saved: "Ny" asks nothing.
        triggerAction(survey(), QStringLiteral("ny"));
        QCOMPARE(f->dialogs.messages.last(),
                 QStringLiteral("Bestäm vilka näringsämnen du vill räkna med, du kan inte ändra "
                                "det sedan."));
        QCOMPARE(project().usedRowCount(), 0);

        f->dialogs.queueFileName(path + QStringLiteral(".skv"));
        triggerAction(survey(), QStringLiteral("hamta"));
        QCOMPARE(f->dialogs.messages.last(),
                 QStringLiteral("Kolla att du räknar med samma näringsämnen som tidgare, annars "
                                "blir det fel."));
        QCOMPARE(project().usedRowCount(), 2);
        QCOMPARE(survey()->windowTitle(), path + QStringLiteral(".skv"));

        clickButton(survey(), QStringLiteral("Button3"));
        TFormForsk2* summary = windows().FormForsk2;
        QTRY_VERIFY(summary->isVisible());
        const QAbstractItemModel* model =
            child<QTableView>(summary, QStringLiteral("Grid1"))->model();
        const auto text = [&](int row, int column) {
            return model->index(row - 1, column - 1).data().toString();
        };
        QCOMPARE(text(1, 1), QStringLiteral("A"));
        QCOMPARE(text(2, 4), QStringLiteral("Dagsumma"));
        QCOMPARE(text(3, 2), QStringLiteral("Medelvärde"));
        const int kcal = SurveyProject::kFirstValueColumn + int(project().nutrients().indexOf(16));
        QCOMPARE(text(3, kcal), QStringLiteral("118.00")); // 2 x 59 kcal on one day
        QCOMPARE(model->headerData(kcal - 1, Qt::Horizontal).toString(), state().names.label(16));
        QCOMPARE(text(4, 1), QString());

        const QString excel = dir.filePath(QStringLiteral("summa.skv"));
        f->dialogs.queueFileName(excel);
        clickButton(summary, QStringLiteral("Button1"));
        QCOMPARE(f->dialogs.messages.last(), QStringLiteral("3 rader sparade."));
        QByteArray bytes;
        {
            QFile file(excel);
            QVERIFY(file.open(QIODevice::ReadOnly));
            bytes = file.readAll();
        }
        QCOMPARE(bytes.count("\r\n"), 3);
        QVERIFY(bytes.contains("\r\nA;Medelv\xe4rde;;;;;;"));
    }

    void damagedProjectKeepsTheRowsReadSoFar() {
        SurveyProject saved;
        saved.setNutrients(state().selection, state().names);
        for (int r = 1; r <= 3; ++r) {
            saved.setCell(r, SurveyProject::kIdColumn, QStringLiteral("P%1").arg(r));
            saved.setCell(r, SurveyProject::kNameColumn, QStringLiteral("Mat"));
            saved.setCell(r, SurveyProject::kFirstValueColumn, QStringLiteral("1"));
        }
        QStringList lines = SurveyProjectFile::lines(saved);
        lines[2].replace(QStringLiteral(";Mat;;1;"), QStringLiteral(";Mat;;ett;"));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("trasig.skv"));
        QVERIFY(TextCodec::writeLines(path, lines));

        openSurvey();
        addMilk();
        addMilk();
        addMilk();
        f->dialogs.queueAnswer(Dialogs::Answer::No);
        f->dialogs.queueFileName(path);
        triggerAction(survey(), QStringLiteral("hamta"));
        QCOMPARE(f->dialogs.questions,
                 QStringList{"Vill du spara pågående registrering innan ny startas?"});
        QCOMPARE(f->dialogs.messages.last(),
                 QStringLiteral("Rad 3 i filen: \"ett\" under \"%1\" är inget tal. De 1 rader "
                                "som lästes före den finns kvar.")
                     .arg(state().names.label(15)));
        QCOMPARE(project().usedRowCount(), 1);
        QCOMPARE(grid()->model()->index(0, 0).data().toString(), QStringLiteral("P1"));
        QCOMPARE(grid()->model()->index(1, 5).data().toString(), QString());
        QVERIFY(survey()->windowTitle() != path);
    }

    void readWithTheNutrientsSelectedNow() {
        // Saved with only protein selected, 200 g of milk and a code no table has.
        NutrientSelection proteinOnly;
        proteinOnly.setSelected(19, true);
        SurveyProject old;
        old.setNutrients(proteinOnly, state().names);
        old.setCell(1, SurveyProject::kIdColumn, QStringLiteral("A"));
        old.setCell(1, SurveyProject::kGramColumn, QStringLiteral("200"));
        old.setCell(1, SurveyProject::kNameColumn, QStringLiteral("Mjölk"));
        old.setCell(1, SurveyProject::kCodeColumn, QStringLiteral("1_101"));
        old.setCell(1, SurveyProject::kFirstValueColumn, QStringLiteral("6.8"));
        old.setCell(2, SurveyProject::kNameColumn, QStringLiteral("Borta"));
        old.setCell(2, SurveyProject::kCodeColumn, QStringLiteral("finns_inte"));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("gammal.skv"));
        QString error;
        QCOMPARE(SurveyProjectFile::write(old, path, &error), 3);

        openSurvey();
        f->dialogs.queueFileName(path);
        triggerHiddenAction(survey(), QStringLiteral("Hmtamednyanv1"));
        QCOMPARE(f->dialogs.fileDialogs.last(), QStringLiteral("Öppna registrering"));
        QCOMPARE(survey()->windowTitle(), path);
        QCOMPARE(project().usedRowCount(), 2);
        const int kcal = SurveyProject::kFirstValueColumn + int(project().nutrients().indexOf(16));
        const int protein =
            SurveyProject::kFirstValueColumn + int(project().nutrients().indexOf(19));
        QCOMPARE(project().cell(1, kcal), QStringLiteral("118")); // 59 kcal per 100 g
        QCOMPARE(project().cell(1, protein), QStringLiteral("6.8"));
        QCOMPARE(project().cell(1, 130), QStringLiteral("dl"));
        QCOMPARE(project().cell(2, kcal), QString());
        QCOMPARE(project().cell(0, kcal), state().names.label(16));
    }

    void cancelledQuestionKeepsTheRows() {
        openSurvey();
        addMilk();
        f->dialogs.queueAnswer(Dialogs::Answer::Cancel);
        triggerAction(survey(), QStringLiteral("ny"));
        QCOMPARE(project().usedRowCount(), 1);
        // Yes, then a cancelled save dialog: nothing is lost either.
        f->dialogs.queueAnswer(Dialogs::Answer::Yes);
        f->dialogs.queueFileName(QString());
        triggerAction(survey(), QStringLiteral("ny"));
        QCOMPARE(project().usedRowCount(), 1);
    }

    void summaryLongerThanItsGrid() {
        // 600 persons of one row each: three summary rows each, 1,800 in all.
        SurveyProject big;
        big.setNutrients(state().selection, state().names);
        for (int r = 1; r <= 600; ++r) {
            big.setCell(r, SurveyProject::kIdColumn, QStringLiteral("P%1").arg(r));
            big.setCell(r, SurveyProject::kNameColumn, QStringLiteral("Mat"));
            big.setCell(r, SurveyProject::kFirstValueColumn, QStringLiteral("10"));
        }
        TFormForsk2* summary = windows().FormForsk2;
        summary->show();
        summary->showSummary(big);
        QCOMPARE(summary->rows().size(), 1800);
        const QAbstractItemModel* model =
            child<QTableView>(summary, QStringLiteral("Grid1"))->model();
        QCOMPARE(model->rowCount(), 1499);
        QCOMPARE(model->index(1498, 0).data().toString(), QStringLiteral("P500"));
        auto* note = child<QLabel>(summary, QStringLiteral("LabelUtelamnat"));
        QVERIFY(note->isVisible());
        QCOMPARE(note->text(), QStringLiteral("Sammanställningen har 1800 rader men bara de första "
                                              "1499 får plats här. Till Excel skriver alla 1800."));
        QTemporaryDir dir;
        f->dialogs.queueFileName(dir.filePath(QStringLiteral("alla.skv")));
        clickButton(summary, QStringLiteral("Button1"));
        QCOMPARE(f->dialogs.messages.last(), QStringLiteral("1800 rader sparade."));

        summary->showSummary(project());
        QVERIFY(!note->isVisible());
    }

    void moreNutrientsThanTheGridHolds() {
        AppState wide;
        for (int n = 15; n <= 86; ++n) {
            wide.names.NutrientLabel[n] = QStringLiteral("nv%1").arg(n);
            wide.selection.setSelected(n, true);
        }
        Windows none;
        ScriptedDialogs dialogs;
        TFormForskning window(wide, none, dialogs);
        window.show();
        auto* note = child<QLabel>(&window, QStringLiteral("LabelUtelamnade"));
        QVERIFY(note->isVisible());
        QCOMPARE(note->text(),
                 QStringLiteral("Rutnätet rymmer 60 näringsämnen. Dessa 12 valda får inte plats "
                                "och räknas inte med: nv75, nv76, nv77, nv78, nv79, nv80, nv81, "
                                "nv82, nv83, nv84, nv85, nv86."));
        const QAbstractItemModel* model =
            child<QTableView>(&window, QStringLiteral("Grid1"))->model();
        QCOMPARE(model->headerData(66, Qt::Horizontal).toString(), QStringLiteral("nv74"));
        QCOMPARE(model->headerData(67, Qt::Horizontal).toString(), QStringLiteral("nv15"));
        QCOMPARE(model->headerData(129, Qt::Horizontal).toString(), QStringLiteral("Enhet"));
    }

    void rowOperations() {
        openSurvey();
        addMilk();
        addMilk();
        clickCell(grid(), 0, 0);
        clickButton(survey(), QStringLiteral("Button2"));
        QVERIFY(!project().isUsed(1));
        QVERIFY(project().isUsed(2) && project().isUsed(3));
        clickCell(grid(), 1, 0);
        clickButton(survey(), QStringLiteral("Button1"));
        QVERIFY(!project().isUsed(1));
        QVERIFY(project().isUsed(2));
        QVERIFY(!project().isUsed(3));
    }
};

QTEST_MAIN(TestSurveyWindows)
#include "tst_surveywindows.moc"
