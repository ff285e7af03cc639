#include "support/MainWindowFixture.h"
#include "support/UserActions.h"
#include "ui/Windows.h"
#include "ui/analysis/Tformnvval.h"
#include "ui/app/TForm1.h"
#include "ui/reports/TFormLivsBehov.h"
#include "ui/reports/TFormStatistik.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace vexamat;

namespace {

MealRow milk(float gram) {
    MealRow r;
    r.kod = QStringLiteral("1_101");
    r.livsmedel = QStringLiteral("Mjölk");
    r.enhet = QStringLiteral("g");
    r.enhetsvikt = 1;
    r.gram = gram;
    r.naring.fill(0.0f);
    r.naring[nutrientSlot(nutrient::Kj)] = 247;
    r.naring[nutrientSlot(nutrient::Protein)] = 3.4f;
    return r;
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<no file>");
}

const QString kNoMode =
    QStringLiteral("Du måste välja om det ska vara ny fil eller tillägg till befintlig");

} // namespace

class TstExportWindows : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        f = std::make_unique<MainWindowFixture>();
        f->form()->show();
        if (!f->form()->isExtendedLayout())
            clickButton(f->form(), QStringLiteral("ButtonEnklare"));
        // Day 1: 200 g milk at breakfast; day 3: 100 g at dinner.
        f->state->registration.row(0, 0, 1) = milk(200);
        f->state->registration.row(2, 2, 1) = milk(100);
        f->form()->Recalculate();
    }
    void cleanup() {
        f->dialogs.verifyAllUsed();
        f.reset();
    }

    void statisticsItemShowsTheSelectionBesideIt() {
        triggerAction(f->form(), QStringLiteral("Utskrifttillstatistikfil1"));
        QWidget* stats = f->windows().FormStatistik;
        QWidget* selection = f->windows().formnvval;
        QTRY_VERIFY(stats->isVisible());
        QVERIFY(selection->isVisible());
        QCOMPARE(stats->windowTitle(), QStringLiteral("Vilken typ av statistikfil vill du skapa?"));
        stats->close();
        QVERIFY(!stats->isVisible());
        QVERIFY(!selection->isVisible());
    }

    void itemsShowOnlyInTheExtendedLayout() {
        for (const char* name : {"Utskrifttillstatistikfil1", "Utskriftlivsmedelsbehov1"})
            QVERIFY2(child<QAction>(f->form(), QString::fromLatin1(name))->isVisible(), name);
        clickButton(f->form(), QStringLiteral("ButtonEnklare"));
        for (const char* name : {"Utskrifttillstatistikfil1", "Utskriftlivsmedelsbehov1"})
            QVERIFY2(!child<QAction>(f->form(), QString::fromLatin1(name))->isVisible(), name);
    }

    // kJ and protein marked in the selection window (without its OK), a new per-day file,
    // then a detailed block added to it.
    void statisticsFileThroughTheWindow() {
        triggerAction(f->form(), QStringLiteral("Utskrifttillstatistikfil1"));
        auto* stats = f->windows().FormStatistik;
        QTRY_VERIFY(stats->isVisible());
        for (QCheckBox* box : f->windows().formnvval->findChildren<QCheckBox*>()) {
            const bool wanted = box->objectName() == QLatin1String("cbox15") ||
                                box->objectName() == QLatin1String("cbox19");
            if (box->isChecked() != wanted)
                clickButton(box);
        }
        typeText(child<QLineEdit>(stats, QStringLiteral("Edit1")), QStringLiteral("P1"));
        clickButton(stats, QStringLiteral("rgrupp1Item0"));
        QTemporaryDir dir;
        f->dialogs.queueFileName(dir.filePath(QStringLiteral("studie")));
        clickButton(stats, QStringLiteral("Button1"));
        const QString path = dir.filePath(QStringLiteral("studie.skv"));
        QCOMPARE(f->dialogs.fileDialogs, QStringList{QStringLiteral("Välj statistikfil")});
        QCOMPARE(f->dialogs.messages.last(),
                 QStringLiteral("Statistik utskrivet till filen:   ") + path);
        const QByteArray perDay = "Identitet;DAG;Energi kJ;Protein g;\r\n"
                                  "P1;Dag 1;494;6,8;\r\n"
                                  "P1;Dag 3;247;3,4;\r\n";
        QCOMPARE(readAll(path), perDay);

        child<QLineEdit>(stats, QStringLiteral("Edit1"))->clear();
        typeText(child<QLineEdit>(stats, QStringLiteral("Edit1")), QStringLiteral("P2"));
        clickButton(stats, QStringLiteral("rgrupp1Item1"));
        clickButton(stats, QStringLiteral("rgrupp2Item1"));
        f->dialogs.queueFileName(path);
        clickButton(stats, QStringLiteral("Button1"));
        QCOMPARE(readAll(path), perDay + "P2;Dag 1;Frukost;1_101;Mj\xf6lk;200;494;6,8;\r\n"
                                         "P2;Dag 1;Frukost;Maltidsumma;;;494;6,8;\r\n"
                                         "P2;Dag 1;Dagsumma;;;;494;6,8;\r\n"
                                         "P2;Dag 3;Middag;1_101;Mj\xf6lk;100;247;3,4;\r\n"
                                         "P2;Dag 3;Middag;Maltidsumma;;;247;3,4;\r\n"
                                         "P2;Dag 3;Dagsumma;;;;247;3,4;\r\n");
    }

    void statisticsNeedsAChoiceAndAPlainIdentity() {
        triggerAction(f->form(), QStringLiteral("Utskrifttillstatistikfil1"));
        auto* stats = f->windows().FormStatistik;
        QTRY_VERIFY(stats->isVisible());
        clickButton(stats, QStringLiteral("Button1"));
        QCOMPARE(f->dialogs.messages, QStringList{kNoMode});
        typeText(child<QLineEdit>(stats, QStringLiteral("Edit1")), QStringLiteral("P1;P2"));
        clickButton(stats, QStringLiteral("rgrupp1Item1"));
        clickButton(stats, QStringLiteral("Button1"));
        QVERIFY(f->dialogs.messages.last().startsWith(
            QStringLiteral("ID för denna beräkning får inte innehålla semikolon")));
        QVERIFY(f->dialogs.fileDialogs.isEmpty());
    }

    void foodNeedsFileThroughTheWindow() {
        triggerAction(f->form(), QStringLiteral("Utskriftlivsmedelsbehov1"));
        auto* needs = f->windows().FormLivsBehov;
        QTRY_VERIFY(needs->isVisible());
        QCOMPARE(needs->windowTitle(), QStringLiteral("Livsmedelsbehov"));
        QCOMPARE(child<QLineEdit>(needs, QStringLiteral("Edit1"))->text(),
                 QStringLiteral("Vecka 1"));
        clickButton(needs, QStringLiteral("ButtonOK"));
        QCOMPARE(f->dialogs.messages, QStringList{kNoMode});

        clickButton(needs, QStringLiteral("rgrupp1Item1"));
        QTemporaryDir dir;
        f->dialogs.queueFileName(QString()); // cancelled: nothing written, nothing said
        clickButton(needs, QStringLiteral("ButtonOK"));
        QCOMPARE(f->dialogs.messages.size(), 1);

        f->dialogs.queueFileName(dir.filePath(QStringLiteral("meny.txt")));
        clickButton(needs, QStringLiteral("ButtonOK"));
        const QString path = dir.filePath(QStringLiteral("meny.vexagram"));
        QCOMPARE(f->dialogs.fileDialogs.last(), QStringLiteral("Välj fil för livsmedelsbehov"));
        QCOMPARE(f->dialogs.messages.last(),
                 QStringLiteral("Livsmedelsbehov utskrivet till filen:   ") + path);
        QCOMPARE(readAll(path), QByteArray("Vecka 1;Dag 1;Frukost;1_101;Mj\xf6lk;200\r\n"
                                           "Vecka 1;Dag 1;Dagsumma;1_101;Mj\xf6lk;200\r\n"
                                           "Vecka 1;Dag 3;Middag;1_101;Mj\xf6lk;100\r\n"
                                           "Vecka 1;Dag 3;Dagsumma;1_101;Mj\xf6lk;100\r\n"
                                           "Vecka 1;Periodsumma;;1_101;Mj\xf6lk;300\r\n"));
    }

private:
    std::unique_ptr<MainWindowFixture> f;
};

QTEST_MAIN(TstExportWindows)
#include "tst_exportwindows.moc"
