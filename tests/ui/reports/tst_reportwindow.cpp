#include "support/MainWindowFixture.h"
#include "support/MealActions.h"
#include "support/UserActions.h"
#include "ui/Windows.h"
#include "ui/app/TForm1.h"
#include "ui/recipes/TFormRecept.h"
#include "ui/reports/ReportPreview.h"
#include "ui/reports/TFormUtskriftsval2.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace vexamat;

class TestReportWindow : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<MainWindowFixture> f;
    TForm1* form() const { return f->form(); }
    TFormUtskriftsval2* window() { return f->windows().FormUtskriftsval2; }
    QCheckBox* box(const char* name) {
        return child<QCheckBox>(window(), QString::fromLatin1(name));
    }
    void openAndChooseFile(const char* typeItem) {
        triggerAction(form(), QStringLiteral("Utskrift21"));
        QVERIFY(window()->isVisible());
        clickButton(window(), QStringLiteral("CheckBox1"));
        clickButton(window(), QString::fromLatin1(typeItem));
    }

private Q_SLOTS:
    void init() {
        f = std::make_unique<MainWindowFixture>();
        QCOMPARE(f->startResult(), WindowSet::Result::Ok);
        form()->show();
        clickButton(form(), QStringLiteral("ButtonEnklare")); // printing is in the extended layout
        addFoodFromList(form(), QStringLiteral("stroganoff"), QStringLiteral("Korv stroganoff"));
    }
    void cleanup() {
        f->dialogs.verifyAllUsed();
        f.reset();
    }

    void menuItemOpensTheWindow() {
        triggerAction(form(), QStringLiteral("Utskrift21"));
        QVERIFY(window()->isVisible());
        QCOMPARE(window()->windowTitle(), QStringLiteral("Välj typ av utskrift"));
        QVERIFY(box("CheckBoxDiagram")->isChecked());
        QVERIFY(box("CheckBoxFettsammansattning")->isChecked());
        QVERIFY(!box("CheckBoxKomprimerad")->isChecked());
        QVERIFY(!child<QGroupBox>(window(), QStringLiteral("RadioGroup3"))->isEnabled());
        QVERIFY(!box("CheckBoxCirkeldiagram")->isEnabled());
    }

    // Pies are offered only with a file: the box follows "Skriv till fil" both ways.
    void fileChoiceEnablesTypeAndPies() {
        triggerAction(form(), QStringLiteral("Utskrift21"));
        clickButton(window(), QStringLiteral("CheckBox1"));
        QVERIFY(child<QGroupBox>(window(), QStringLiteral("RadioGroup3"))->isEnabled());
        QVERIFY(box("CheckBoxCirkeldiagram")->isEnabled());
        QVERIFY(box("CheckBoxCirkeldiagram")->isChecked());
        clickButton(window(), QStringLiteral("CheckBox1"));
        QVERIFY(!child<QGroupBox>(window(), QStringLiteral("RadioGroup3"))->isEnabled());
        QVERIFY(!box("CheckBoxCirkeldiagram")->isChecked());
    }

    void pdfThroughTheWindow() {
        QTemporaryDir dir;
        const QString path = dir.filePath("kalle.pdf");
        openAndChooseFile("RadioGroup3Item0");
        typeText(child<QLineEdit>(window(), QStringLiteral("EditRubrik")),
                 QStringLiteral("Vecka 1"));
        f->dialogs.queueFileName(path);
        clickButton(window(), QStringLiteral("ButtonSkriv"));
        QCOMPARE(f->dialogs.fileDialogs, QStringList{"Spara utskriften"});
        QCOMPARE(f->dialogs.messages, QStringList());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(4) == "%PDF");
        const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QProcess p;
        p.start(pdftotext, {"-layout", path, "-"});
        QVERIFY(p.waitForFinished(30000));
        const QString text = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY(text.contains("Dag 1 Frukost"));
        QVERIFY(text.contains("Korv stroganoff"));
        QVERIFY(text.contains("* SUMMA *"));
        QVERIFY(text.contains("Vecka 1 /"));
        QVERIFY(text.contains("Energifördelning, IDEAL"));
        QCOMPARE(text.count(QLatin1Char('\f')), 1);
    }

    void htmlWithoutSuffixGetsOne() {
        QTemporaryDir dir;
        openAndChooseFile("RadioGroup3Item3");
        f->dialogs.queueFileName(dir.filePath("kalle"));
        clickButton(window(), QStringLiteral("ButtonSkriv"));
        QFile file(dir.filePath("kalle.html"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("<section>"));
    }

    void cancelWritesNothing() {
        QTemporaryDir dir;
        openAndChooseFile("RadioGroup3Item1");
        f->dialogs.queueFileName(QString());
        clickButton(window(), QStringLiteral("ButtonSkriv"));
        QCOMPARE(f->dialogs.messages, QStringList());
    }

    void previewIsShownMaximised() {
        triggerAction(form(), QStringLiteral("Utskrift21"));
        clickButton(window(), QStringLiteral("ButtonSkriv"));
        auto* preview = window()->findChild<QPrintPreviewDialog*>(
            QString::fromLatin1(ReportPreview::kObjectName));
        QVERIFY(preview);
        QVERIFY(preview->isVisible());
        QVERIFY(preview->isMaximized());
        auto* view = preview->findChild<QPrintPreviewWidget*>();
        QVERIFY(view);
        QCOMPARE(view->zoomFactor(), 1.0);
        QCOMPARE(view->pageCount(), 1);
        preview->close();
    }

    // From the recipe window and from the Arkiv menu: the portions are asked, cancel prints
    // nothing, an answer shows the preview.
    void recipePrinting() {
        triggerAction(form(), QStringLiteral("Recept1"));
        TFormRecept* recipe = f->windows().FormRecept;
        f->dialogs.queueInput(std::nullopt);
        clickButton(recipe, QStringLiteral("ButtonSkriv"));
        QCOMPARE(f->dialogs.prompts, QStringList{"Önskat antal portioner.|Hur många portioner?"});
        QVERIFY(!recipe->findChild<QPrintPreviewDialog*>());

        f->dialogs.queueInput(QStringLiteral("4"));
        triggerAction(form(), QStringLiteral("Utskriftrecept1"));
        QCOMPARE(f->dialogs.prompts.size(), 2);
        auto* preview = recipe->findChild<QPrintPreviewDialog*>(
            QString::fromLatin1(ReportPreview::kObjectName));
        QVERIFY(preview);
        QVERIFY(preview->isMaximized());
        preview->close();
    }

    void unwritableFileIsNamed() {
        QTemporaryDir dir;
        const QString path = dir.filePath("saknas/kalle.xlsx");
        openAndChooseFile("RadioGroup3Item2");
        f->dialogs.queueFileName(path);
        clickButton(window(), QStringLiteral("ButtonSkriv"));
        QCOMPARE(f->dialogs.messages, QStringList{"Kan ej skriva filen " + path});
    }
};

QTEST_MAIN(TestReportWindow)
#include "tst_reportwindow.moc"
