#include "support/UserActions.h"
#include "ui/SwedishQtTranslation.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

#include <memory>

using namespace vexamat;

namespace {

// An action's text as a menu shows it: without the shortcut after the tab.
QStringList menuTexts(const QMenu& menu) {
    QStringList texts;
    for (const QAction* action : menu.actions()) {
        if (!action->isSeparator())
            texts << action->text().section(QLatin1Char('\t'), 0, 0);
    }
    return texts;
}

} // namespace

// Qt's own dialogs and menus, as the program shows them, speak Swedish once the program's
// translation is installed, as main() installs it.
class TstSwedishQt : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QVERIFY(SwedishQtTranslation::install(*qApp)); }

    void fileDialogToOpen() {
        QTemporaryDir dir;
        QFileDialog dialog(nullptr, QStringLiteral("Öppna registrering"), dir.path(),
                           QStringLiteral("Registreringar (*.vexa)"));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.show();
        QCOMPARE(child<QLabel>(&dialog, QStringLiteral("lookInLabel"))->text(), "Leta i:");
        QCOMPARE(child<QLabel>(&dialog, QStringLiteral("fileNameLabel"))->text(), "Fil&namn:");
        QCOMPARE(child<QLabel>(&dialog, QStringLiteral("fileTypeLabel"))->text(),
                 "Filer av typen:");
        auto* buttons = child<QDialogButtonBox>(&dialog, QStringLiteral("buttonBox"));
        QCOMPARE(buttons->button(QDialogButtonBox::Open)->text(), "&Öppna");
        QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&')),
                 "Avbryt");
        QStringList tips;
        for (const char* name : {"backButton", "forwardButton", "toParentButton", "newFolderButton",
                                 "listModeButton", "detailModeButton"})
            tips << child<QToolButton>(&dialog, QString::fromLatin1(name))->toolTip();
        QCOMPARE(tips, (QStringList{"Bakåt", "Framåt", "Överordnad mapp", "Skapa ny mapp", "Listvy",
                                    "Detaljvy"}));
        auto* details = child<QTreeView>(&dialog, QStringLiteral("treeView"));
        QStringList headings;
        for (int c = 0; c < 4; ++c)
            headings << details->model()->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(headings, (QStringList{"Namn", "Storlek", "Typ", "Ändrad"}));
    }

    void fileDialogToSave() {
        QTemporaryDir dir;
        QFileDialog dialog(nullptr, QStringLiteral("Spara registrering"), dir.path());
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.show();
        auto* buttons = child<QDialogButtonBox>(&dialog, QStringLiteral("buttonBox"));
        QCOMPARE(buttons->button(QDialogButtonBox::Save)->text(), "&Spara");
        // Without a filter of the program's own, the dialog offers all files.
        QCOMPARE(child<QComboBox>(&dialog, QStringLiteral("fileTypeCombo"))->currentText(),
                 "Alla filer (*)");
    }

    void standardButtons() {
        QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        QCOMPARE(box.button(QDialogButtonBox::Cancel)->text().remove(QLatin1Char('&')), "Avbryt");
        QCOMPARE(box.button(QDialogButtonBox::Ok)->text().remove(QLatin1Char('&')), "OK");
        QMessageBox question(QMessageBox::Question, QStringLiteral("Vexamat"),
                             QStringLiteral("Vill du spara?"),
                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(question.button(QMessageBox::Yes)->text(), "&Ja");
        QCOMPARE(question.button(QMessageBox::No)->text(), "&Nej");
        QCOMPARE(question.button(QMessageBox::Cancel)->text().remove(QLatin1Char('&')), "Avbryt");
        QInputDialog input;
        input.show();
        const QList<QPushButton*> inputButtons = input.findChildren<QPushButton*>();
        QStringList texts;
        for (const QPushButton* b : inputButtons)
            texts << b->text().remove(QLatin1Char('&'));
        QVERIFY2(texts.contains("Avbryt"), qPrintable(texts.join(',')));
    }

    void lineEditMenu() {
        QLineEdit edit(QStringLiteral("gröt"));
        const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
        QCOMPARE(menuTexts(*menu), (QStringList{"&Ångra", "&Gör om", "Klipp u&t", "&Kopiera",
                                                "Klistra &in", "Ta bort", "Markera allt"}));
    }
};

QTEST_MAIN(TstSwedishQt)
#include "tst_swedishqt.moc"
