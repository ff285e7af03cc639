#include "core/AppState.h"
#include "core/text/TextCodec.h"
#include "support/CellEditing.h"
#include "support/MainWindowFixture.h"
#include "support/UserActions.h"
#include "ui/Windows.h"
#include "ui/app/TForm1.h"
#include "ui/norms/TFormAktiv.h"
#include "ui/norms/TFormAktskapa.h"
#include "ui/norms/TFormVeckoAktiv.h"

#include <QAction>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QFile>
#include <QHorizontalStackedBarSeries>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using namespace vexamat;

namespace {

constexpr int kMinutes = 2;

float need(const AppState& state, int nutrientNo) {
    return state.norm.ActiveNeed[nutrientSlot(nutrientNo)];
}

QString text(QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* item = grid->item(row, column);
    return item ? item->text() : QString();
}

} // namespace

class TstActivityWindows : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        m_fx = std::make_unique<MainWindowFixture>();
        QCOMPARE(m_fx->startResult(), WindowSet::Result::Ok);
        if (!form()->isExtendedLayout())
            clickButton(form(), QStringLiteral("ButtonEnklare"));
    }
    void cleanup() {
        if (form()->hasUnsavedChanges())
            m_fx->dialogs.queueAnswer(Dialogs::Answer::No);
        form()->close();
        m_fx.reset();
    }

    void menuItemsShowTheWindows() {
        triggerAction(form(), QStringLiteral("Aktiviteter1"));
        QVERIFY(aktiv()->isVisible());
        QCOMPARE(aktiv()->windowTitle(), QStringLiteral("Dina aktiviteter"));
        QCOMPARE(box("EditAge")->text(), QStringLiteral("15"));
        QCOMPARE(box("EditBMR")->text(), QStringLiteral("1356"));
        QCOMPARE(child<QLabel>(aktiv(), QStringLiteral("Label3"))->text(),
                 QStringLiteral("Aktivitet, kcal"));
        QComboBox* groups = child<QComboBox>(aktiv(), QStringLiteral("Cboxgrupp"));
        QCOMPARE(groups->itemText(0), QStringLiteral(" Alla grupper"));
        QVERIFY(groups->findText(QStringLiteral("Sport")) > 0);
        QCOMPARE(list()->item(0)->text().endsWith(')'), true);

        triggerAction(form(), QStringLiteral("veckoaktiviteter"));
        QCOMPARE(m_fx->windows().FormVeckoAktiv->windowTitle(), QStringLiteral("VeckoAktiviteter"));
        QVERIFY(m_fx->windows().FormVeckoAktiv->isVisible());
    }

    void anActivityMakesTheActivityNorm() {
        triggerAction(form(), QStringLiteral("Aktiviteter1"));
        retype(box("EditAge"), QStringLiteral("40"));
        retype(box("Editkg"), QStringLiteral("80"));
        clickButton(aktiv(), QStringLiteral("RadioGroupSexItem1"));
        QCOMPARE(box("EditBMR")->text(), QStringLiteral("1807"));
        QCOMPARE(m_fx->state->norm.NormKind, QStringLiteral("aktivnorm"));

        addActivity(QStringLiteral("Sport"), QStringLiteral("Volleyboll (4.0)"));
        QCOMPARE(text(grid(), 1, 0), QStringLiteral("Volleyboll (4.0)"));
        QCOMPARE(text(grid(), 1, 1), QStringLiteral("3,76"));
        QCOMPARE(text(grid(), 1, kMinutes), QStringLiteral("30"));
        typeMinutes(1, QStringLiteral("60"));
        QCOMPARE(text(grid(), 1, 3), QStringLiteral("226"));
        QCOMPARE(box("EditTot")->text(), QStringLiteral("226"));
        QCOMPARE(box("EditMinKvar")->text(), QStringLiteral("1380"));

        const AppState& s = *m_fx->state;
        QCOMPARE(s.norm.NormLabel, QStringLiteral("Man 40 år, 80 kg.  2033 kcal/dag"));
        QCOMPARE(form()->windowTitle(), QStringLiteral("Norm: Man 40 år, 80 kg.  2033 kcal/dag"));
        QCOMPARE(qRound(need(s, nutrient::Kcal)), 2033);
        QCOMPARE(s.norm.NormNumber, 4);
        QVERIFY(form()->hasUnsavedChanges());

        auto* chart = child<QChartView>(aktiv(), QStringLiteral("ChartAktiv"))->chart();
        QCOMPARE(chart->title(), QStringLiteral("Dagens intag och förbruktning av energi, kcal"));
        const auto* series = qobject_cast<QHorizontalStackedBarSeries*>(chart->series().first());
        QCOMPARE(series->barSets().at(1)->at(1), 1807.0);
        QCOMPARE(qRound(series->barSets().at(2)->at(1)), 226);

        // kJ shows every energy figure in kJ and leaves the norm as it was.
        clickButton(aktiv(), QStringLiteral("RadioGroupKcalItem1"));
        QCOMPARE(box("EditBMR")->text(), QStringLiteral("7560"));
        QCOMPARE(child<QLabel>(aktiv(), QStringLiteral("Label1"))->text(),
                 QStringLiteral("Grundförbrukn. kJ"));
        QTableWidget* kj = child<QTableWidget>(aktiv(), QStringLiteral("StringGridAktivKj"));
        QVERIFY(kj->isVisible());
        QVERIFY(!grid()->isVisible());
        QCOMPARE(text(kj, 1, 3), QStringLiteral("944"));
        QCOMPARE(qRound(need(s, nutrient::Kcal)), 2033);
        QCOMPARE(chart->title(), QStringLiteral("Dagens intag och förbruktning av energi, kJ"));
    }

    void okaAndMinskaStepTheMinutes() {
        triggerAction(form(), QStringLiteral("Aktiviteter1"));
        addActivity(QStringLiteral(" Alla grupper"), QStringLiteral("Sova (1.0)"));
        typeMinutes(1, QStringLiteral("5"));
        clickButton(aktiv(), QStringLiteral("ButtonOka"));
        QCOMPARE(text(grid(), 1, kMinutes), QStringLiteral("15"));
        QStringList seen;
        for (int i = 0; i < 5; ++i) {
            clickButton(aktiv(), QStringLiteral("ButtonMinska"));
            seen << text(grid(), 1, kMinutes);
        }
        QCOMPARE(seen, (QStringList{"5", "4", "3", "2", "1"}));
        m_fx->dialogs.queueAnswer(Dialogs::Answer::Yes);
        clickButton(aktiv(), QStringLiteral("ButtonMinska"));
        QCOMPARE(m_fx->dialogs.questions, QStringList{"Vill du ta bort denna rad?"});
        QCOMPARE(text(grid(), 1, 0), QString());
        QCOMPARE(box("EditMinKvar")->text(), QStringLiteral("1440"));
    }

    void removingARowMovesTheOthersUp() {
        triggerAction(form(), QStringLiteral("Aktiviteter1"));
        addActivity(QStringLiteral(" Alla grupper"), QStringLiteral("Sova (1.0)"));
        addActivity(QStringLiteral(" Alla grupper"), QStringLiteral("Volleyboll (4.0)"));
        grid()->setCurrentCell(1, 0);
        clickButton(aktiv(), QStringLiteral("ButtonTabort"));
        QCOMPARE(text(grid(), 1, 0), QStringLiteral("Volleyboll (4.0)"));
        QCOMPARE(text(grid(), 2, 0), QString());
        QCOMPARE(box("EditMinKvar")->text(), QStringLiteral("1410"));
    }

    void numberBoxesRefuseLetters_data() {
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("kept");
        QTest::newRow("age") << "EditAge"
                             << "x"
                             << "Skriv ålder som ett tal."
                             << "15";
        QTest::newRow("weight") << "Editkg"
                                << "k"
                                << "Skriv vikten som ett tal större än 0."
                                << "55";
    }
    void numberBoxesRefuseLetters() {
        QFETCH(QString, boxName);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, kept);
        triggerAction(form(), QStringLiteral("Aktiviteter1"));
        QLineEdit* edit = box(boxName);
        edit->setFocus();
        edit->end(false);
        typeText(edit, typed);
        QCOMPARE(m_fx->dialogs.messages, QStringList{message});
        QCOMPARE(edit->text(), kept);
        QVERIFY(m_fx->state->norm.NormKind != QStringLiteral("aktivnorm"));
    }

    void minutesRefuseLettersAndOtherColumnsAreFixed() {
        triggerAction(form(), QStringLiteral("Aktiviteter1"));
        addActivity(QStringLiteral(" Alla grupper"), QStringLiteral("Sova (1.0)"));
        typeMinutes(1, QStringLiteral("en timme"));
        QCOMPARE(m_fx->dialogs.messages, QStringList{"Skriv minuterna som ett tal, 0 eller mer."});
        QCOMPARE(text(grid(), 1, kMinutes), QStringLiteral("30"));
        typeIntoCell(1, 0, QStringLiteral("Dansa"));
        QCOMPARE(m_fx->dialogs.messages.last(), QStringLiteral("Du kan inte ändra i denna kolumn"));
        QCOMPARE(text(grid(), 1, 0), QStringLiteral("Sova (1.0)"));
    }

    void activityListSavedAndOpenedFromTheWindow() {
        triggerAction(form(), QStringLiteral("Aktiviteter1"));
        retype(box("EditAge"), QStringLiteral("40"));
        addActivity(QStringLiteral(" Alla grupper"), QStringLiteral("Volleyboll (4.0)"));
        const QString path = m_fx->data.filePath(QStringLiteral("dag1"));
        m_fx->dialogs.queueFileName(path);
        triggerAction(aktiv(), QStringLiteral("Sparaaktivitetslista1"));
        QStringList lines;
        QVERIFY(TextCodec::readLines(path + QStringLiteral(".akt"), &lines));
        QCOMPARE(lines.mid(0, 6), (QStringList{"40", "55", "0", "Volleyboll (4.0)", "30", "4.0"}));

        clickButton(aktiv(), QStringLiteral("ButtonTabort"));
        retype(box("EditAge"), QStringLiteral("20"));
        m_fx->dialogs.queueFileName(path + QStringLiteral(".akt"));
        triggerAction(aktiv(), QStringLiteral("Hmtaaktivitetslista1"));
        QCOMPARE(m_fx->dialogs.fileDialogs,
                 (QStringList{"Spara aktivitetslista", "Hämta aktivitetslista"}));
        QCOMPARE(box("EditAge")->text(), QStringLiteral("40"));
        QCOMPARE(text(grid(), 1, 0), QStringLiteral("Volleyboll (4.0)"));
        QCOMPARE(m_fx->state->norm.NormLabel,
                 QStringLiteral("Kvinna 40 år, 55 kg.  1389 kcal/dag"));
    }

    void registrationKeepsItsActivities() {
        triggerAction(form(), QStringLiteral("Aktiviteter1"));
        retype(box("EditAge"), QStringLiteral("40"));
        addActivity(QStringLiteral(" Alla grupper"), QStringLiteral("Volleyboll (4.0)"));
        const float kcal = need(*m_fx->state, nutrient::Kcal);
        const QString vexa = m_fx->data.filePath(QStringLiteral("kalle.vexa"));
        m_fx->dialogs.queueFileName(vexa);
        triggerAction(form(), QStringLiteral("SparaBerkning1"));
        QVERIFY(QFile::exists(m_fx->data.filePath(QStringLiteral("kalle.akt"))));

        MainWindowFixture g;
        g.dialogs.queueFileName(vexa);
        triggerAction(g.form(), QStringLiteral("Hmtaberkning1"));
        QCOMPARE(g.dialogs.messages, QStringList());
        auto* other = g.windows().FormAktiv;
        QCOMPARE(child<QLineEdit>(other, QStringLiteral("EditAge"))->text(), QStringLiteral("40"));
        QCOMPARE(text(child<QTableWidget>(other, QStringLiteral("StringGridAktiv")), 1, 0),
                 QStringLiteral("Volleyboll (4.0)"));
        QCOMPARE(g.state->norm.NormKind, QStringLiteral("aktivnorm"));
        QCOMPARE(need(*g.state, nutrient::Kcal), kcal);
        QVERIFY(!g.form()->hasUnsavedChanges());
        g.form()->close();
    }

    void damagedSideFileKeepsTheSavedNorm() {
        triggerAction(form(), QStringLiteral("Aktiviteter1"));
        retype(box("EditAge"), QStringLiteral("40"));
        const QString vexa = m_fx->data.filePath(QStringLiteral("kalle.vexa"));
        m_fx->dialogs.queueFileName(vexa);
        triggerAction(form(), QStringLiteral("SparaBerkning1"));
        const float kcal = need(*m_fx->state, nutrient::Kcal);
        m_fx->data.write(QStringLiteral("kalle.akt"), "40\r\n55\r\nkvinna\r\n");

        MainWindowFixture g;
        g.dialogs.queueFileName(vexa);
        triggerAction(g.form(), QStringLiteral("Hmtaberkning1"));
        QCOMPARE(g.dialogs.messages.size(), 1);
        QVERIFY2(
            g.dialogs.messages.first().contains(QStringLiteral("Kan ej öppna aktivitetslistan")),
            qPrintable(g.dialogs.messages.first()));
        QCOMPARE(g.state->norm.NormKind, QStringLiteral("aktivnorm"));
        QCOMPARE(need(*g.state, nutrient::Kcal), kcal);
        QCOMPARE(child<QLineEdit>(g.windows().FormAktiv, QStringLiteral("EditAge"))->text(),
                 QStringLiteral("15"));
        g.form()->close();
    }

    void activityTableEditedWithThePassword() {
        triggerAction(form(), QStringLiteral("Aktiviteter1"));
        triggerAction(aktiv(), QStringLiteral("Aktivitetstabell1"));
        QWidget* table = m_fx->windows().FormAktskapa;
        QVERIFY(table->isVisible());
        m_fx->dialogs.queueInput(QStringLiteral("fel"));
        clickButton(table, QStringLiteral("Button2"));
        QCOMPARE(m_fx->dialogs.messages, QStringList{"Fel lösenord!"});
        m_fx->dialogs.queueInput(QStringLiteral("korpram"));
        clickButton(table, QStringLiteral("Button2"));
        QCOMPARE(m_fx->dialogs.prompts.last(), QStringLiteral("Ange KORPRAM lösenord|LÖSENORD"));
        auto* grid1 = child<QTableWidget>(table, QStringLiteral("StringGrid1"));
        QCOMPARE(text(grid1, 0, 0), QStringLiteral("Aktivitet"));
        QCOMPARE(text(grid1, 1, 0), QStringLiteral("Sova"));
        grid1->item(1, 1)->setText(QStringLiteral("ett"));
        QCOMPARE(m_fx->dialogs.messages.last(), QStringLiteral("Skriv BMR-faktorn som ett tal."));
        QCOMPARE(text(grid1, 1, 1), QStringLiteral("1.0"));
        clickButton(table, QStringLiteral("Button1"));
        QCOMPARE(m_fx->dialogs.messages.last(), QStringLiteral("Aktivitetslistan sparad"));
        QStringList lines;
        QVERIFY(TextCodec::readLines(m_fx->data.filePath(QStringLiteral("aktiv.txt")), &lines));
        QCOMPARE(lines.first(), QStringLiteral("0;Enkel;Sova;1.0;"));
    }

