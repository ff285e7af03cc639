#include "support/CliRunner.h"
#include "support/TempDataFolder.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace vexamat;

namespace {

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

const QByteArray kDummies = QByteArray("dummy\r\n").repeated(10);

// An own norm of 2180 kcal: the 72 values (all 1 beyond the energy), 15 empty cells.
QByteArray ownNormFile() {
    QByteArray bytes("Kvinna\r\n2180\r\n50\r\n15\r\n30\r\n55\r\n9121\r\n2180\r\n");
    bytes += QByteArray("1\r\n").repeated(70) + QByteArray("\r\n").repeated(15);
    return bytes + kDummies;
}

} // namespace

class TestCliNorm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sideFileGivesTheWindowsNorm_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("label");
        QTest::addColumn<double>("kcal");
        QTest::addColumn<QString>("figure");
        QTest::addColumn<double>("figureValue");
        QTest::newRow("person")
            << "anna.pers"
            << QByteArray("Kvinna\r\n35\r\n60\r\n165\r\n0\r\n0\r\n140\r\n0\r\n1\r\n180\r\n") +
                   kDummies
            << "personnorm"
            << "Kvinna 35 år, 60 kg.  1708 kcal/dag" << 1707.6 << "bmi" << 22.04;
        QTest::newRow("own energy norm")
            << "egen.enorm" << ownNormFile() << "egennorm"
            << "Norm: Kvinna  50 år 2180 kcal/dag" << 2180.0 << "energy_kj" << 9121.0;
        QTest::newRow("Harris-Benedict")
            << "hb.harris" << QByteArray("Man\r\n40\r\n80\r\n180\r\n1.4\r\n") + kDummies
            << "harrisnorm"
            << "Norm: Harris Benedict, Man  40 år 2507 kcal per dag" << 2507.0 << "bmr" << 1790.5;
    }
    void sideFileGivesTheWindowsNorm() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, kind);
        QFETCH(QString, label);
        QFETCH(double, kcal);
        QFETCH(QString, figure);
        QFETCH(double, figureValue);
        QTemporaryDir dir;
        const QString path = writeFile(dir, name, bytes);
        const CliRunner::Result r =
            CliRunner::run({"norm", path, "--data", TempDataFolder::builtData(), "--json"});
        QVERIFY2(r.exitCode == 0, qPrintable(r.problem + r.err()));
        const QJsonObject root = QJsonDocument::fromJson(r.standardOutput).object();
        QCOMPARE(root.value("kind").toString(), kind);
        QCOMPARE(root.value("label").toString(), label);
        QVERIFY(qAbs(root.value("need").toObject().value("16").toDouble() - kcal) < 0.1);
        QVERIFY2(qAbs(root.value(figure).toDouble() - figureValue) < 0.01,
                 qPrintable(QString::number(root.value(figure).toDouble())));
    }

    void damagedSideFileIsAnError_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        QTest::newRow("person, line 5")
            << "p.pers" << QByteArray("Kvinna\r\n35\r\n60\r\n165\r\nx\r\n")
            << "Filen är skadad på rad 5: \"x\".";
        QTest::newRow("own energy norm, letters")
            << "e.enorm" << QByteArray("Kvinna\r\n2180\r\n50\r\n15\r\n30\r\n55\r\nx\r\n")
            << "Filen är skadad på rad 7: \"x\".";
        QTest::newRow("Harris-Benedict, no estimate")
            << "h.harris" << QByteArray("Man\r\n40\r\n80\r\n180\r\n0.9\r\n") + kDummies
            << "Uppgifterna ej korrekt ifyllda.";
        QTest::newRow("person, refused")
            << "p.pers"
            << QByteArray("Kvinna\r\n10\r\n30\r\n140\r\n0\r\n0\r\n140\r\n0\r\n1\r\n180\r\n") +
                   kDummies
            << "Personuppgifter ej godkända.";
    }
    void damagedSideFileIsAnError() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QString path = writeFile(dir, name, bytes);
        const CliRunner::Result r =
            CliRunner::run({"norm", path, "--data", TempDataFolder::builtData()});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err().contains(error), qPrintable(r.err()));
        QVERIFY(r.standardOutput.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCliNorm)
#include "tst_cli_norm.moc"
