#include "core/catalogue/FoodTable.h"
#include "core/catalogue/LivsmedelsverketImport.h"
#include "core/catalogue/TableSchema.h"
#include "core/text/SwedishText.h"
#include "support/MainWindowFixture.h"
#include "support/UserActions.h"
#include "ui/Windows.h"
#include "ui/app/TForm1.h"
#include "ui/catalogue/FoodTableModel.h"
#include "ui/catalogue/TFormDabas.h"
#include "ui/catalogue/TFormEgna.h"
#include "ui/catalogue/TFormFabrikant.h"
#include "ui/catalogue/TFormTab.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

using namespace vexamat;

namespace {

constexpr int kFat = 19;

FoodTableEditor* editor(MainWindowFixture& f, const QString& name) {
    Windows& w = f.windows();
    if (name == QLatin1String("TFormTab"))
        return w.FormTab;
    if (name == QLatin1String("TFormEgna"))
        return w.FormEgna;
    if (name == QLatin1String("TFormFabrikant"))
        return w.FormFabrikant;
    return w.FormDabas;
}

QTableView* gridOf(QWidget* e) {
    return child<QTableView>(e, QStringLiteral("DBISAMDBGrid1"));
}

// Clicks the given field of the food with the code, which makes it the grid's current cell.
bool goTo(FoodTableEditor* e, const QString& code, int column) {
    QTableView* grid = gridOf(e);
    QAbstractItemModel* model = grid->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->index(row, 0).data(Qt::EditRole).toString() == code) {
            clickCell(grid, row, column);
            return grid->currentIndex() == model->index(row, column);
        }
    }
    return false;
}

// The cell editor open in the grid, if any.
QLineEdit* openCellEditor(FoodTableEditor* e) {
    for (QLineEdit* open :
         gridOf(e)->viewport()->findChildren<QLineEdit*>(QStringLiteral("cellEditor"))) {
        if (open->isVisible())
            return open;
    }
    return nullptr;
}

// Types into the current cell as a user does: F2, the text over the old one, Return.
void typeIntoCell(FoodTableEditor* e, const QString& text) {
    QTest::keyClick(gridOf(e), Qt::Key_F2);
    QLineEdit* edit = openCellEditor(e);
    QVERIFY(edit);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    typeText(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
    QTRY_VERIFY(!edit->isVisible()); // the view commits and closes the editor queued
}

void unlock(MainWindowFixture& f, FoodTableEditor* e) {
    f.dialogs.queueInput(QStringLiteral("korpram"));
    clickButton(e, QStringLiteral("Button1"));
    QVERIFY(!e->isLocked());
}

std::optional<TableRecord> find(MainWindowFixture& f, const QString& table, const QString& code) {
    FoodTable t(f.state->database, table);
    t.open(nullptr);
    return t.findByCode(code);
}

} // namespace

