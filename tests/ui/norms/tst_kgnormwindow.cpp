#include "core/AppState.h"
#include "core/registration/Conversions.h"
#include "support/CellEditing.h"
#include "support/MainWindowFixture.h"
#include "support/UserActions.h"
#include "ui/Windows.h"
#include "ui/app/TForm1.h"
#include "ui/norms/TFormKgKroppsvikt.h"

#include <QFile>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

using namespace vexamat;

namespace {

constexpr int slot(int nutrientNo) {
    return nutrientSlot(nutrientNo);
}

const QString kLabel =
    QStringLiteral("Norm per kg kroppsvikt: Sondnäring vuxen per kg   1500 kcal/dag");

} // namespace

class TstKgNormWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        m_fx = std::make_unique<MainWindowFixture>();
        QCOMPARE(m_fx->startResult(), WindowSet::Result::Ok);
        if (!m_fx->form()->isExtendedLayout())
            clickButton(m_fx->form(), QStringLiteral("ButtonEnklare"));
        // The first per-kg norm as 2 g protein, 3 g fat and 10 g carbohydrate per kg.
        QSqlQuery q(m_fx->state->database.db());
        QVERIFY(q.exec(QStringLiteral("UPDATE normkroppsvikt SET \"Protein _g_\" = 2, "
                                      "\"Fett _g_\" = 3, \"Kolhydrater _g_\" = 10 WHERE Nr = 1")));
    }
    void cleanup() {
        if (m_fx->form()->hasUnsavedChanges())
            m_fx->dialogs.queueAnswer(Dialogs::Answer::No);
        m_fx->form()->close();
        m_fx.reset();
    }

    void menuItemShowsTheWindow() {
        openWindow();
        QVERIFY(window()->isVisible());
        QCOMPARE(window()->windowTitle(), QStringLiteral("Normer per kg kroppsvikt"));
        QCOMPARE(dayNorm()->item(0, slot(nutrient::Kcal))->text(),
                 m_fx->state->names.label(nutrient::Kcal) + QLatin1Char(' ') +
                     m_fx->state->names.NutrientUnit[nutrient::Kcal]);
        QCOMPARE(child<QTableWidget>(window(), QStringLiteral("StringGridkg"))->item(0, 1)->text(),
                 QStringLiteral("70"));
    }

    void chosenNormTimesTheWeightBecomesActive() {
        openWindow();
        typeIntoCell(child<QTableWidget>(window(), QStringLiteral("StringGridalder")), 0, 1,
                     QStringLiteral("4"));
        typeIntoCell(child<QTableWidget>(window(), QStringLiteral("StringGridkg")), 0, 1,
                     QStringLiteral("20"));
        chooseFirstNorm();
        QCOMPARE(TextToReal(cell(nutrient::Kj)), 6300.0f);
        QCOMPARE(TextToReal(cell(nutrient::Kcal)), 1500.0f);
        QCOMPARE(TextToReal(cell(nutrient::Protein)), 40.0f);
        // Iron is not given per kg: the standard norm of children 2-5 years gives it.
        QCOMPARE(TextToReal(cell(nutrient::Iron)), 8.0f);
        QCOMPARE(child<QPushButton>(window(), QStringLiteral("ButtonAktivera"))->text(),
                 QStringLiteral("Aktivera norm: Sondnäring vuxen per kg"));
        // Half the weight halves what the per-kg norm gives and nothing else.
        typeIntoCell(child<QTableWidget>(window(), QStringLiteral("StringGridkg")), 0, 1,
                     QStringLiteral("10"));
        QCOMPARE(TextToReal(cell(nutrient::Kcal)), 750.0f);
        QCOMPARE(TextToReal(cell(nutrient::Iron)), 8.0f);
        typeIntoCell(child<QTableWidget>(window(), QStringLiteral("StringGridkg")), 0, 1,
                     QStringLiteral("20"));

        clickButton(window(), QStringLiteral("ButtonAktivera"));
        QCOMPARE(m_fx->dialogs.messages.last(),
                 QStringLiteral("Normen Sondnäring vuxen per kg vald"));
        const ActiveNorm& norm = m_fx->state->norm;
        QCOMPARE(norm.NormKind, QStringLiteral("kgkroppsviktnorm"));
        QCOMPARE(norm.NormLabel, kLabel);
        QCOMPARE(norm.ActiveNeed[slot(nutrient::Kcal)], 1500.0f);
        QCOMPARE(m_fx->form()->windowTitle(), kLabel);
        QCOMPARE(window()->windowTitle(), kLabel);
        QVERIFY(m_fx->form()->hasUnsavedChanges());
    }

    void numberCellsRefuseLetters_data() {
        QTest::addColumn<QString>("gridName");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("kept");
        QTest::newRow("weight") << "StringGridkg"
                                << "tjugo"
                                << "Skriv vikten som ett heltal."
                                << "70";
        QTest::newRow("age") << "StringGridalder"
                             << "fyra"
                             << "Skriv ålder som ett heltal."
                             << "55";
    }
    void numberCellsRefuseLetters() {
        QFETCH(QString, gridName);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, kept);
        openWindow();
        QTableWidget* grid = child<QTableWidget>(window(), gridName);
        typeIntoCell(grid, 0, 1, typed);
        QCOMPARE(m_fx->dialogs.messages, QStringList{message});
        QCOMPARE(grid->item(0, 1)->text(), kept);
        QCOMPARE(cell(nutrient::Kcal), QString());
    }

    void registrationKeepsTheDayNorm() {
        openWindow();
        typeIntoCell(child<QTableWidget>(window(), QStringLiteral("StringGridkg")), 0, 1,
                     QStringLiteral("20"));
        chooseFirstNorm();
        // A hand-made change counts.
        typeIntoCell(dayNorm(), 1, slot(nutrient::Iron), QStringLiteral("12"));
        clickButton(window(), QStringLiteral("ButtonAktivera"));
        QCOMPARE(m_fx->state->norm.ActiveNeed[slot(nutrient::Iron)], 12.0f);
        const QString vexa = m_fx->data.filePath(QStringLiteral("barn.vexa"));
        m_fx->dialogs.queueFileName(vexa);
        triggerAction(m_fx->form(), QStringLiteral("SparaBerkning1"));
        QVERIFY(QFile::exists(m_fx->data.filePath(QStringLiteral("barn.kropp"))));

        MainWindowFixture g;
        g.dialogs.queueFileName(vexa);
        triggerAction(g.form(), QStringLiteral("Hmtaberkning1"));
        QCOMPARE(g.dialogs.messages, QStringList());
        auto* other = g.windows().FormKgKroppsvikt;
        QCOMPARE(child<QTableWidget>(other, QStringLiteral("StringGridkg"))->item(0, 1)->text(),
                 QStringLiteral("20"));
        auto* grid2 = child<QTableWidget>(other, QStringLiteral("StringGrid2"));
        QCOMPARE(TextToReal(grid2->item(1, slot(nutrient::Iron))->text()), 12.0f);
        QCOMPARE(g.state->norm.NormKind, QStringLiteral("kgkroppsviktnorm"));
        QCOMPARE(g.state->norm.ActiveNeed[slot(nutrient::Kcal)], 1500.0f);
        QVERIFY(!g.form()->hasUnsavedChanges());
        g.form()->close();
    }

    void damagedSideFileKeepsTheSavedNorm() {
        openWindow();
        chooseFirstNorm();
        clickButton(window(), QStringLiteral("ButtonAktivera"));
        const float kcal = m_fx->state->norm.ActiveNeed[slot(nutrient::Kcal)];
        const QString vexa = m_fx->data.filePath(QStringLiteral("barn.vexa"));
        m_fx->dialogs.queueFileName(vexa);
        triggerAction(m_fx->form(), QStringLiteral("SparaBerkning1"));
        m_fx->data.write(QStringLiteral("barn.kropp"), "Man\r\n20\r\n");

        MainWindowFixture g;
        g.dialogs.queueFileName(vexa);
        triggerAction(g.form(), QStringLiteral("Hmtaberkning1"));
        QCOMPARE(g.dialogs.messages.size(), 1);
        QVERIFY2(g.dialogs.messages.first().contains(QStringLiteral("för kort")),
                 qPrintable(g.dialogs.messages.first()));
        QCOMPARE(g.state->norm.NormKind, QStringLiteral("kgkroppsviktnorm"));
        QCOMPARE(g.state->norm.ActiveNeed[slot(nutrient::Kcal)], kcal);
        g.form()->close();
    }

private:
    void openWindow() {
        triggerAction(m_fx->form(), QStringLiteral("Perkgkroppsvikt1"));
        QVERIFY(QTest::qWaitForWindowExposed(window()));
    }
    // A click on the table computes the energy per kg anew; a double click chooses.
    void chooseFirstNorm() {
        auto* table = child<QTableView>(window(), QStringLiteral("DBISAMDBGridKgKroppsvikt"));
        clickCell(table, 0, 1);
        QCOMPARE(table->model()->index(0, 14).data().toInt(), 315);
        QCOMPARE(table->model()->index(0, 15).data().toInt(), 75);
        doubleClickCell(table, 0, 1);
    }
    QWidget* window() { return m_fx->windows().FormKgKroppsvikt; }
    QTableWidget* dayNorm() { return child<QTableWidget>(window(), QStringLiteral("StringGrid2")); }
    QString cell(int nutrientNo) { return dayNorm()->item(1, slot(nutrientNo))->text(); }

    std::unique_ptr<MainWindowFixture> m_fx;
};

QTEST_MAIN(TstKgNormWindow)
#include "tst_kgnormwindow.moc"
