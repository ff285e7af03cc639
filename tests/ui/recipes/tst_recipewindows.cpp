#include "core/registration/MealRowCodec.h"
#include "support/MainWindowFixture.h"
#include "support/MealActions.h"
#include "support/UserActions.h"
#include "ui/Windows.h"
#include "ui/app/TForm1.h"
#include "ui/recipes/TFormRecept.h"
#include "ui/recipes/TFormReceptTab2.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTest>

using namespace vexamat;

class TestRecipeWindows : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<MainWindowFixture> f;
    TForm1* form() const { return f->form(); }
    AppState& state() const { return *f->state; }
    TFormRecept* recept() { return f->windows().FormRecept; }
    const MealRow& row(int meal, int r) const { return state().registration.row(0, meal, r); }
    void selectMeal(const char* button) { clickButton(form(), QString::fromLatin1(button)); }
    void typeTitle(const QString& title) {
        auto* edit = child<QLineEdit>(recept(), QStringLiteral("EditRubrik"));
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
        typeText(edit, title);
    }
    QString kodgramOf(const QString& table, const QString& title) {
        QSqlQuery q(state().database.db());
        q.prepare(QStringLiteral("SELECT kodgram FROM %1 WHERE Rubrik = ?").arg(table));
        q.addBindValue(title);
        return q.exec() && q.next() ? q.value(0).toString() : QStringLiteral("(saknas)");
    }
    void addBreakfast() {
        addFoodFromList(form(), QStringLiteral("stroganoff"), QStringLiteral("Korv stroganoff"));
        addFoodFromList(form(), QStringLiteral("sill"), QStringLiteral("Sill inlagd"));
    }