class TestFoodTableEditors : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void unlockWithPassword_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("configured");
        QTest::addColumn<std::optional<QString>>("typed");
        QTest::addColumn<bool>("unlocks");
        QTest::addColumn<QStringList>("messages");
        const QStringList none;
        const QStringList wrong{QStringLiteral("Fel lösenord!")};
        QTest::newRow("livtab right")
            << "TFormTab"
            << "KORPRAM" << std::optional<QString>("korpram") << true << none;
        QTest::newRow("livtab wrong")
            << "TFormTab"
            << "KORPRAM" << std::optional<QString>("korpam") << false << wrong;
        QTest::newRow("livtab cancelled") << "TFormTab"
                                          << "KORPRAM" << std::optional<QString>() << false << none;
        QTest::newRow("livtab configured")
            << "TFormTab"
            << "HEMLIS" << std::optional<QString>("Hemlis") << true << none;
        QTest::newRow("own foods ignore the configured password")
            << "TFormEgna"
            << "HEMLIS" << std::optional<QString>("hemlis") << false << wrong;
        QTest::newRow("own foods fixed password")
            << "TFormEgna"
            << "HEMLIS" << std::optional<QString>("KORPRAM") << true << none;
        QTest::newRow("fabrikant wrong")
            << "TFormFabrikant"
            << "KORPRAM" << std::optional<QString>("x") << false << wrong;
        QTest::newRow("dabas right")
            << "TFormDabas"
            << "KORPRAM" << std::optional<QString>("korpram") << true << none;
    }
    void unlockWithPassword() {
        QFETCH(QString, window);
        QFETCH(QString, configured);
        QFETCH(std::optional<QString>, typed);
        QFETCH(bool, unlocks);
        QFETCH(QStringList, messages);
        MainWindowFixture f;
        f.state->AdminPassword = configured;
        FoodTableEditor* e = editor(f, window);
        e->show();
        QVERIFY(e->isLocked());
        auto* memo = child<QPlainTextEdit>(e, QStringLiteral("Memo1"));
        QVERIFY(memo->isHidden());
        f.dialogs.queueInput(typed);
        clickButton(e, QStringLiteral("Button1"));
        QCOMPARE(f.dialogs.prompts, QStringList{QStringLiteral("Ange KORPRAM lösenord|LÖSENORD")});
        QCOMPARE(f.dialogs.messages, messages);
        QCOMPARE(e->isLocked(), !unlocks);
        QCOMPARE(memo->isHidden(), !unlocks);
        if (window == QLatin1String("TFormEgna"))
            QCOMPARE(child<QPushButton>(e, QStringLiteral("ButtonKlar"))->isHidden(), !unlocks);
    }

    void keyInLockedGrid_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("message");
        const QString start =
            QStringLiteral("För kunna skriva i tabellen måste du först klicka på knappen Ändra i ");
        QTest::newRow("livtab") << "TFormTab" << start + "livsmedelstabellen.";
        QTest::newRow("egna") << "TFormEgna" << start + "egnatabellen.";
        QTest::newRow("fabrikant") << "TFormFabrikant" << start + "fabrikanttabellen.";
        QTest::newRow("dabas") << "TFormDabas" << start + "DABAS-tabellen.";
    }
    void keyInLockedGrid() {
        QFETCH(QString, window);
        QFETCH(QString, message);
        MainWindowFixture f;
        FoodTableEditor* e = editor(f, window);
        e->show();
        QTableView* grid = gridOf(e);
        QVERIFY(grid->model()->rowCount() > 0);
        const QModelIndex cell = grid->model()->index(0, 1);
        const QVariant before = cell.data(Qt::EditRole);
        clickCell(grid, 0, 1);
        QTest::keyClick(grid, Qt::Key_5);
        QCOMPARE(f.dialogs.messages, QStringList{message});
        QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(f.dialogs.questions, QStringList{});
        QVERIFY(!grid->viewport()->findChild<QLineEdit*>());
        QCOMPARE(cell.data(Qt::EditRole), before);
    }

    void editedValueIsStored() {
        MainWindowFixture f;
        TFormTab* tab = f.windows().FormTab;
        tab->show();
        unlock(f, tab);
        QVERIFY(goTo(tab, QStringLiteral("1_101"), kFat));
        typeIntoCell(tab, QStringLiteral("3,25"));
        QCOMPARE(find(f, TableSchema::Livtab100, QStringLiteral("1_101"))->number(kFat),
                 std::optional<double>(3.25));
        QVERIFY(f.dialogs.messages.isEmpty());

        // An emptied cell is a missing value, not 0.
        QVERIFY(goTo(tab, QStringLiteral("1_101"), kFat));
        typeIntoCell(tab, QString());
        QVERIFY(find(f, TableSchema::Livtab100, QStringLiteral("1_101"))->isNull(kFat));
    }

    void closingTheWindowKeepsAnOpenEdit() {
        MainWindowFixture f;
        TFormTab* tab = f.windows().FormTab;
        tab->show();
        unlock(f, tab);
        QVERIFY(goTo(tab, QStringLiteral("1_101"), kFat));
        QTest::keyClick(gridOf(tab), Qt::Key_F2);
        QLineEdit* edit = openCellEditor(tab);
        QVERIFY(edit);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        typeText(edit, QStringLiteral("4.5"));
        tab->close();
        QCOMPARE(find(f, TableSchema::Livtab100, QStringLiteral("1_101"))->number(kFat),
                 std::optional<double>(4.5));
    }

    void textInANumberCellIsRefused() {
        MainWindowFixture f;
        TFormTab* tab = f.windows().FormTab;
        tab->show();
        unlock(f, tab);
        QVERIFY(goTo(tab, QStringLiteral("1_101"), kFat));
        typeIntoCell(tab, QStringLiteral("tre"));
        QCOMPARE(
            f.dialogs.messages,
            QStringList{QStringLiteral(
                "\"tre\" är inget tal. Skriv ett tal, till exempel 12,5, eller lämna rutan tom.")});
        QTest::keyClick(gridOf(tab), Qt::Key_Down);
        QCOMPARE(find(f, TableSchema::Livtab100, QStringLiteral("1_101"))->number(kFat),
                 std::optional<double>(3));
        QCOMPARE(find(f, TableSchema::Livtab100, QStringLiteral("1_101"))->value(kFat).typeId(),
                 QMetaType::Double);
    }

    void duplicateCodeIsRefused() {
        MainWindowFixture f;
        TFormEgna* egna = f.windows().FormEgna;
        egna->show();
        unlock(f, egna);
        QVERIFY(goTo(egna, QStringLiteral("egna002"), 0));
        typeIntoCell(egna, QStringLiteral("egna001"));
        QCOMPARE(
            f.dialogs.messages,
            QStringList{QStringLiteral("Koden finns redan i tabellen. Ändringen sparades inte.")});
        QCOMPARE(find(f, TableSchema::Egna, QStringLiteral("egna002"))->text(1),
                 QStringLiteral("Smoothie banan och blåbär"));
        QCOMPARE(find(f, TableSchema::Egna, QStringLiteral("egna001"))->text(1),
                 QStringLiteral("Mormors köttbullar"));
    }

    void sortOrders() {
        MainWindowFixture f;
        TFormEgna* egna = f.windows().FormEgna;
        egna->show();
        QAbstractItemModel* m = gridOf(egna)->model();
        QCOMPARE(m->index(0, 0).data().toString(), QStringLiteral("egna001"));
        clickButton(egna, QStringLiteral("SpeedButton2"));
        QStringList names;
        for (int r = 0; r < m->rowCount(); ++r)
            names << m->index(r, 1).data().toString();
        for (int i = 1; i < names.size(); ++i)
            QVERIFY2(!SwedishText::lessThan(names.at(i), names.at(i - 1)), qPrintable(names.at(i)));
        QVERIFY(child<QToolButton>(egna, QStringLiteral("SpeedButton2"))->isChecked());
        QCOMPARE(gridOf(egna)->currentIndex().row(), 0);
        clickButton(egna, QStringLiteral("SpeedButton1"));
        QCOMPARE(m->index(0, 0).data().toString(), QStringLiteral("egna001"));
        QCOMPARE(m->index(m->rowCount() - 1, 0).data().toString(), QStringLiteral("egna060"));
    }

    void copyToOwnFoods() {
        MainWindowFixture f;
        TFormTab* tab = f.windows().FormTab;
        TFormEgna* egna = f.windows().FormEgna;
        egna->show();
        const int ownBefore = gridOf(egna)->model()->rowCount();
        tab->show();
        QVERIFY(goTo(tab, QStringLiteral("1_101"), 1));
        f.dialogs.queueAnswer(Dialogs::Answer::No);
        clickButton(tab, QStringLiteral("Button2"));
        QCOMPARE(gridOf(egna)->model()->rowCount(), ownBefore);

        f.dialogs.queueAnswer(Dialogs::Answer::Yes);
        clickButton(tab, QStringLiteral("Button2"));
        QCOMPARE(f.dialogs.questions.last(),
                 QStringLiteral("Vill du kopiera   Mjölk fett 3%   till Egna-tabellen ?"));
        QCOMPARE(f.dialogs.messages,
                 QStringList{QStringLiteral("Mjölk fett 3%  kopierat till egnatabellen")});
        const auto copy = find(f, TableSchema::Egna, QStringLiteral("egna061"));
        QVERIFY(copy.has_value());
        QCOMPARE(copy->text(1), QStringLiteral("Mjölk fett 3% (slv1_101)"));
        QCOMPARE(gridOf(egna)->model()->rowCount(), ownBefore + 1);

        // Shown in name order, the own foods still get a code above every other.
        clickButton(egna, QStringLiteral("SpeedButton2"));
        f.dialogs.queueAnswer(Dialogs::Answer::Yes);
        clickButton(tab, QStringLiteral("Button2"));
        QVERIFY(find(f, TableSchema::Egna, QStringLiteral("egna062")).has_value());
    }

    void klarMakesARenamedFoodSearchable() {
        MainWindowFixture f;
        TFormEgna* egna = f.windows().FormEgna;
        egna->show();
        unlock(f, egna);
        QVERIFY(goTo(egna, QStringLiteral("egna001"), 1));
        typeIntoCell(egna, QStringLiteral("Farmors köttbullar"));
        const auto named = [&f](const QString& name) {
            for (const FoodRecord& r : f.state->catalogue.EgnaFoods) {
                if (r.livsmedel == name)
                    return true;
            }
            return false;
        };
        QVERIFY(named(QStringLiteral("Mormors köttbullar")));
        clickButton(egna, QStringLiteral("ButtonKlar"));
        QCOMPARE(f.dialogs.messages,
                 QStringList{QStringLiteral("Egna livsmedel sorterade och klara för användning")});
        QVERIFY(named(QStringLiteral("Farmors köttbullar")));
        QVERIFY(!named(QStringLiteral("Mormors köttbullar")));
        QCOMPARE(f.state->catalogue.FoodCount[2], int(f.state->catalogue.EgnaFoods.size()));
        QCOMPARE(find(f, TableSchema::Egna, QStringLiteral("egna001"))->text(1),
                 QStringLiteral("Farmors köttbullar"));
    }

    void ctrlDeleteRemovesAfterTheQuestion() {
        MainWindowFixture f;
        TFormEgna* egna = f.windows().FormEgna;
        egna->show();
        unlock(f, egna);
        QVERIFY(goTo(egna, QStringLiteral("egna002"), 1));
        f.dialogs.queueAnswer(Dialogs::Answer::No);
        QTest::keyClick(gridOf(egna), Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(
            f.dialogs.questions,
            QStringList{QStringLiteral("Vill du ta bort Smoothie banan och blåbär ur tabellen?")});
        QVERIFY(find(f, TableSchema::Egna, QStringLiteral("egna002")).has_value());
        f.dialogs.queueAnswer(Dialogs::Answer::Yes);
        QTest::keyClick(gridOf(egna), Qt::Key_Delete, Qt::ControlModifier);
        QVERIFY(!find(f, TableSchema::Egna, QStringLiteral("egna002")).has_value());
        QVERIFY(find(f, TableSchema::Egna, QStringLiteral("egna001")).has_value());
        QVERIFY(!goTo(egna, QStringLiteral("egna002"), 1));
    }

    void aminoButton_data() {
        QTest::addColumn<QByteArray>("file"); // empty: no amino.skv
        QTest::addColumn<QString>("message");
        const QByteArray amino = "100;110;120;130;140;150;160;170;180;190;200;210;220;230;240;"
                                 "250;260;270;";
        QTest::newRow("one food found")
            << QByteArray("1101;a;b;c;d;e;" + amino + "\r\nx12;a;b;c;d;e;" + amino + "\r\n")
            << "1 livsmedel har kompletterats med aminosyror";
        QTest::newRow("no food found") << QByteArray("9999;a;b;c;d;e;" + amino + "\r\n")
                                       << "0 livsmedel har kompletterats med aminosyror";
    }
    void aminoButton() {
        QFETCH(QByteArray, file);
        QFETCH(QString, message);
        MainWindowFixture f;
        TFormTab* tab = f.windows().FormTab;
        tab->show();
        f.data.write(QStringLiteral("amino.skv"), file);
        pressHiddenButton(tab, QStringLiteral("ButtonAmino"));
        QCOMPARE(f.dialogs.messages, QStringList{message});
        QCOMPARE(find(f, TableSchema::Livtab100, QStringLiteral("1_101"))->text(1),
                 message.startsWith(QLatin1Char('1')) ? QStringLiteral("Mjölk fett 3%*")
                                                      : QStringLiteral("Mjölk fett 3%"));
        QVERIFY(goTo(tab, QStringLiteral("1_101"), 1));
        QCOMPARE(tab->currentName(),
                 find(f, TableSchema::Livtab100, QStringLiteral("1_101"))->text(1));
    }

    void aminoFileMissing() {
        MainWindowFixture f;
        pressHiddenButton(f.windows().FormTab, QStringLiteral("ButtonAmino"));
        QCOMPARE(f.dialogs.messages,
                 QStringList{QStringLiteral("Filen %1 kan inte öppnas.")
                                 .arg(f.data.filePath(QStringLiteral("amino.skv")))});
    }

    void longStoredTextIsNotCutByEditing() {
        MainWindowFixture f;
        TFormTab* tab = f.windows().FormTab;
        tab->show();
        unlock(f, tab);
        const QString group = QStringLiteral("Fisk och skaldjur, rökta och gravade sorter");
        QVERIFY(goTo(tab, QStringLiteral("1_101"), 4));
        typeIntoCell(tab, group);
        QCOMPARE(find(f, TableSchema::Livtab100, QStringLiteral("1_101"))->text(4),
                 group.left(30)); // typing is held to the field's size
        QSqlQuery q(f.state->database.db());
        QVERIFY(q.exec(
            QStringLiteral("UPDATE livtab100 SET Grupp1 = '%1' WHERE Kod = '1_101'").arg(group)));
        tab->refresh();
        QVERIFY(goTo(tab, QStringLiteral("1_101"), 4));
        QTest::keyClick(gridOf(tab), Qt::Key_F2);
        QLineEdit* edit = openCellEditor(tab);
        QVERIFY(edit);
        QCOMPARE(edit->text(), group);
        QTest::keyClick(edit, Qt::Key_Return);
        QTRY_VERIFY(edit->isHidden());
        QCOMPARE(find(f, TableSchema::Livtab100, QStringLiteral("1_101"))->text(4), group);
    }

    void insertAddsAFood() {
        MainWindowFixture f;
        TFormEgna* egna = f.windows().FormEgna;
        egna->show();
        unlock(f, egna);
        f.dialogs.queueInput(QStringLiteral("egna061"));
        QTest::keyClick(gridOf(egna), Qt::Key_Insert);
        QCOMPARE(egna->currentCode(), QStringLiteral("egna061"));
        QCOMPARE(gridOf(egna)->currentIndex().column(), 1);
        typeIntoCell(egna, QStringLiteral("Pannkakor"));
        QCOMPARE(find(f, TableSchema::Egna, QStringLiteral("egna061"))->text(1),
                 QStringLiteral("Pannkakor"));

        f.dialogs.queueInput(QStringLiteral("egna001"));
        QTest::keyClick(gridOf(egna), Qt::Key_Insert);
        QCOMPARE(f.dialogs.messages,
                 QStringList{QStringLiteral("Koden egna001 finns redan i tabellen.")});
        QCOMPARE(find(f, TableSchema::Egna, QStringLiteral("egna001"))->text(1),
                 QStringLiteral("Mormors köttbullar"));
    }

    void registerMenuOpensTheEditors_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("window");
        QTest::newRow("livtab") << "Livsmedelstabell1"
                                << "TFormTab";
        QTest::newRow("fabrikant") << "Fabrikanter1"
                                   << "TFormFabrikant";
        QTest::newRow("egna") << "Egna1"
                              << "TFormEgna";
        QTest::newRow("dabas") << "Dabas1"
                               << "TFormDabas";
    }
    void registerMenuOpensTheEditors() {
        QFETCH(QString, action);
        QFETCH(QString, window);
        MainWindowFixture f;
        // The Register menu belongs to the extended layout.
        clickButton(f.form(), QStringLiteral("ButtonEnklare"));
        triggerAction(f.form(), action);
        FoodTableEditor* e = editor(f, window);
        QVERIFY(e->isVisible());
        QVERIFY(gridOf(e)->model()->rowCount() > 0);
    }

    void gramFileFromTheMainWindow() {
        MainWindowFixture f;
        pressHiddenButton(f.form(), QStringLiteral("ButtonSkrivLivtab"));
        const int foods = f.state->livtab100.count();
        QCOMPARE(f.dialogs.messages, QStringList{QStringLiteral("Antal artiklar = %1").arg(foods)});
        QFile file(f.data.filePath(QStringLiteral("gramfil.txt")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(lines.size(), foods + 2); // the last line end leaves an empty piece
        QCOMPARE(lines.first(), QByteArray("kod;livsnamn;SLV gram;SLV enhet;gram;enhet;gram;enhet;"
                                           "gram;enhet;gram/msk;gram/tsk\r"));
    }

    void aboutBoxShowsTheImportedVersion() {
        MainWindowFixture f;
        triggerAction(f.form(), QStringLiteral("Copyright1"));
        QVERIFY(!f.dialogs.messages.last().contains(QStringLiteral("Livsmedelsdatabas:")));
        QList<QVariant> food(TableSchema::kFoodFieldCount);
        food[0] = QStringLiteral("1_234");
        food[1] = QStringLiteral("Äpple");
        QString error;
        QVERIFY2(LivsmedelsverketImport::replaceTable(
                     f.state->database, {food},
                     QStringLiteral("Livsmedelsverkets livsmedelsdatabas version 2022-05-24"),
                     &error),
                 qPrintable(error));
        triggerAction(f.form(), QStringLiteral("Copyright1"));
        QVERIFY(f.dialogs.messages.last().endsWith(QStringLiteral(
            "\nLivsmedelsdatabas: Livsmedelsverkets livsmedelsdatabas version 2022-05-24")));
    }
};

QTEST_MAIN(TestFoodTableEditors)
#include "tst_foodtableeditors.moc"
