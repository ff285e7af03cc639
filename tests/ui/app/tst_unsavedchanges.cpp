#include "core/AppState.h"
#include "support/MainWindowFixture.h"
#include "support/MealActions.h"
#include "support/UserActions.h"
#include "ui/Windows.h"
#include "ui/app/TForm1.h"
#include "ui/files/TFormInfo.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace vexamat;

// Every kind of edit, made through the controls a user touches, must leave something to save,
// so that closing asks the save question; undoing back to the saved state leaves nothing.
class TestUnsavedChanges : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void everyEditAsksBeforeClosing_data();
    void everyEditAsksBeforeClosing();
    void undoToTheSavedStateClosesWithoutAsking();
    void redoComesBackAfterUndo();
    void typedNoteCounts();

private:
    TForm1* form() { return m_fx->form(); }
    QTableWidget* grid() { return child<QTableWidget>(form(), QStringLiteral("StringGridMaltid")); }
    QListView* foods() { return child<QListView>(form(), QStringLiteral("ListBoxLivs")); }
    QLineEdit* searchBox() { return child<QLineEdit>(form(), QStringLiteral("Edit1")); }
    void saveAs(const QString& path) {
        m_fx->dialogs.queueFileName(path);
        triggerAction(form(), QStringLiteral("SparaBerkning1"));
        QVERIFY(!form()->hasUnsavedChanges());
    }
    // Closing asks the save question; Avbryt keeps the window open.
    void verifyClosingAsks(const QString& edit) {
        const qsizetype before = m_fx->dialogs.questions.size();
        m_fx->dialogs.queueAnswer(Dialogs::Answer::Cancel);
        form()->close();
        QVERIFY2(m_fx->dialogs.questions.size() == before + 1, qPrintable(edit));
        QCOMPARE(m_fx->dialogs.questions.last(),
                 QStringLiteral("Vill du spara pågående registrering?"));
        QVERIFY(form()->isVisible());
    }
    // Closing asks nothing and closes; the window is shown again for what follows.
    void verifyClosesWithoutAsking() {
        const qsizetype before = m_fx->dialogs.questions.size();
        form()->close();
        QCOMPARE(m_fx->dialogs.questions.size(), before);
        QVERIFY(!form()->isVisible());
        form()->show();
        form()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form()));
    }

    std::unique_ptr<MainWindowFixture> m_fx;
    QTemporaryDir m_dir;
};

void TestUnsavedChanges::init() {
    m_fx = std::make_unique<MainWindowFixture>();
    QCOMPARE(m_fx->startResult(), WindowSet::Result::Ok);
    form()->show();
    form()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form()));
    // Two foods in breakfast, saved: nothing to save yet.
    addFoodFromList(form(), QStringLiteral("mjölk"), QStringLiteral("Mjölk fett 3%"));
    addFoodFromList(form(), QStringLiteral("banan"), QStringLiteral("Banan"));
    saveAs(m_dir.filePath(QStringLiteral("frukost.vexa")));
}

void TestUnsavedChanges::cleanup() {
    if (form() && form()->isVisible()) {
        if (form()->hasUnsavedChanges())
            m_fx->dialogs.queueAnswer(Dialogs::Answer::No);
        form()->close();
    }
    m_fx.reset();
}

void TestUnsavedChanges::everyEditAsksBeforeClosing_data() {
    QTest::addColumn<QString>("edit");
    for (const char* edit :
         {"Öka", "Minska", "Ta bort rad", "enhet", "Antal", "Gram", "klockan", "nytt livsmedel",
          "klistra in", "klockslagsrad", "släpp på rad", "Ny registrering ångrad"})
        QTest::newRow(edit) << QString::fromUtf8(edit);
}

