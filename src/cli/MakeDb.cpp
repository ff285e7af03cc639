#include "cli/Commands.h"

#include "core/catalogue/DefaultDataBuilder.h"

#include <QCommandLineParser>
#include <QTextStream>

int runMakeDb(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Bygger datamappen ur standarddata."));
    QCommandLineOption source(QStringLiteral("source"),
                              QStringLiteral("Mappen med CSV- och textfiler."),
                              QStringLiteral("DIR"));
    QCommandLineOption out(QStringLiteral("out"), QStringLiteral("Datamappen som byggs."),
                           QStringLiteral("DIR"));
    parser.addOption(source);
    parser.addOption(out);
    parser.addHelpOption();
    if (!parser.parse(QStringList{QStringLiteral("make-db")} + arguments) ||
        !parser.isSet(source) || !parser.isSet(out)) {
        QTextStream(stderr) << "make-db: ange --source DIR och --out DIR\n";
        return 2;
    }
    QString error;
    if (!vexamat::DefaultDataBuilder::build(parser.value(source), parser.value(out), &error)) {
        QTextStream(stderr) << "make-db: " << error << "\n";
        return 1;
    }
    return 0;
}
