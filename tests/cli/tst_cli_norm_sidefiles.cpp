#include "support/CliRunner.h"
#include "support/TempDataFolder.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace vexamat;

class TestCliNormSideFiles : public QObject {
    Q_OBJECT
private:
    TempDataFolder m_data;

private Q_SLOTS:
    void activityListGivesTheActivityNorm() {
        QVERIFY(m_data.isValid());
        m_data.write(QStringLiteral("dag.akt"),
                     "40\r\n80\r\n1\r\nVolleyboll (4.0)\r\n60\r\n4.0\r\n\r\n\r\n\r\n");
        const CliRunner::Result r =
            CliRunner::run({"norm", m_data.filePath(QStringLiteral("dag.akt")), "--data",
                            m_data.path(), "--json"});
        QVERIFY2(r.exitCode == 0, qPrintable(r.problem + r.err()));
        const QJsonObject root = QJsonDocument::fromJson(r.standardOutput).object();
        QCOMPARE(root.value("kind").toString(), QStringLiteral("aktivnorm"));
        QCOMPARE(root.value("label").toString(),
                 QStringLiteral("Man 40 år, 80 kg.  2033 kcal/dag"));
        QCOMPARE(qRound(root.value("bmr_kcal").toDouble()), 1807);
        QCOMPARE(qRound(root.value("minutes_left").toDouble()), 1380);
        QCOMPARE(qRound(root.value("need").toObject().value("16").toDouble()), 2033);
        // Iron from the standard norm of men 31-60.
        QCOMPARE(root.value("need").toObject().value("36").toDouble(), 9.0);
    }

    void perKgNormGivesItsStoredDayNorm() {
        QByteArray kropp = "Man\r\n20\r\n4\r\n";
        for (int c = 0; c < 72; ++c)
            kropp += c == 1 ? "1500\r\n" : c == 0 ? "6300\r\n" : "2,5\r\n";
        kropp += QByteArray("\r\n").repeated(15) + QByteArray("dummy\r\n").repeated(10);
        m_data.write(QStringLiteral("barn.kropp"), kropp);
        QByteArray norm = QByteArray("reserv\r\n").repeated(10) +
                          "kgkroppsviktnorm\r\nNorm per kg kroppsvikt: Barn   1500 kcal/dag\r\n";
        m_data.write(QStringLiteral("barn.norm"), norm);
        const CliRunner::Result r =
            CliRunner::run({"norm", m_data.filePath(QStringLiteral("barn.kropp")), "--data",
                            m_data.path(), "--json"});
        QVERIFY2(r.exitCode == 0, qPrintable(r.problem + r.err()));
        const QJsonObject root = QJsonDocument::fromJson(r.standardOutput).object();
        QCOMPARE(root.value("kind").toString(), QStringLiteral("kgkroppsviktnorm"));
        QCOMPARE(root.value("label").toString(),
                 QStringLiteral("Norm per kg kroppsvikt: Barn   1500 kcal/dag"));
        QCOMPARE(root.value("need").toObject().value("16").toDouble(), 1500.0);
        QCOMPARE(root.value("need").toObject().value("36").toDouble(), 2.5);
    }

    void ketogenicInputsGiveTheirPlan() {
        QByteArray keto = "Kvinna\r\n6\r\n20\r\n80\r\n1,5\r\n4\r\n4\r\n";
        keto += QByteArray("\r\n").repeated(87) + QByteArray("dummy\r\n").repeated(10);
        m_data.write(QStringLiteral("keto.ketogen"), keto);
        const CliRunner::Result r =
            CliRunner::run({"norm", m_data.filePath(QStringLiteral("keto.ketogen")), "--data",
                            m_data.path(), "--json"});
        QVERIFY2(r.exitCode == 0, qPrintable(r.problem + r.err()));
        const QJsonObject root = QJsonDocument::fromJson(r.standardOutput).object();
        QCOMPARE(root.value("kind").toString(), QStringLiteral("ketogennorm"));
        QCOMPARE(root.value("label").toString(),
                 QStringLiteral("Ketogen norm: 4 måltider/dag, Kvinna  6 år, 1600,00 kcal/dag"));
        QCOMPARE(root.value("need").toObject().value("20").toDouble(), 160.0);
        QCOMPARE(root.value("carbohydrate_g").toDouble(), 10.0);
        QCOMPARE(root.value("need").toObject().value("36").toDouble(), 11.0);
    }

    void damagedListIsAnError() {
        m_data.write(QStringLiteral("trasig.akt"), "40\r\n80\r\nman\r\n");
        const CliRunner::Result r = CliRunner::run(
            {"norm", m_data.filePath(QStringLiteral("trasig.akt")), "--data", m_data.path()});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err().contains(QStringLiteral("Kan ej öppna aktivitetslistan")),
                 qPrintable(r.err()));
        QVERIFY(r.err().contains(QStringLiteral("rad 3")));
    }
};

QTEST_GUILESS_MAIN(TestCliNormSideFiles)
#include "tst_cli_norm_sidefiles.moc"
