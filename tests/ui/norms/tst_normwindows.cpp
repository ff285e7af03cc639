#include "core/AppState.h"
#include "core/catalogue/TableSchema.h"
#include "core/text/TextCodec.h"
#include "support/MainWindowFixture.h"
#include "support/UserActions.h"
#include "ui/Windows.h"
#include "ui/app/TForm1.h"
#include "ui/files/RegistrationFiles.h"
#include "ui/norms/NumberBox.h"
#include "ui/norms/TFormEgenNorm.h"
#include "ui/norms/TFormHarris.h"
#include "ui/norms/TFormNorm.h"
#include "ui/norms/TFormPerson.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QSqlTableModel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace vexamat;

namespace {

float need(const AppState& state, int nutrientNo) {
    return state.norm.ActiveNeed[nutrientSlot(nutrientNo)];
}

// The Normer menu belongs to the extended layout.
void showExtended(TForm1* form) {
    form->show();
    if (!form->isExtendedLayout())
        clickButton(form, QStringLiteral("ButtonEnklare"));
    QVERIFY(form->isExtendedLayout());
}

void typeInto(QWidget* window, const QString& name, const QString& text) {
    auto* edit = child<QLineEdit>(window, name);
    QVERIFY(edit);
    edit->clear();
    typeText(edit, text);
}

// Types into a grid cell as a user does: the first key opens the cell's editor.
void typeIntoCell(QWidget* window, const QString& gridName, int row, int column,
                  const QString& text) {
    auto* grid = child<QTableWidget>(window, gridName);
    QVERIFY(grid);
    doubleClickCell(grid, row, column);
    QLineEdit* editor = nullptr;
    for (QLineEdit* e : grid->viewport()->findChildren<QLineEdit*>()) {
        if (e->isVisible())
            editor = e;
    }
    QVERIFY2(editor, "no cell editor opened");
    editor->selectAll();
    typeText(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    // The editor hands its text to the cell once the event loop runs.
    QCoreApplication::processEvents();
}

QString cell(QWidget* window, const QString& gridName, int row, int column) {
    return child<QTableWidget>(window, gridName)->item(row, column)->text();
}

QStringList fileLines(const QString& path) {
    QStringList lines;
    TextCodec::readLines(path, &lines);
    return lines;
}

} // namespace

class TstNormWindows : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void personNormFromTheMenu() {
        MainWindowFixture f;
        showExtended(f.form());
        triggerAction(f.form(), QStringLiteral("Personlignorm1"));
        TFormPerson* person = f.windows().FormPerson;
        QVERIFY(person->isVisible());
        QCOMPARE(person->windowTitle(), QStringLiteral("Personlig norm"));
        typeInto(person, QStringLiteral("editage"), QStringLiteral("35"));
        typeInto(person, QStringLiteral("Editkg"), QStringLiteral("60"));
        typeInto(person, QStringLiteral("EditLangd"), QStringLiteral("165"));
        QCOMPARE(child<QLineEdit>(person, QStringLiteral("EditKcalBehov"))->text(),
                 QStringLiteral("1708 kcal / 7145 kJ"));
        QCOMPARE(child<QPushButton>(person, QStringLiteral("SpeedButtonBMI"))->text(),
                 QStringLiteral("BMI 22.0"));
        QCOMPARE(person->bmiLeft(), 341);

        clickButton(person, QStringLiteral("ButtonOK"));
        QVERIFY(!person->isVisible());
        QCOMPARE(f.dialogs.messages, QStringList());
        QCOMPARE(f.state->norm.NormKind, QStringLiteral("personnorm"));
        QCOMPARE(f.state->norm.NormNumber, 14);
        QVERIFY(qAbs(need(*f.state, nutrient::Kcal) - 1707.6f) < 0.1f);
        QCOMPARE(f.state->norm.NormLabel, QStringLiteral("Kvinna 35 år, 60 kg.  1708 kcal/dag"));
        QCOMPARE(f.form()->windowTitle(),
                 QStringLiteral("Norm: Kvinna 35 år, 60 kg.  1708 kcal/dag"));
        QVERIFY(f.form()->hasUnsavedChanges());
        f.dialogs.queueAnswer(Dialogs::Answer::No); // closing asks to save
        f.form()->close();
    }

