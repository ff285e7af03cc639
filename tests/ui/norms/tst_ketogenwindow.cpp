#include "core/AppState.h"
#include "core/registration/Conversions.h"
#include "support/CellEditing.h"
#include "support/MainWindowFixture.h"
#include "support/UserActions.h"
#include "ui/Windows.h"
#include "ui/app/TForm1.h"
#include "ui/norms/TFormInst.h"
#include "ui/norms/TFormKetogen.h"

#include <QFile>
#include <QTableWidget>
#include <QTest>

using namespace vexamat;

namespace {

constexpr int slot(int nutrientNo) {
    return nutrientSlot(nutrientNo);
}

const QString kLabel =
    QStringLiteral("Ketogen norm: 4 måltider/dag, Kvinna  6 år, 1600,00 kcal/dag");

} // namespace

class TstKetogenWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        m_fx = std::make_unique<MainWindowFixture>();
        QCOMPARE(m_fx->startResult(), WindowSet::Result::Ok);
        if (!m_fx->form()->isExtendedLayout())
            clickButton(m_fx->form(), QStringLiteral("ButtonEnklare"));
    }
    void cleanup() {
        if (m_fx->form()->hasUnsavedChanges())
            m_fx->dialogs.queueAnswer(Dialogs::Answer::No);
        m_fx->form()->close();
        m_fx.reset();
    }

    void menuItemsShowTheWindow_data() {
        QTest::addColumn<QString>("item");
        QTest::newRow("Normer") << "Ketogenkost1";
        QTest::newRow("Arkiv") << "ketogen";
    }
    void menuItemsShowTheWindow() {
        QFETCH(QString, item);
        triggerAction(m_fx->form(), item);
        QVERIFY(window()->isVisible());
        QCOMPARE(window()->windowTitle(), QStringLiteral("Kalkylering Ketogen kost"));
        QCOMPARE(inputsGrid()->item(3, 1)->text(), QStringLiteral("1,5"));
        QCOMPARE(inputsGrid()->item(4, 0)->text(), QStringLiteral("Ratio (skriv t.ex. 4 för 4:1)"));
    }

    void planBecomesTheActiveNormAndMealShares() {
        openWindow();
        fillPlan(QStringLiteral("6"), QStringLiteral("20"), QStringLiteral("80"));
        QTableWidget* result = child<QTableWidget>(window(), QStringLiteral("StringGrid3"));
        QCOMPARE(result->item(1, 1)->text(), QStringLiteral("1600,00"));
        QCOMPARE(result->item(2, 1)->text(), QStringLiteral("160,00"));
        QCOMPARE(result->item(1, 2)->text(), QStringLiteral("400,00"));
        QCOMPARE(result->item(3, 2)->text(), QStringLiteral("7,50"));
        QCOMPARE(result->item(4, 2)->text(), QStringLiteral("2,50"));
        QCOMPARE(result->item(4, 1)->foreground().color(), QColor(Qt::darkGreen));
        QCOMPARE(TextToReal(dayNorm(nutrient::Kcal)), 1600.0f);
        // Iron from the standard norm of girls 0-13 years (row 11).
        QCOMPARE(TextToReal(dayNorm(nutrient::Iron)), 11.0f);

        clickButton(window(), QStringLiteral("Button2"));
        const AppState& s = *m_fx->state;
        QCOMPARE(s.norm.NormKind, QStringLiteral("ketogennorm"));
        QCOMPARE(s.norm.NormLabel, kLabel);
        QCOMPARE(s.norm.ActiveNeed[slot(nutrient::Fat)], 160.0f);
        QCOMPARE(m_fx->form()->windowTitle(), kLabel);
        QCOMPARE(s.settings.MealShare[0], 0.25f);
        QCOMPARE(s.settings.MealShare[4], 0.0f);
        auto* meals = child<QTableWidget>(m_fx->windows().FormInst, QStringLiteral("StringGrid1"));
        QCOMPARE(meals->item(0, 0)->text(), QStringLiteral("25"));
        QCOMPARE(meals->item(3, 0)->text(), QStringLiteral("25"));
        QVERIFY(m_fx->form()->hasUnsavedChanges());
    }

    void noRoomForCarbohydrateShowsRed() {
        openWindow();
        typeIntoCell(inputsGrid(), 3, 1, QStringLiteral("2,5"));
        fillPlan(QStringLiteral("6"), QStringLiteral("20"), QStringLiteral("60"));
        QTableWidget* result = child<QTableWidget>(window(), QStringLiteral("StringGrid3"));
        QCOMPARE(result->item(4, 1)->text(), QStringLiteral("-20,00"));
        QCOMPARE(result->item(4, 1)->foreground().color(), QColor(Qt::red));
    }

    void cellsRefuseWhatIsNoNumber_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("kept");
        QTest::newRow("age with decimals") << 0 << "6,5"
                                           << "Skriv ålder som ett heltal."
                                           << "";
        QTest::newRow("a letter in the protein")
            << 3 << "x"
            << "Skriv gram protein per kg som ett tal, 0 eller mer."
            << "1,5";
        QTest::newRow("a ratio of 0") << 4 << "0"
                                      << "Skriv ration som ett tal större än 0, t.ex. 4 för 4:1."
                                      << "4";
    }
    void cellsRefuseWhatIsNoNumber() {
        QFETCH(int, row);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(QString, kept);
        openWindow();
        typeIntoCell(inputsGrid(), row, 1, typed);
        QCOMPARE(m_fx->dialogs.messages, QStringList{message});
        QCOMPARE(inputsGrid()->item(row, 1)->text(), kept);
    }

    void registrationRebuildsTheNorm() {
        openWindow();
        fillPlan(QStringLiteral("6"), QStringLiteral("20"), QStringLiteral("80"));
        clickButton(window(), QStringLiteral("Button2"));
        const QString vexa = m_fx->data.filePath(QStringLiteral("keto.vexa"));
        m_fx->dialogs.queueFileName(vexa);
        triggerAction(m_fx->form(), QStringLiteral("SparaBerkning1"));
        QVERIFY(QFile::exists(m_fx->data.filePath(QStringLiteral("keto.ketogen"))));

        MainWindowFixture g;
        g.dialogs.queueFileName(vexa);
        triggerAction(g.form(), QStringLiteral("Hmtaberkning1"));
        QCOMPARE(g.dialogs.messages, QStringList());
        auto* other = child<QTableWidget>(g.windows().FormKetogen, QStringLiteral("StringGrid1"));
        QCOMPARE(other->item(1, 1)->text(), QStringLiteral("20"));
        QCOMPARE(g.state->norm.NormKind, QStringLiteral("ketogennorm"));
        QCOMPARE(g.state->norm.NormLabel, kLabel);
        QCOMPARE(g.state->norm.ActiveNeed[slot(nutrient::Fat)], 160.0f);
        QCOMPARE(g.state->settings.MealShare[1], 0.25f);
        QVERIFY(!g.form()->hasUnsavedChanges());
        g.form()->close();
    }

    void damagedSideFileKeepsTheSavedNorm() {
        openWindow();
        fillPlan(QStringLiteral("6"), QStringLiteral("20"), QStringLiteral("80"));
        clickButton(window(), QStringLiteral("Button2"));
        const QString vexa = m_fx->data.filePath(QStringLiteral("keto.vexa"));
        m_fx->dialogs.queueFileName(vexa);
        triggerAction(m_fx->form(), QStringLiteral("SparaBerkning1"));
        m_fx->data.write(QStringLiteral("keto.ketogen"), "Man\r\nsex\r\n");

        MainWindowFixture g;
        g.dialogs.queueFileName(vexa);
        triggerAction(g.form(), QStringLiteral("Hmtaberkning1"));
        QCOMPARE(g.dialogs.messages.size(), 1);
        QVERIFY2(g.dialogs.messages.first().contains(QStringLiteral("för kort")),
                 qPrintable(g.dialogs.messages.first()));
        QCOMPARE(g.state->norm.NormLabel, kLabel);
        QCOMPARE(g.state->norm.ActiveNeed[slot(nutrient::Fat)], 160.0f);
        g.form()->close();
    }

private:
    void openWindow() {
        triggerAction(m_fx->form(), QStringLiteral("Ketogenkost1"));
        QVERIFY(QTest::qWaitForWindowExposed(window()));
    }
    void fillPlan(const QString& age, const QString& weight, const QString& kcal) {
        typeIntoCell(inputsGrid(), 0, 1, age);
        typeIntoCell(inputsGrid(), 1, 1, weight);
        typeIntoCell(inputsGrid(), 2, 1, kcal);
    }
    QWidget* window() { return m_fx->windows().FormKetogen; }
    QTableWidget* inputsGrid() {
        return child<QTableWidget>(window(), QStringLiteral("StringGrid1"));
    }
    QString dayNorm(int nutrientNo) {
        return child<QTableWidget>(window(), QStringLiteral("StringGrid2"))
            ->item(1, slot(nutrientNo))
            ->text();
    }

    std::unique_ptr<MainWindowFixture> m_fx;
};

QTEST_MAIN(TstKetogenWindow)
#include "tst_ketogenwindow.moc"