private:
    TForm1* form() { return m_fx->form(); }
    QWidget* aktiv() { return m_fx->windows().FormAktiv; }
    QLineEdit* box(const QString& name) { return child<QLineEdit>(aktiv(), name); }
    QTableWidget* grid() { return child<QTableWidget>(aktiv(), QStringLiteral("StringGridAktiv")); }
    QListWidget* list() { return child<QListWidget>(aktiv(), QStringLiteral("ListBoxAktiv")); }

    void retype(QLineEdit* edit, const QString& value) {
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        typeText(edit, value);
        QCOMPARE(edit->text(), value);
    }
    void addActivity(const QString& group, const QString& shown) {
        QComboBox* groups = child<QComboBox>(aktiv(), QStringLiteral("Cboxgrupp"));
        const int index = groups->findText(group);
        QVERIFY(index >= 0);
        if (groups->currentIndex() != index)
            chooseComboItem(groups, index);
        const QList<QListWidgetItem*> found = list()->findItems(shown, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        clickCell(list(), list()->row(found.first()));
        clickButton(aktiv(), QStringLiteral("ButtonOK"));
    }
    void typeIntoCell(int row, int column, const QString& value) {
        vexamat::typeIntoCell(grid(), row, column, value);
    }
    void typeMinutes(int row, const QString& value) { typeIntoCell(row, kMinutes, value); }

    std::unique_ptr<MainWindowFixture> m_fx;
};

QTEST_MAIN(TstActivityWindows)
#include "tst_activitywindows.moc"