    void personNormRefusesIncompleteData_data() {
        QTest::addColumn<QString>("age");
        QTest::addColumn<QString>("height");
        QTest::newRow("age 10") << "10"
                                << "150";
        QTest::newRow("empty height") << "35"
                                      << "";
        QTest::newRow("age 11") << "11"
                                << "150";
    }
    void personNormRefusesIncompleteData() {
        QFETCH(QString, age);
        QFETCH(QString, height);
        MainWindowFixture f;
        showExtended(f.form());
        triggerAction(f.form(), QStringLiteral("Personlignorm1"));
        TFormPerson* person = f.windows().FormPerson;
        typeInto(person, QStringLiteral("editage"), age);
        typeInto(person, QStringLiteral("Editkg"), QStringLiteral("40"));
        typeInto(person, QStringLiteral("EditLangd"), height);
        const NutrientValues before = f.state->norm.ActiveNeed;
        clickButton(person, QStringLiteral("ButtonOK"));
        QCOMPARE(f.dialogs.messages, QStringList{"Personuppgifter ej godkända."});
        QCOMPARE(f.state->norm.NormKind, QStringLiteral("standardnorm"));
        QCOMPARE(f.state->norm.ActiveNeed, before);
        QVERIFY(!person->isVisible());
    }

    void personNumberBoxesRefuseLetters() {
        MainWindowFixture f;
        showExtended(f.form());
        triggerAction(f.form(), QStringLiteral("Personlignorm1"));
        TFormPerson* person = f.windows().FormPerson;
        typeInto(person, QStringLiteral("Editkg"), QStringLiteral("6x"));
        QCOMPARE(f.dialogs.messages, QStringList{NumberBox::notANumber(QStringLiteral("6x"))});
        QCOMPARE(child<QLineEdit>(person, QStringLiteral("Editkg"))->text(), QStringLiteral("6"));
        typeInto(person, QStringLiteral("EditLangd"), QStringLiteral("172,5"));
        QCOMPARE(f.dialogs.messages.size(), 1);
        QCOMPARE(child<QLineEdit>(person, QStringLiteral("EditLangd"))->text(),
                 QStringLiteral("172,5"));
    }

    void personSickAndChildren() {
        MainWindowFixture f;
        showExtended(f.form());
        triggerAction(f.form(), QStringLiteral("Personlignorm1"));
        TFormPerson* person = f.windows().FormPerson;
        typeInto(person, QStringLiteral("editage"), QStringLiteral("11,5"));
        typeInto(person, QStringLiteral("Editkg"), QStringLiteral("50"));
        clickButton(person, QStringLiteral("RGArbeteItem2"));
        QCOMPARE(f.dialogs.messages, QStringList{"Kan ej användas för barn under 12 år"});

        clickButton(person, QStringLiteral("RadioGroupSjukItem1"));
        QVERIFY(!child<QGroupBox>(person, QStringLiteral("RGArbete"))->isVisible());
        QVERIFY(!child<QLineEdit>(person, QStringLiteral("EditBMrFriska"))->isVisible());
        QVERIFY(child<QGroupBox>(person, QStringLiteral("RGSjuk"))->isVisible());
        clickButton(person, QStringLiteral("RGSjukItem0"));
        QCOMPARE(child<QLineEdit>(person, QStringLiteral("EditKcalBehov"))->text(),
                 QStringLiteral("1434 kcal / 6000 kJ"));
        typeInto(person, QStringLiteral("EditSjuk"), QStringLiteral("200"));
        QVERIFY(child<QAbstractButton>(person, QStringLiteral("RGSjukItem3"))->isChecked());
        QCOMPARE(child<QLineEdit>(person, QStringLiteral("EditKcalBehov"))->text(),
                 QStringLiteral("2390 kcal / 10000 kJ"));
        clickButton(person, QStringLiteral("RadioGroupSjukItem0"));
        QVERIFY(child<QGroupBox>(person, QStringLiteral("RGArbete"))->isVisible());
    }