void TestUnsavedChanges::everyEditAsksBeforeClosing() {
    QFETCH(QString, edit);
    verifyClosesWithoutAsking();
    clickCell(grid(), 0, 0);
    if (edit == QStringLiteral("Öka")) {
        clickButton(form(), QStringLiteral("Button4"));
    } else if (edit == QStringLiteral("Minska")) {
        clickButton(form(), QStringLiteral("Button5"));
    } else if (edit == QStringLiteral("Ta bort rad")) {
        clickButton(form(), QStringLiteral("Button6"));
    } else if (edit == QStringLiteral("enhet")) {
        clickCell(grid(), 0, 0, Qt::RightButton);
        auto* units = child<QListWidget>(form(), QStringLiteral("ListBoxVikter"));
        QTRY_VERIFY(units->isVisible());
        QVERIFY(units->count() > 1);
        clickCell(units, units->count() > 2 ? 2 : 1);
    } else if (edit == QStringLiteral("Antal")) {
        typeIntoGridCell(form(), 0, 1, QStringLiteral("3"));
    } else if (edit == QStringLiteral("Gram")) {
        typeIntoGridCell(form(), 0, 3, QStringLiteral("275"));
    } else if (edit == QStringLiteral("klockan")) {
        typeIntoGridCell(form(), 1, 4, QStringLiteral("07:30"));
    } else if (edit == QStringLiteral("nytt livsmedel")) {
        addFoodFromList(form(), QStringLiteral("kaffe"), QStringLiteral("Kaffe bryggt"));
    } else if (edit == QStringLiteral("klistra in")) {
        triggerAction(form(), QStringLiteral("Kopieradennamltid2"));
        clickButton(form(), QStringLiteral("SpeedButton2"));
        triggerAction(form(), QStringLiteral("Klistraindennamltid1"));
    } else if (edit == QStringLiteral("klockslagsrad")) {
        searchBox()->clear();
        typeText(searchBox(), QStringLiteral("12:00"));
        QTest::keyClick(searchBox(), Qt::Key_Return);
    } else if (edit == QStringLiteral("släpp på rad")) {
        searchFoods(form(), QStringLiteral("kaffe"));
        clickCell(foods(), findLine(foods(), QStringLiteral("Kaffe bryggt")));
        // A drag from the food list dropped onto row 1 of the grid.
        QMimeData* mime = foods()->model()->mimeData({foods()->currentIndex()});
        const QPoint at = grid()->visualRect(grid()->model()->index(0, 0)).center();
        QDragEnterEvent enter(at, Qt::CopyAction, mime, Qt::LeftButton, {});
        QCoreApplication::sendEvent(grid()->viewport(), &enter);
        QDropEvent drop(QPointF(at), Qt::CopyAction, mime, Qt::LeftButton, {});
        QCoreApplication::sendEvent(grid()->viewport(), &drop);
        delete mime;
        QCOMPARE(grid()->item(0, 0)->text(), QStringLiteral("Kaffe bryggt"));
    } else if (edit == QStringLiteral("Ny registrering ångrad")) {
        // An empty new registration has nothing to save; undoing it brings the meal back.
        triggerAction(form(), QStringLiteral("Nyberkning1"));
        QVERIFY(!form()->hasUnsavedChanges());
        QVERIFY(m_fx->state->registration.isMealEmpty(0, 0));
        triggerAction(form(), QStringLiteral("ngra1"));
        QCOMPARE(m_fx->state->registration.filledRowCount(0, 0), 2);
    }
    QVERIFY2(form()->hasUnsavedChanges(), qPrintable(edit));
    verifyClosingAsks(edit);
}

void TestUnsavedChanges::undoToTheSavedStateClosesWithoutAsking() {
    const float saved = m_fx->state->registration.row(0, 0, 1).gram;
    clickCell(grid(), 0, 0);
    clickButton(form(), QStringLiteral("Button4"));
    clickButton(form(), QStringLiteral("Button4"));
    typeIntoGridCell(form(), 1, 4, QStringLiteral("08:15"));
    QVERIFY(m_fx->state->registration.row(0, 0, 1).gram > saved);
    triggerAction(form(), QStringLiteral("ngra1"));
    triggerAction(form(), QStringLiteral("ngra1"));
    QVERIFY(form()->hasUnsavedChanges());
    triggerAction(form(), QStringLiteral("ngra1"));
    QCOMPARE(m_fx->state->registration.row(0, 0, 1).gram, saved);
    QVERIFY(m_fx->state->registration.row(0, 0, 2).klockan.isEmpty());
    QVERIFY(!form()->hasUnsavedChanges());
    verifyClosesWithoutAsking();
}

void TestUnsavedChanges::redoComesBackAfterUndo() {
    clickCell(grid(), 1, 0);
    clickButton(form(), QStringLiteral("Button6"));
    QCOMPARE(m_fx->state->registration.filledRowCount(0, 0), 1);
    QTest::keyClick(form(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(m_fx->state->registration.filledRowCount(0, 0), 2);
    QCOMPARE(grid()->item(1, 0)->text(), QStringLiteral("Banan"));
    triggerAction(form(), QStringLiteral("Grom1"));
    QCOMPARE(m_fx->state->registration.filledRowCount(0, 0), 1);
    QVERIFY(grid()->item(1, 0)->text().isEmpty());
    QVERIFY(form()->hasUnsavedChanges());
}

void TestUnsavedChanges::typedNoteCounts() {
    triggerAction(form(), QStringLiteral("Extrainfo1"));
    auto* note = child<QPlainTextEdit>(m_fx->windows().FormInfo, QStringLiteral("MemoInfo"));
    typeText(note, QStringLiteral("Åt på restaurang"));
    verifyClosingAsks(QStringLiteral("anteckning"));
}

QTEST_MAIN(TestUnsavedChanges)
#include "tst_unsavedchanges.moc"
