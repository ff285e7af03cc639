#include "core/AppState.h"
#include "core/text/TextCodec.h"
#include "support/MainWindowFixture.h"
#include "support/UserActions.h"
#include "ui/Windows.h"
#include "ui/app/TForm1.h"
#include "ui/files/RegistrationFiles.h"
#include "ui/norms/NumberBox.h"
#include "ui/norms/TFormPerson.h"

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
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
};

QTEST_MAIN(TstNormWindows)
#include "tst_normwindows.moc"