    void personFileSavedAndReadBack() {
        // The registration outlives the data folders of the three runs.
        QTemporaryDir dir;
        const QString name = QStringLiteral("anna");
        const QString vexa = dir.filePath(name + QStringLiteral(".vexa"));
        QStringList normLines;
        {
            MainWindowFixture f;
            showExtended(f.form());
            triggerAction(f.form(), QStringLiteral("Personlignorm1"));
            TFormPerson* person = f.windows().FormPerson;
            clickButton(person, QStringLiteral("RadioGroupSexItem1"));
            typeInto(person, QStringLiteral("editage"), QStringLiteral("25"));
            typeInto(person, QStringLiteral("Editkg"), QStringLiteral("70"));
            typeInto(person, QStringLiteral("EditLangd"), QStringLiteral("180"));
            clickButton(person, QStringLiteral("RGArbeteItem2"));
            clickButton(person, QStringLiteral("RGFritidItem2"));
            clickButton(person, QStringLiteral("ButtonOK"));
            f.dialogs.queueFileName(vexa);
            triggerAction(f.form(), QStringLiteral("SparaBerkning1"));
            QCOMPARE(f.dialogs.messages, QStringList());
            QCOMPARE(
                fileLines(dir.filePath(name + QStringLiteral(".pers"))).mid(0, 11),
                (QStringList{"Man", "25", "70", "180", "2", "2", "140", "0", "1", "180", "dummy"}));
            normLines = fileLines(dir.filePath(name + QStringLiteral(".norm")));
        }
        MainWindowFixture g;
        g.dialogs.queueFileName(vexa);
        triggerAction(g.form(), QStringLiteral("Hmtaberkning1"));
        QCOMPARE(g.dialogs.messages, QStringList());
        TFormPerson* person = g.windows().FormPerson;
        QCOMPARE(person->inputs().age, QStringLiteral("25"));
        QCOMPARE(person->inputs().sex, 1);
        QCOMPARE(person->inputs().leisure, 2);
        QCOMPARE(child<QLineEdit>(person, QStringLiteral("EditKcalBehov"))->text(),
                 QStringLiteral("3076 kcal / 12872 kJ"));
        QCOMPARE(g.state->norm.NormKind, QStringLiteral("personnorm"));
        QCOMPARE(g.state->norm.NormLabel, QStringLiteral("Man 25 år, 70 kg.  3076 kcal/dag"));

        // A damaged side file: a message, and the norm of the ".norm" file stays.
        QFile pers(dir.filePath(name + QStringLiteral(".pers")));
        QVERIFY(pers.open(QIODevice::WriteOnly));
        pers.write("Kvinna\r\n40\r\n60\r\n165\r\nx\r\n");
        pers.close();
        MainWindowFixture h;
        h.dialogs.queueFileName(vexa);
        triggerAction(h.form(), QStringLiteral("Hmtaberkning1"));
        QCOMPARE(h.dialogs.messages.size(), 1);
        QVERIFY2(
            h.dialogs.messages.first().contains(QStringLiteral("Filen är skadad på rad 5: \"x\".")),
            qPrintable(h.dialogs.messages.first()));
        QCOMPARE(h.state->norm.NormKind, QStringLiteral("personnorm"));
        QCOMPARE(QString::number(double(need(*h.state, nutrient::Kcal)), 'f', 3), normLines[13]);
        QCOMPARE(h.windows().FormPerson->inputs().age, QStringLiteral("40"));
    }