private Q_SLOTS:
    void init() {
        f = std::make_unique<MainWindowFixture>();
        QCOMPARE(f->startResult(), WindowSet::Result::Ok);
        form()->resize(837, 760);
        form()->show();
        clickButton(form(), QStringLiteral("ButtonEnklare"));
    }
    void cleanup() {
        f->dialogs.verifyAllUsed();
        f.reset();
    }

    void saveFindFetchAndUndo() {
        addBreakfast();
        triggerAction(form(), QStringLiteral("Recept1"));
        QVERIFY(recept()->isVisible());
        typeTitle(QStringLiteral("Korv och sill"));
        typeText(child<QPlainTextEdit>(recept(), QStringLiteral("MemoIngred")),
                 QStringLiteral("Värm korven."));
        clickButton(recept(), QStringLiteral("ButtonSpara"));
        QCOMPARE(f->dialogs.messages.last(),
                 QStringLiteral("Korv och sill upplagd i egna receptregistret."));
        QCOMPARE(kodgramOf("recept", "Korv och sill"),
                 QStringLiteral("2_126!300/300@port;3_105!40/40@port;0!0/0@port;"));
        QCOMPARE(lineCount(child<QListView>(form(), QStringLiteral("ListBoxLivs"))), 0);

        // Found at once under its heading, and fetched into lunch as one step.
        selectMeal("SpeedButton2");
        searchFoods(form(), QStringLiteral("korv och"));
        auto* foods = child<QListView>(form(), QStringLiteral("ListBoxLivs"));
        const int heading =
            findLine(foods, QStringLiteral("--- EGNA RECEPT ---"), Qt::MatchEndsWith);
        QVERIFY(heading >= 0);
        QCOMPARE(lineText(foods, heading + 1), QStringLiteral("Korv och sill"));
        recept()->hide();
        doubleClickCell(foods, heading + 1);
        QCOMPARE(row(1, 1).livsmedel, QStringLiteral("Korv stroganoff"));
        QCOMPARE(row(1, 1).gram, 300.0f);
        QCOMPARE(row(1, 2).livsmedel, QStringLiteral("Sill inlagd"));
        QVERIFY(row(1, 3).isEmpty());
        QVERIFY(recept()->isVisible());
        QCOMPARE(recept()->windowTitle(), QStringLiteral("Korv och sill"));
        auto* grid = child<QTableWidget>(form(), QStringLiteral("StringGridMaltid"));
        QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("Korv stroganoff"));

        triggerAction(form(), QStringLiteral("ngra1"));
        QVERIFY(row(1, 1).isEmpty());
        QVERIFY(row(1, 2).isEmpty());
        QCOMPARE(row(0, 2).livsmedel, QStringLiteral("Sill inlagd")); // breakfast untouched
    }

    void titleRules() {
        addBreakfast();
        triggerAction(form(), QStringLiteral("Recept1"));
        typeTitle(QStringLiteral("   "));
        clickButton(recept(), QStringLiteral("ButtonSpara"));
        QCOMPARE(f->dialogs.messages.last(), QStringLiteral("Du måste ange en rubrik"));

        // An existing general recipe: No keeps it as it was.
        const QString title = QStringLiteral("Havregrynsgröt med mjölk och äpple");
        const QString before = kodgramOf("recept2", title);
        typeTitle(title);
        f->dialogs.queueAnswer(Dialogs::Answer::Yes); // the general register
        f->dialogs.queueAnswer(Dialogs::Answer::No);  // do not replace
        clickButton(recept(), QStringLiteral("ButtonSpara2"));
        QCOMPARE(f->dialogs.questions,
                 (QStringList{"Säkert du vill spara i ALLMÄNNA RECEPTREGISTRET?",
                              "Recept med detta namn finns redan, vill du ersätta det?"}));
        QCOMPARE(kodgramOf("recept2", title), before);

        // Deleting before any fetch works on the general register.
        f->dialogs.queueAnswer(Dialogs::Answer::Yes);
        clickButton(recept(), QStringLiteral("ButtonTaBort"));
        QCOMPARE(f->dialogs.questions.last(),
                 QStringLiteral("Säkert att du vill radera: ") + title);
        QCOMPARE(f->dialogs.messages.last(), QStringLiteral("Receptet borttaget"));
        QCOMPARE(kodgramOf("recept2", title), QStringLiteral("(saknas)"));
        QVERIFY(!recept()->isVisible());
        searchFoods(form(), QStringLiteral("havregrynsgröt med"));
        QCOMPARE(findLine(child<QListView>(form(), QStringLiteral("ListBoxLivs")), title), -1);
    }

    void divideTheMeal() {
        addBreakfast();
        f->dialogs.queueInput(QStringLiteral("0"));
        f->dialogs.queueAnswer(Dialogs::Answer::Yes);
        triggerAction(form(), QStringLiteral("Divideranerettrecept1"));
        QCOMPARE(f->dialogs.messages.last(), QStringLiteral("Fel antal portioner"));
        QCOMPARE(row(0, 1).gram, 300.0f);

        f->dialogs.queueInput(QStringLiteral("4"));
        f->dialogs.queueAnswer(Dialogs::Answer::Yes);
        triggerAction(form(), QStringLiteral("Divideranerettrecept1"));
        QCOMPARE(f->dialogs.questions.last(),
                 QStringLiteral("Alla vikter i den pågående måltiden kommer nu att divideras med "
                                "4 ?"));
        QCOMPARE(row(0, 1).gram, 75.0f);
        QCOMPARE(row(0, 2).gram, 10.0f);
        auto* grid = child<QTableWidget>(form(), QStringLiteral("StringGridMaltid"));
        QCOMPARE(grid->item(0, 3)->text(), QStringLiteral("75"));
        triggerAction(form(), QStringLiteral("ngra1"));
        QCOMPARE(row(0, 1).gram, 300.0f);
    }

    void storeAsOwnFood() {
        addBreakfast(); // 300 g of 635 kJ and 40 g of 795 kJ per 100 g
        f->dialogs.queueAnswer(Dialogs::Answer::Yes);
        f->dialogs.queueInput(QStringLiteral("Korvsill"));
        f->dialogs.queueInput(QStringLiteral("200"));
        triggerAction(form(), QStringLiteral("Lgguppettreceptiartikelregistret1"));
        QCOMPARE(f->dialogs.prompts.last(),
                 QStringLiteral("Alla artiklar läggs upp per 100 gram|Ange vad det färdiga "
                                "receptet väger"));
        QCOMPARE(f->dialogs.messages.last(),
                 QStringLiteral("\"Korvsill\"  är upplagt bland egna livsmedel."));
        // (3 * 635 + 0.4 * 795) / 2 = 1111.5 kJ per 100 g of the finished 200 g.
        const std::optional<TableRecord> rec = state().egna.findByCode(QStringLiteral("egna005"));
        QVERIFY(rec);
        QCOMPARE(rec->text("Livsmedel"), QStringLiteral("Korvsill"));
        QCOMPARE(qRound(*rec->number(14) * 10), 11115);
        // Searchable at once, in the own foods' section.
        addFoodFromList(form(), QStringLiteral("korvsill"), QStringLiteral("Korvsill"));
        QCOMPARE(row(0, 3).kod, QStringLiteral("egna005"));
        QCOMPARE(row(0, 3).gram, 200.0f);
    }

    void browseAndCopy() {
        triggerAction(form(), QStringLiteral("Receptregister2"));
        TFormReceptTab2* w = f->windows().FormReceptTab2;
        QVERIFY(w->isVisible());
        QCOMPARE(w->windowTitle(), QStringLiteral("Allmänna recept"));
        auto* grid = child<QTableWidget>(w, QStringLiteral("DBISAMDBGridRecept"));
        auto* memo2 = child<QPlainTextEdit>(w, QStringLiteral("Memo2"));
        QCOMPARE(memo2->toPlainText(), QStringLiteral("Markera det recept du vill kolla."));
        QCOMPARE(grid->rowCount(), 3);
        QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("Havregrynsgröt med mjölk och äpple"));

        // Sorted on Grupp2: Fisk, Gröt, Smörgås.
        QTest::mouseClick(grid->horizontalHeader()->viewport(), Qt::LeftButton, {},
                          QPoint(grid->columnViewportPosition(2) + 10, 5));
        QCOMPARE(grid->item(0, 0)->text(),
                 QStringLiteral("Ugnsbakad lax med potatis och broccoli"));
        QCOMPARE(grid->item(2, 0)->text(), QStringLiteral("Ostsmörgås med gurka"));

        clickCell(grid, 2, 0);
        QVERIFY(memo2->toPlainText().startsWith(QStringLiteral("     30g    ")));
        QCOMPARE(child<QPlainTextEdit>(w, QStringLiteral("Memo1"))->toPlainText(),
                 QStringLiteral("Bred matfettet på brödet, lägg på två skivor ost och "
                                "gurkskivor."));
        clickButton(w, QStringLiteral("Button1"));
        QCOMPARE(row(0, 1).kod, QStringLiteral("6_106"));
        QCOMPARE(row(0, 3).kod, QStringLiteral("1_113"));
        QCOMPARE(row(0, 3).gram, 20.0f);
        QCOMPARE(row(0, 4).kod, QStringLiteral("7_109"));
        QCOMPARE(recept()->windowTitle(), QStringLiteral("Ostsmörgås med gurka"));
    }

    void readAReceptFile() {
        MealRow good;
        good.kod = QStringLiteral("3_105");
        good.livsmedel = QStringLiteral("Sill inlagd");
        good.gram = 80;
        QByteArray data(536, '\0');
        data += MealRowCodec::encode(good);
        QByteArray bad = MealRowCodec::encode(good);
        bad[0] = char(40); // a code longer than its field
        data += bad;
        f->data.write(QStringLiteral("sill.recept"), data);
        f->dialogs.queueFileName(f->data.filePath(QStringLiteral("sill.recept")));
        triggerAction(form(), QStringLiteral("Hmtaettrecepttilldennamltid1"));
        QCOMPARE(f->dialogs.fileDialogs.last(), QStringLiteral("Hämta recept"));
        QCOMPARE(f->dialogs.messages.last(),
                 QStringLiteral("Post 2: fältet kod anger 40 tecken, högst 22 ryms"));
        QCOMPARE(row(0, 1).livsmedel, QStringLiteral("Sill inlagd"));
        QCOMPARE(row(0, 1).gram, 80.0f);
        QVERIFY(row(0, 2).isEmpty());
    }
};

QTEST_MAIN(TestRecipeWindows)
#include "tst_recipewindows.moc"
