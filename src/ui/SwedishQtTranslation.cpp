#include "ui/SwedishQtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vexamat {

const char* const SwedishQtTranslation::kResource = ":/i18n/qt_sv.qm";

bool SwedishQtTranslation::install(QCoreApplication& app) {
    const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    const QString installed = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto* qtCatalogue = new QTranslator(&app);
    if (qtCatalogue->load(swedish, QStringLiteral("qtbase"), QStringLiteral("_"), installed) ||
        qtCatalogue->load(swedish, QStringLiteral("qt"), QStringLiteral("_"), installed))
        QCoreApplication::installTranslator(qtCatalogue);
    else
        delete qtCatalogue;

    // Installed last, so it is asked first.
    auto* own = new QTranslator(&app);
    if (!own->load(QString::fromLatin1(kResource))) {
        delete own;
        return false;
    }
    QCoreApplication::installTranslator(own);
    return true;
}

} // namespace vexamat