    void ownNormProposedAdjustedAndActivated() {
        MainWindowFixture f;
        showExtended(f.form());
        triggerAction(f.form(), QStringLiteral("Angesjlvnskadenergifrbrukning1"));
        TFormEgenNorm* own = f.windows().FormEgenNorm;
        QVERIFY(own->isVisible());
        QCOMPARE(own->windowTitle(), QStringLiteral("Ange önskat energiintag per dag."));
        const QString grid2 = QStringLiteral("StringGrid2");
        QCOMPARE(cell(own, grid2, 0, 4), f.state->names.label(nutrient::Protein));
        QCOMPARE(cell(own, grid2, 1, 0), QStringLiteral("9121"));
        QCOMPARE(cell(own, grid2, 1, 4), QStringLiteral("80.5"));
        QCOMPARE(child<QLineEdit>(own, QStringLiteral("EditSumma"))->text(),
                 QStringLiteral("100%"));

        typeIntoCell(own, QStringLiteral("StringGrid1"), 2, 1, QStringLiteral("20"));
        QCOMPARE(child<QLineEdit>(own, QStringLiteral("EditSumma"))->text(),
                 QStringLiteral("105%"));
        QCOMPARE(cell(own, grid2, 1, 4), QStringLiteral("107.3"));
        typeIntoCell(own, grid2, 1, 10, QStringLiteral("12,5")); // an adjusted vitamin D
        clickButton(own, QStringLiteral("Button2"));
        QCOMPARE(f.dialogs.messages, QStringList());
        QVERIFY(!own->isVisible());
        QCOMPARE(f.state->norm.NormKind, QStringLiteral("egennorm"));
        QCOMPARE(need(*f.state, nutrient::Kcal), 2180.0f);
        QCOMPARE(f.state->norm.ActiveNeed[10], 12.5f);
        QCOMPARE(f.state->norm.NormEnergyShare[0], 20.0f);
        QCOMPARE(f.state->norm.NormLabel, QStringLiteral("Norm: Kvinna  50 år 2180 kcal/dag"));
        QCOMPARE(f.form()->windowTitle(), QStringLiteral("Norm: Kvinna  50 år 2180 kcal/dag"));
        f.dialogs.queueAnswer(Dialogs::Answer::No);
        f.form()->close();
    }

    void ownNormRefusesLettersAndBrokenAges() {
        MainWindowFixture f;
        showExtended(f.form());
        triggerAction(f.form(), QStringLiteral("Angesjlvnskadenergifrbrukning1"));
        TFormEgenNorm* own = f.windows().FormEgenNorm;
        typeIntoCell(own, QStringLiteral("StringGrid1"), 0, 1, QStringLiteral("2x00"));
        QCOMPARE(f.dialogs.messages, QStringList{NumberBox::notANumber(QStringLiteral("2x00"))});
        QCOMPARE(cell(own, QStringLiteral("StringGrid1"), 0, 1), QStringLiteral("2180"));
        typeIntoCell(own, QStringLiteral("StringGrid2"), 1, 20, QStringLiteral("mycket"));
        QCOMPARE(f.dialogs.messages.size(), 2);
        QVERIFY(!cell(own, QStringLiteral("StringGrid2"), 1, 20).isEmpty());
        typeIntoCell(own, QStringLiteral("StringGrid1"), 1, 1, QStringLiteral("35.5"));
        QCOMPARE(f.dialogs.messages.last(), QStringLiteral("Skriv ålder som ett heltal."));
        typeIntoCell(own, QStringLiteral("StringGrid1"), 1, 1, QStringLiteral("1"));
        QCOMPARE(f.dialogs.messages.last(),
                 QStringLiteral(
                     "Vitamin och mineralberäkning stämmer endast för åldrar 2 år och uppåt"));
    }

    void ownNormStoredAsNamedNorm() {
        MainWindowFixture f;
        showExtended(f.form());
        triggerAction(f.form(), QStringLiteral("Angesjlvnskadenergifrbrukning1"));
        TFormEgenNorm* own = f.windows().FormEgenNorm;
        f.dialogs.queueInput(QStringLiteral("Min norm"));
        clickButton(own, QStringLiteral("ButtonSparaNorm"));
        QCOMPARE(f.dialogs.prompts,
                 QStringList{"Vad ska den nya normen heta?|Skriv namnet på den nya normen: "});
        QCOMPARE(f.dialogs.messages.size(), 1); // the table is full

        QSqlQuery q(f.state->database.db());
        QVERIFY(q.exec(QStringLiteral("INSERT INTO normer (Nr, Norm) VALUES (40, 'LEDIG')")));
        f.dialogs.queueInput(QStringLiteral("Min norm"));
        clickButton(own, QStringLiteral("ButtonSparaNorm"));
        QCOMPARE(f.dialogs.messages.last(), QStringLiteral("\"Min norm\"  är upplagd."));
        QSqlTableModel* table = f.windows().FormNorm->DataSourceNorm;
        bool shown = false;
        for (int r = 0; r < table->rowCount(); ++r)
            shown = shown || table->index(r, 1).data().toString() == QLatin1String("Min norm");
        QVERIFY(shown);
        f.dialogs.queueInput(std::nullopt); // cancelled: nothing stored
        clickButton(own, QStringLiteral("ButtonSparaNorm"));
        QCOMPARE(f.dialogs.messages.size(), 2);
    }

