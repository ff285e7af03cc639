#include "support/ScriptedDialogs.h"
#include "support/UserActions.h"

#include <QAction>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

using namespace vexamat;

namespace {

// A window with a menu bar: Arkiv with a shown, a hidden and a disabled item, and a hidden
// menu with an item of its own; a popup menu that is not open.
struct Window {
    QMainWindow window;
    QMenu* arkiv = nullptr;
    QMenu* hiddenMenu = nullptr;
    QMenu* popup = nullptr;

    Window() {
        window.setObjectName(QStringLiteral("Window"));
        arkiv = window.menuBar()->addMenu(QStringLiteral("Arkiv"));
        add(arkiv, "shown");
        add(arkiv, "hidden")->setVisible(false);
        add(arkiv, "disabled")->setEnabled(false);
        hiddenMenu = window.menuBar()->addMenu(QStringLiteral("Normer"));
        hiddenMenu->menuAction()->setVisible(false);
        add(hiddenMenu, "inHiddenMenu");
        popup = new QMenu(&window);
        add(popup, "inPopup");
        auto* button = new QPushButton(QStringLiteral("Dold"), &window);
        button->setObjectName(QStringLiteral("hiddenButton"));
        button->hide();
    }
    static QAction* add(QMenu* menu, const char* name) {
        QAction* action = menu->addAction(QString::fromLatin1(name));
        action->setObjectName(QString::fromLatin1(name));
        return action;
    }
    QAction* action(const char* name) {
        return window.findChild<QAction*>(QString::fromLatin1(name));
    }
};

} // namespace

class TstUserActions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void triggersAShownMenuItem() {
        Window w;
        QSignalSpy triggered(w.action("shown"), &QAction::triggered);
        triggerAction(&w.window, QStringLiteral("shown"));
        QCOMPARE(triggered.count(), 1);
    }

    void refusesWhatAUserCannotChoose_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing") << "finnsInte";
        QTest::newRow("hidden item") << "hidden";
        QTest::newRow("disabled item") << "disabled";
        QTest::newRow("item of a hidden menu") << "inHiddenMenu";
        QTest::newRow("item of a closed popup menu") << "inPopup";
    }
    void refusesWhatAUserCannotChoose() {
        QFETCH(QString, name);
        Window w;
        QAction* action = w.window.findChild<QAction*>(name);
        QSignalSpy* triggered = action ? new QSignalSpy(action, &QAction::triggered) : nullptr;
        QEXPECT_FAIL("", "a user cannot choose it", Continue);
        triggerAction(&w.window, name);
        if (triggered)
            QCOMPARE(triggered->count(), 0);
        delete triggered;
    }

    void anOpenPopupMenuCanBeChosenFromAndCloses() {
        Window w;
        w.window.show();
        w.popup->popup(w.window.geometry().center());
        QVERIFY(w.popup->isVisible());
        QSignalSpy triggered(w.action("inPopup"), &QAction::triggered);
        triggerAction(&w.window, QStringLiteral("inPopup"));
        QCOMPARE(triggered.count(), 1);
        QVERIFY(!w.popup->isVisible());
    }

    void childFailsWhenMissing() {
        Window w;
        QEXPECT_FAIL("", "there is no such line edit", Continue);
        QVERIFY(!child<QLineEdit>(&w.window, QStringLiteral("Edit1")));
    }

    void hiddenButtonsAreNotClicked() {
        Window w;
        auto* button = w.window.findChild<QPushButton*>(QStringLiteral("hiddenButton"));
        QSignalSpy clicked(button, &QPushButton::clicked);
        QEXPECT_FAIL("", "a user cannot click a hidden button", Continue);
        clickButton(&w.window, QStringLiteral("hiddenButton"));
        QCOMPARE(clicked.count(), 0);
        pressHiddenButton(&w.window, QStringLiteral("hiddenButton"));
        QCOMPARE(clicked.count(), 1);
    }

    void clickCellMakesTheCellCurrent() {
        QTableWidget table(50, 3);
        table.resize(300, 200);
        table.show();
        clickCell(&table, 40, 2);
        QCOMPARE(table.currentRow(), 40);
        QCOMPARE(table.currentColumn(), 2);
    }

    void typeTextTypesSwedishLetters() {
        QLineEdit edit;
        typeText(&edit, QStringLiteral("Gröt på äpple"));
        QCOMPARE(edit.text(), QStringLiteral("Gröt på äpple"));
    }

    void unansweredQuestionFails() {
        ScriptedDialogs dialogs;
        QCOMPARE(dialogs.question(nullptr, QStringLiteral("Vill du spara?"),
                                  Dialogs::Buttons::YesNoCancel),
                 Dialogs::Answer::Cancel);
        QEXPECT_FAIL("", "no answer was queued", Continue);
        dialogs.verifyAllUsed();
    }

    void unaskedAnswersFail_data() {
        QTest::addColumn<int>("kind");
        QTest::newRow("answer") << 0;
        QTest::newRow("input") << 1;
        QTest::newRow("file name") << 2;
    }
    void unaskedAnswersFail() {
        QFETCH(int, kind);
        ScriptedDialogs dialogs;
        if (kind == 0)
            dialogs.queueAnswer(Dialogs::Answer::Yes);
        else if (kind == 1)
            dialogs.queueInput(QStringLiteral("korpram"));
        else
            dialogs.queueFileName(QStringLiteral("/tmp/kalle.vexa"));
        QEXPECT_FAIL("", "the answer was never asked for", Continue);
        dialogs.verifyAllUsed();
    }

    void usedAnswersPass() {
        ScriptedDialogs dialogs;
        dialogs.queueAnswer(Dialogs::Answer::Yes);
        dialogs.queueInput(std::nullopt);
        dialogs.queueFileName(QString());
        QCOMPARE(dialogs.question(nullptr, QStringLiteral("?"), Dialogs::Buttons::YesNo),
                 Dialogs::Answer::Yes);
        QCOMPARE(dialogs.inputText(nullptr, QStringLiteral("a"), QStringLiteral("b"), {}, false),
                 std::optional<QString>());
        QCOMPARE(dialogs.openFileName(nullptr, QStringLiteral("Öppna"), {}, {}), QString());
        dialogs.verifyAllUsed();
        QVERIFY(!QTest::currentTestFailed());
    }
};

QTEST_MAIN(TstUserActions)
#include "tst_useractions.moc"
