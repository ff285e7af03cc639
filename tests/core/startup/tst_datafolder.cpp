#include "core/DataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace vexamat;

namespace {
void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class TstDataFolder : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_defaults;

private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        writeFile(m_defaults.filePath(QStringLiteral("vexamat.db")), "db");
        writeFile(m_defaults.filePath(QStringLiteral("nvnamn.txt")), "names");
    }

    void commandLineWinsOverEnvironment() {
        QTemporaryDir given;
        QTemporaryDir env;
        qputenv("VEXAMAT_DATA", env.path().toUtf8());
        const auto result = DataFolder::resolve(given.path(), m_defaults.path());
        QCOMPARE(result.path, given.path());
        QVERIFY(result.error.isEmpty());
        QCOMPARE(DataFolder::resolve(QString(), m_defaults.path()).path, env.path());
        qunsetenv("VEXAMAT_DATA");
    }

    void missingFolderIsReported() {
        const auto result = DataFolder::resolve(QStringLiteral("/finns/inte"), m_defaults.path());
        QVERIFY(result.error.contains(QStringLiteral("/finns/inte")));
        QVERIFY(!QFileInfo::exists(QStringLiteral("/finns/inte")));
    }

    void chosenNewFolderIsCreatedAndFilled_data() {
        QTest::addColumn<bool>("fromEnvironment");
        QTest::addColumn<bool>("existsEmpty");
        QTest::newRow("--data, missing") << false << false;
        QTest::newRow("--data, empty") << false << true;
        QTest::newRow("VEXAMAT_DATA, missing") << true << false;
    }
    void chosenNewFolderIsCreatedAndFilled() {
        QFETCH(bool, fromEnvironment);
        QFETCH(bool, existsEmpty);
        QTemporaryDir parent;
        const QString dir = parent.filePath(QStringLiteral("ny/vexamat-data"));
        if (existsEmpty)
            QVERIFY(QDir().mkpath(dir));
        if (fromEnvironment)
            qputenv("VEXAMAT_DATA", dir.toUtf8());
        const auto result = DataFolder::resolve(fromEnvironment ? QString() : dir,
                                                m_defaults.path(), DataFolder::NewFolder::Create);
        qunsetenv("VEXAMAT_DATA");
        QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
        QCOMPARE(result.path, dir);
        QCOMPARE(readFile(QDir(dir).filePath(QStringLiteral("vexamat.db"))), QByteArray("db"));
        QCOMPARE(readFile(QDir(dir).filePath(QStringLiteral("nvnamn.txt"))), QByteArray("names"));
    }

    void chosenFolderWithFilesIsLeftAsItIs() {
        QTemporaryDir given;
        writeFile(given.filePath(QStringLiteral("anteckningar.txt")), "mine");
        const auto result =
            DataFolder::resolve(given.path(), m_defaults.path(), DataFolder::NewFolder::Create);
        QVERIFY(result.error.isEmpty());
        QVERIFY(!QFileInfo::exists(given.filePath(QStringLiteral("vexamat.db"))));
    }

    void newFolderWithoutDefaultsIsReported() {
        QTemporaryDir parent;
        const QString dir = parent.filePath(QStringLiteral("ny"));
        const auto result = DataFolder::resolve(dir, parent.filePath(QStringLiteral("saknas")),
                                                DataFolder::NewFolder::Create);
        QVERIFY(result.error.startsWith(QStringLiteral("Standarddata saknas")));
    }

    void readingCommandsDoNotCreateAFolder() {
        QTemporaryDir parent;
        const QString dir = parent.filePath(QStringLiteral("ny"));
        const auto result = DataFolder::resolve(dir, m_defaults.path());
        QCOMPARE(result.error, QStringLiteral("Datamappen %1 finns inte.").arg(dir));
        QVERIFY(!QFileInfo::exists(dir));
    }

    void perUserFolderIsFilledOnceAndKeepsTheUsersFiles() {
        qunsetenv("VEXAMAT_DATA");
        const QString userDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir(userDir).removeRecursively();
        auto result = DataFolder::resolve(QString(), m_defaults.path());
        QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
        QCOMPARE(readFile(QDir(result.path).filePath(QStringLiteral("nvnamn.txt"))),
                 QByteArray("names"));
        writeFile(QDir(result.path).filePath(QStringLiteral("vexamat.db")), "the user's own");
        result = DataFolder::resolve(QString(), m_defaults.path());
        QCOMPARE(readFile(QDir(result.path).filePath(QStringLiteral("vexamat.db"))),
                 QByteArray("the user's own"));
        QDir(userDir).removeRecursively();
    }
};

QTEST_GUILESS_MAIN(TstDataFolder)
#include "tst_datafolder.moc"