    void ownNormFileSavedAndReadBack() {
        QTemporaryDir dir;
        const QString vexa = dir.filePath(QStringLiteral("egen.vexa"));
        {
            MainWindowFixture f;
            showExtended(f.form());
            triggerAction(f.form(), QStringLiteral("Angesjlvnskadenergifrbrukning1"));
            TFormEgenNorm* own = f.windows().FormEgenNorm;
            clickButton(own, QStringLiteral("RadioGroupSexItem1"));
            typeIntoCell(own, QStringLiteral("StringGrid1"), 0, 1, QStringLiteral("2500"));
            typeIntoCell(own, QStringLiteral("StringGrid2"), 1, 10, QStringLiteral("15"));
            clickButton(own, QStringLiteral("Button2"));
            f.dialogs.queueFileName(vexa);
            triggerAction(f.form(), QStringLiteral("SparaBerkning1"));
            QCOMPARE(f.dialogs.messages, QStringList());
            const QStringList lines = fileLines(dir.filePath(QStringLiteral("egen.enorm")));
            QCOMPARE(lines.size(), 103);
            QCOMPARE(lines.mid(0, 6), (QStringList{"Man", "2500", "50", "15", "30", "55"}));
            QCOMPARE(lines[16], QStringLiteral("15"));
        }
        MainWindowFixture g;
        g.dialogs.queueFileName(vexa);
        triggerAction(g.form(), QStringLiteral("Hmtaberkning1"));
        QCOMPARE(g.dialogs.messages, QStringList());
        TFormEgenNorm* own = g.windows().FormEgenNorm;
        QCOMPARE(own->inputs().sex, 1);
        QCOMPARE(own->inputs().kcal, QStringLiteral("2500"));
        QCOMPARE(cell(own, QStringLiteral("StringGrid2"), 1, 10), QStringLiteral("15"));
        QCOMPARE(cell(own, QStringLiteral("StringGrid2"), 1, 1), QStringLiteral("2500"));
        QCOMPARE(g.state->norm.NormKind, QStringLiteral("egennorm"));
        QCOMPARE(g.state->norm.ActiveNeed[10], 15.0f);
    }

    void harrisEstimateActivated_data() {
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<float>("kcal");
        QTest::addColumn<QString>("label");
        QTest::newRow("kcal") << 1 << "2507" << 2507.0f
                              << "Norm: Harris Benedict, Man  40 år 2507 kcal per dag";
        QTest::newRow("kJ") << 0 << "10488" << 10488.0f / 4.184f
                            << "Norm: Harris Benedict, Man  40 år 10488 kJ per dag";
    }
    void harrisEstimateActivated() {
        QFETCH(int, unit);
        QFETCH(QString, shown);
        QFETCH(float, kcal);
        QFETCH(QString, label);
        MainWindowFixture f;
        showExtended(f.form());
        triggerAction(f.form(), QStringLiteral("HarrisBenedikt1"));
        TFormHarris* harris = f.windows().FormHarris;
        QVERIFY(harris->isVisible());
        QCOMPARE(harris->windowTitle(),
                 QStringLiteral("Harris Benedict Equation for estimating energy requirements"));
        auto* edit2 = child<QLineEdit>(harris, QStringLiteral("Edit2"));
        QCOMPARE(edit2->text(), QStringLiteral("- - -"));
        clickButton(harris, QStringLiteral("RadioGroup1Item1"));
        const QString grid = QStringLiteral("StringGrid1");
        typeIntoCell(harris, grid, 0, 1, QStringLiteral("40"));
        typeIntoCell(harris, grid, 1, 1, QStringLiteral("80"));
        typeIntoCell(harris, grid, 2, 1, QStringLiteral("180"));
        QCOMPARE(edit2->text(), QStringLiteral("- - -"));
        typeIntoCell(harris, grid, 3, 1, QStringLiteral("1,4"));
        if (unit == 0)
            clickButton(harris, QStringLiteral("RadioGroup2Item0"));
        QCOMPARE(edit2->text(), shown);
        clickButton(harris, QStringLiteral("Button2"));
        QCOMPARE(f.dialogs.messages, QStringList());
        QVERIFY(!harris->isVisible());
        QCOMPARE(f.state->norm.NormKind, QStringLiteral("harrisnorm"));
        QCOMPARE(need(*f.state, nutrient::Kcal), kcal);
        QCOMPARE(f.state->norm.NormLabel, label);
        QCOMPARE(f.form()->windowTitle(), label);
        f.dialogs.queueAnswer(Dialogs::Answer::No);
        f.form()->close();
    }

