#include "core/catalogue/FoodTable.h"
#include "core/catalogue/Nutrients.h"
#include "core/catalogue/TableSchema.h"
#include "support/MainWindowFixture.h"
#include "support/TableFixture.h"
#include "support/UserActions.h"
#include "ui/Windows.h"
#include "ui/analysis/TFormToppen.h"
#include "ui/app/TForm1.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

using namespace vexamat;

class TstTopListWindow : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<MainWindowFixture> f;

    TFormToppen* openFromMenu() {
        triggerAction(f->form(), QStringLiteral("Nringstoppen1"));
        TFormToppen* w = f->windows().FormToppen;
        return w && w->isVisible() ? w : nullptr;
    }
    // Clicks the item of a list as the user does.
    static void clickItem(QListWidget* list, int row) {
        list->scrollToItem(list->item(row));
        const QRect r = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
    }

private Q_SLOTS:
    void init() {
        f = std::make_unique<MainWindowFixture>();
        QVERIFY(f->form());
        // Two own foods far richer in protein than any other, and one without a value.
        const QString protein = f->state->egna.fieldNames().at(nutrient::Protein - 1);
        using F = TableFixture;
        QVERIFY(F::insert(f->state->database, TableSchema::Egna,
                          F::food("egna901", "Proteinpulver", {}, "g", 30, {{protein, 900.0}})));
        QVERIFY(F::insert(f->state->database, TableSchema::Egna,
                          F::food("egna902", "Torkad tång", {}, "g", 10, {{protein, 800.0}})));
        QVERIFY(F::insert(f->state->database, TableSchema::Egna,
                          F::food("egna903", "Okänd mat", {}, "g", 10, {{protein, QVariant()}})));
    }
    void cleanup() { f.reset(); }

    void menuOpensTheWindowAndAChoiceFillsTheList() {
        TFormToppen* w = openFromMenu();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Topplistan"));
        QListWidget* nutrients = child<QListWidget>(w, QStringLiteral("ListBox1"));
        QCOMPARE(nutrients->count(), 70);
        QCOMPARE(nutrients->item(2)->text(), f->state->names.label(nutrient::Protein));

        clickButton(child<QRadioButton>(w, QStringLiteral("RadioGroup1Item2")));
        // No nutrient chosen yet: the table choice alone lists nothing.
        QCOMPARE(child<QListWidget>(w, QStringLiteral("ListBoxSynlig"))->count(), 0);
        clickItem(nutrients, 2);

        QListWidget* shown = child<QListWidget>(w, QStringLiteral("ListBoxSynlig"));
        const QString unit = f->state->names.NutrientUnit[nutrient::Protein];
        QVERIFY(shown->count() >= 2);
        QCOMPARE(shown->item(0)->text(), QStringLiteral("    900.00 %1 Proteinpulver").arg(unit));
        QCOMPARE(shown->item(1)->text(), QStringLiteral("    800.00 %1 Torkad tång").arg(unit));
        QVERIFY(shown->findItems(QStringLiteral("Okänd mat"), Qt::MatchContains).isEmpty());
        QCOMPARE(w->windowTitle(), QStringLiteral("Egna livsmedel per 100 gram"));
        QCOMPARE(child<QLabel>(w, QStringLiteral("Label2"))->text(),
                 QStringLiteral("Egna livsmedel per 100 gram"));

        // Changing the table lists the same nutrient again.
        clickButton(child<QRadioButton>(w, QStringLiteral("RadioGroup1Item0")));
        QCOMPARE(w->windowTitle(), QStringLiteral("Livsmedelsverket per 100 gram"));
        QVERIFY(shown->findItems(QStringLiteral("Proteinpulver"), Qt::MatchContains).isEmpty());
    }

    void printoutWritesTheRichestLines() {
        TFormToppen* w = openFromMenu();
        QVERIFY(w);
        clickButton(child<QRadioButton>(w, QStringLiteral("RadioGroup1Item2")));
        clickItem(child<QListWidget>(w, QStringLiteral("ListBox1")), 2);
        f->dialogs.queueInput(QStringLiteral("1"));
        clickButton(w, QStringLiteral("Button1"));
        QCOMPARE(f->dialogs.prompts,
                 QStringList{QStringLiteral("Hur många rader vill du skriva ut?|9999=alla")});
        QCOMPARE(f->dialogs.messages.last(),
                 QStringLiteral("Utskriften finns i filen Näringstoppen.txt i mappen ") +
                     QDir::toNativeSeparators(f->data.path()));
        QFile file(f->data.filePath(QStringLiteral("Näringstoppen.txt")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = file.readAll().split('\n');
        QCOMPARE(lines.size(), 5); // four lines, each ending in CR LF
        QCOMPARE(lines.at(0), QByteArray("N\xe4ringsinneh\xe5ll Egna livsmedel per 100 gram\r"));
        QVERIFY(lines.at(3).startsWith("    900.00 "));

        // Cancel and a text that is no number do nothing.
        file.close();
        QFile::remove(file.fileName());
        f->dialogs.queueInput(std::nullopt);
        clickButton(w, QStringLiteral("Button1"));
        f->dialogs.queueInput(QStringLiteral("alla"));
        clickButton(w, QStringLiteral("Button1"));
        QVERIFY(!QFile::exists(file.fileName()));
    }
};

QTEST_MAIN(TstTopListWindow)
#include "tst_toplistwindow.moc"
