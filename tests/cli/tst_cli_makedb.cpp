#include "support/CliRunner.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vexamat;

namespace {

int run(const QStringList& args, QString* err) {
    const CliRunner::Result r = CliRunner::run(args);
    *err = r.err();
    if (!r.problem.isEmpty())
        qWarning("%s", qPrintable(r.problem));
    return r.exitCode;
}

} // namespace

class TstCliMakeDb : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void buildsTheBundledData() {
        QTemporaryDir out;
        QString err;
        QCOMPARE(
            run({QStringLiteral("make-db"), QStringLiteral("--source"),
                 qEnvironmentVariable("VEXAMAT_SOURCE_DATA"), QStringLiteral("--out"), out.path()},
                &err),
            0);
        QVERIFY(QFile::exists(out.filePath(QStringLiteral("vexamat.db"))));
        QVERIFY(QFile::exists(out.filePath(QStringLiteral("nvnamn.txt"))));
    }

    void namesTheFaultAndFails() {
        QTemporaryDir source;
        QTemporaryDir out;
        QFile csv(source.filePath(QStringLiteral("fabrikant.csv")));
        QVERIFY(csv.open(QIODevice::WriteOnly));
        csv.write("Kod,Livsmedel\n");
        csv.close();
        QString err;
        QCOMPARE(run({QStringLiteral("make-db"), QStringLiteral("--source"), source.path(),
                      QStringLiteral("--out"), out.path()},
                     &err),
                 1);
        QVERIFY2(err.contains(QStringLiteral("fabrikant.csv, rad 1")), qPrintable(err));
    }

    void unknownCommandIsAnError() {
        QString err;
        QCOMPARE(run({QStringLiteral("finns-inte")}, &err), 2);
        QVERIFY(err.contains(QStringLiteral("Okänt kommando")));
    }
};

QTEST_GUILESS_MAIN(TstCliMakeDb)
#include "tst_cli_makedb.moc"