    void harrisRefusals() {
        MainWindowFixture f;
        showExtended(f.form());
        triggerAction(f.form(), QStringLiteral("HarrisBenedikt1"));
        TFormHarris* harris = f.windows().FormHarris;
        const QString grid = QStringLiteral("StringGrid1");
        typeIntoCell(harris, grid, 1, 1, QStringLiteral("6o"));
        QCOMPARE(f.dialogs.messages, QStringList{NumberBox::notANumber(QStringLiteral("6o"))});
        QCOMPARE(cell(harris, grid, 1, 1), QString());
        clickButton(harris, QStringLiteral("Button2"));
        QCOMPARE(f.dialogs.messages.last(), QStringLiteral("Skriv ålder som ett heltal."));
        typeIntoCell(harris, grid, 0, 1, QStringLiteral("30"));
        clickButton(harris, QStringLiteral("Button2"));
        QCOMPARE(f.dialogs.messages.last(), QStringLiteral("Uppgifterna ej korrekt ifyllda."));
        QVERIFY(harris->isVisible());
        QCOMPARE(f.state->norm.NormKind, QStringLiteral("standardnorm"));
    }

    void harrisFileSavedAndReadBack() {
        QTemporaryDir dir;
        const QString vexa = dir.filePath(QStringLiteral("hb.vexa"));
        {
            MainWindowFixture f;
            showExtended(f.form());
            triggerAction(f.form(), QStringLiteral("HarrisBenedikt1"));
            TFormHarris* harris = f.windows().FormHarris;
            const QString grid = QStringLiteral("StringGrid1");
            typeIntoCell(harris, grid, 0, 1, QStringLiteral("30"));
            typeIntoCell(harris, grid, 1, 1, QStringLiteral("60"));
            typeIntoCell(harris, grid, 2, 1, QStringLiteral("165"));
            typeIntoCell(harris, grid, 3, 1, QStringLiteral("1.3"));
            clickButton(harris, QStringLiteral("Button2"));
            f.dialogs.queueFileName(vexa);
            triggerAction(f.form(), QStringLiteral("SparaBerkning1"));
            QCOMPARE(f.dialogs.messages, QStringList());
            const QStringList lines = fileLines(dir.filePath(QStringLiteral("hb.harris")));
            QCOMPARE(lines.size(), 15);
            QCOMPARE(lines.mid(0, 6), (QStringList{"Kvinna", "30", "60", "165", "1.3", "dummy"}));
        }
        MainWindowFixture g;
        g.dialogs.queueFileName(vexa);
        triggerAction(g.form(), QStringLiteral("Hmtaberkning1"));
        QCOMPARE(g.dialogs.messages, QStringList());
        TFormHarris* harris = g.windows().FormHarris;
        QCOMPARE(harris->inputs().height, QStringLiteral("165"));
        QCOMPARE(child<QLineEdit>(harris, QStringLiteral("Edit2"))->text(), QStringLiteral("1803"));
        QCOMPARE(g.state->norm.NormKind, QStringLiteral("harrisnorm"));
        QCOMPARE(need(*g.state, nutrient::Kcal), 1803.0f);
    }
};

QTEST_MAIN(TstNormWindows)
#include "tst_normwindows.moc"
