#include "core/AppState.h"
#include "core/DataFolder.h"
#include "ui/QtDialogs.h"
#include "ui/SwedishQtTranslation.h"
#include "ui/app/TForm1.h"
#include "ui/app/WindowSet.h"
#include "ui/files/RegistrationFiles.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QLocale>
#include <QMessageBox>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vexamat"));
    QApplication::setApplicationDisplayName(QStringLiteral("Vexamat"));
    QApplication::setApplicationVersion(QStringLiteral("0.1"));

    // Qt's own dialogs, buttons and menus in Swedish.
    if (!vexamat::SwedishQtTranslation::install(app))
        qWarning("Vexamat: the Swedish texts for Qt's dialogs could not be loaded");
    const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    QLocale::setDefault(swedish);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Vexamat: kostregistrering och näringsberäkning."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataOption(QStringLiteral("data"), QStringLiteral("Datamappen."),
                                        QStringLiteral("DIR"));
    const QCommandLineOption screenshotOption(
        QStringLiteral("screenshot"),
        QStringLiteral("Sparar en bild av huvudfönstret när starten är klar och avslutar."),
        QStringLiteral("FILE.png"));
    parser.addOption(dataOption);
    parser.addOption(screenshotOption);
    parser.addPositionalArgument(QStringLiteral("FIL.vexa"),
                                 QStringLiteral("En sparad registrering att öppna."),
                                 QStringLiteral("[FIL.vexa]"));
    parser.process(app);

    vexamat::QtDialogs dialogs;
    const QString defaults = vexamat::DataFolder::findDefaults(
        QApplication::applicationDirPath(), QStringLiteral(VEXAMAT_BUILD_DATA_DIR));
    const vexamat::DataFolder::Result folder = vexamat::DataFolder::resolve(
        parser.value(dataOption), defaults, vexamat::DataFolder::NewFolder::Create);
    if (!folder.error.isEmpty()) {
        dialogs.message(nullptr, folder.error, vexamat::Dialogs::Icon::Error);
        return 1;
    }
    // Paths given on the command line are relative to where the program was started.
    const QString screenshot =
        parser.isSet(screenshotOption)
            ? QDir::current().absoluteFilePath(parser.value(screenshotOption))
            : QString();
    const QString registration =
        parser.positionalArguments().isEmpty()
            ? QString()
            : QDir::current().absoluteFilePath(parser.positionalArguments().first());
    // The data folder is the working folder of the run.
    QDir::setCurrent(folder.path);

    auto state = std::make_unique<vexamat::AppState>();
    state->DataDir = folder.path;
    vexamat::WindowSet windows(*state, dialogs);
    if (windows.create() == vexamat::WindowSet::Result::Fatal)
        return 1;
    vexamat::TForm1* mainWindow = windows.mainWindow();
    mainWindow->show();
    if (!registration.isEmpty())
        mainWindow->registrationFiles().openGiven(registration);

    if (!screenshot.isEmpty()) {
        QTimer::singleShot(200, mainWindow, [mainWindow, screenshot] {
            const bool saved = mainWindow->grab().save(screenshot);
            QApplication::exit(saved ? 0 : 1);
        });
    }
    return app.exec();
}
