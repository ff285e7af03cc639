#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <algorithm>

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run run(const QString& program, const QStringList& arguments,
        const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    Run result;
    if (!process.waitForFinished(180000) || process.exitStatus() != QProcess::NormalExit) {
        result.err = QStringLiteral("%1 did not finish: %2").arg(program, process.errorString());
        return result;
    }
    result.exitCode = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

QString tool(const QString& name) {
    return QStandardPaths::findExecutable(name);
}

} // namespace

class TstInstall : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_prefix;

    QString installed(const QString& relative) const { return m_prefix.filePath(relative); }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_prefix.isValid());
        const Run install = run(QStringLiteral(VEXAMAT_CMAKE),
                                {QStringLiteral("--install"), QStringLiteral(VEXAMAT_BUILD_DIR),
                                 QStringLiteral("--prefix"), m_prefix.path()});
        QVERIFY2(install.exitCode == 0, qPrintable(install.out + install.err));
    }

    void everyFileIsInItsPlace_data() {
        QTest::addColumn<QString>("path");
        for (const char* path : {
                 "bin/vexamat",
                 "bin/vexamat-cli",
                 "share/vexamat/data/vexamat.db",
                 "share/vexamat/data/nvnamn.txt",
                 "share/applications/se.vexamat.Vexamat.desktop",
                 "share/metainfo/se.vexamat.Vexamat.metainfo.xml",
                 "share/mime/packages/se.vexamat.Vexamat.xml",
                 "share/icons/hicolor/scalable/apps/se.vexamat.Vexamat.svg",
                 "share/icons/hicolor/48x48/apps/se.vexamat.Vexamat.png",
                 "share/icons/hicolor/128x128/apps/se.vexamat.Vexamat.png",
                 "share/icons/hicolor/256x256/apps/se.vexamat.Vexamat.png",
                 "share/man/man1/vexamat.1.gz",
                 "share/man/man1/vexamat-cli.1.gz",
             })
            QTest::newRow(path) << QString::fromLatin1(path);
    }
    void everyFileIsInItsPlace() {
        QFETCH(QString, path);
        const QFileInfo info(installed(path));
        QVERIFY2(info.isFile() && info.size() > 0, qPrintable(info.filePath()));
    }

    void theIconsHaveTheirSizes_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("48") << 48;
        QTest::newRow("128") << 128;
        QTest::newRow("256") << 256;
    }
    void theIconsHaveTheirSizes() {
        QFETCH(int, size);
        QFile png(installed(
            QStringLiteral("share/icons/hicolor/%1x%1/apps/se.vexamat.Vexamat.png").arg(size)));
        QVERIFY(png.open(QIODevice::ReadOnly));
        // The IHDR chunk: width and height, big-endian, at bytes 16 and 20.
        const QByteArray head = png.read(24);
        QCOMPARE(head.left(8), QByteArray("\x89PNG\r\n\x1a\n"));
        QCOMPARE(qFromBigEndian<quint32>(head.constData() + 16), quint32(size));
        QCOMPARE(qFromBigEndian<quint32>(head.constData() + 20), quint32(size));
    }

    void theDesktopEntryIsValid() {
        const QString validator = tool(QStringLiteral("desktop-file-validate"));
        QVERIFY2(!validator.isEmpty(), "desktop-file-validate (desktop-file-utils) is missing");
        const Run check =
            run(validator,
                {installed(QStringLiteral("share/applications/se.vexamat.Vexamat.desktop"))});
        QVERIFY2(check.exitCode == 0, qPrintable(check.out + check.err));
        QVERIFY2(!check.out.contains(QStringLiteral("error")), qPrintable(check.out));
    }

    void theMetainfoIsValid() {
        const QString validator = tool(QStringLiteral("appstreamcli"));
        QVERIFY2(!validator.isEmpty(), "appstreamcli (appstream) is missing");
        // --no-net: the check never depends on reaching the network.
        const Run check =
            run(validator,
                {QStringLiteral("validate"), QStringLiteral("--no-net"),
                 installed(QStringLiteral("share/metainfo/se.vexamat.Vexamat.metainfo.xml"))});
        QVERIFY2(check.exitCode == 0, qPrintable(check.out + check.err));
    }

    void vexaFilesAreVexamatRegistrations() {
        const QString updater = tool(QStringLiteral("update-mime-database"));
        QVERIFY2(!updater.isEmpty(), "update-mime-database (shared-mime-info) is missing");
        // The file type as the desktop's database compiles it, in a folder of the test's own.
        QTemporaryDir mime;
        QVERIFY(QDir().mkpath(mime.filePath(QStringLiteral("packages"))));
        QVERIFY(QFile::copy(installed(QStringLiteral("share/mime/packages/se.vexamat.Vexamat.xml")),
                            mime.filePath(QStringLiteral("packages/se.vexamat.Vexamat.xml"))));
        const Run update = run(updater, {mime.path()});
        QVERIFY2(update.exitCode == 0, qPrintable(update.out + update.err));
        QFile globs(mime.filePath(QStringLiteral("globs2")));
        QVERIFY(globs.open(QIODevice::ReadOnly));
        const QString type = QStringLiteral("application/x-vexamat-registration");
        QVERIFY(QString::fromUtf8(globs.readAll()).contains(type + QStringLiteral(":*.vexa")));

        // The menu entry opens that type.
        QFile entry(installed(QStringLiteral("share/applications/se.vexamat.Vexamat.desktop")));
        QVERIFY(entry.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(entry.readAll());
        QVERIFY(text.contains(QStringLiteral("\nMimeType=") + type + QLatin1Char(';')));
        QVERIFY(text.contains(QStringLiteral("\nExec=vexamat %f\n")));
    }

    void theInstalledToolSearchesTheInstalledData() {
        // A home of its own: the per-user data folder is filled from the installed data.
        QTemporaryDir home;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
        env.remove(QStringLiteral("VEXAMAT_DATA"));
        const Run search = run(installed(QStringLiteral("bin/vexamat-cli")),
                               {QStringLiteral("search"), QStringLiteral("mjölk")}, env);
        QVERIFY2(search.exitCode == 0, qPrintable(search.err));
        // A food line: its name, a tab, and the companion line with the food's code in braces.
        const QStringList lines = search.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        const auto food = std::find_if(lines.begin(), lines.end(), [](const QString& line) {
            return line.section(QLatin1Char('\t'), 0, 0)
                       .contains(QStringLiteral("jölk"), Qt::CaseInsensitive) &&
                   line.section(QLatin1Char('\t'), 1).contains(QLatin1Char('{'));
        });
        QVERIFY2(food != lines.end(), qPrintable(search.out));
        QVERIFY(QFileInfo::exists(home.filePath(QStringLiteral("data/vexamat/vexamat.db"))));
    }
};

QTEST_GUILESS_MAIN(TstInstall)
#include "tst_install.moc"
