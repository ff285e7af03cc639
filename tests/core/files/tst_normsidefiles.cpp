#include "core/files/HarrisFile.h"
#include "core/files/OwnNormFile.h"
#include "core/files/PersonFile.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

using namespace vexamat;

namespace {

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray crlf(const QList<QByteArray>& lines) {
    QByteArray out;
    for (const QByteArray& line : lines)
        out += line + "\r\n";
    return out;
}

const QByteArray kDummies = QByteArray("dummy\r\n").repeated(10);

} // namespace

class TstNormSideFiles : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void personFileRoundTrip() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("anna.pers"));
        PersonInputs in;
        in.sex = 1;
        in.age = QStringLiteral("35");
        in.weight = QStringLiteral("72,5");
        in.height = QStringLiteral("180");
        in.work = 2;
        in.leisure = 3;
        in.healthyBmr = QStringLiteral("130");
        in.ill = 1;
        in.illBmr = 3;
        in.specialBmr = QStringLiteral("175");
        QVERIFY(PersonFile::write(path, in));
        const QByteArray expected =
            crlf({"Man", "35", "72,5", "180", "2", "3", "130", "1", "3", "175"}) + kDummies;
        QCOMPARE(readBytes(path), expected);

        PersonInputs back;
        QString error;
        QVERIFY2(PersonFile::read(path, back, &error), qPrintable(error));
        QCOMPARE(back, in);
        QVERIFY(PersonFile::write(path, back));
        QCOMPARE(readBytes(path), expected);
    }

    void damagedPersonFile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("age"); // what the reader took before it stopped
        QTest::addColumn<int>("work");    // 0 unless read
        QTest::addColumn<QString>("error");
        QTest::newRow("line 5 no integer")
            << crlf({"Kvinna", "40", "60", "165", "x", "1", "140", "0", "1", "180"}) + kDummies
            << "40" << 0 << "Filen är skadad på rad 5: \"x\".";
        QTest::newRow("work item out of range")
            << crlf({"Kvinna", "40", "60", "165", "4", "1", "140", "0", "1", "180"}) + kDummies
            << "40" << 0 << "Filen är skadad på rad 5: \"4\".";
        QTest::newRow("letters for a weight")
            << crlf({"Kvinna", "40", "sextio", "165", "1", "1", "140", "0", "1", "180"}) + kDummies
            << "40" << 0 << "Filen är skadad på rad 3: \"sextio\".";
        QTest::newRow("too short") << crlf({"Kvinna", "40", "60", "165", "2", "1"}) << "40" << 2
                                   << "Filen är för kort: rad 7 saknas.";
        QTest::newRow("empty") << QByteArray() << "" << 0 << "Filen är för kort: rad 1 saknas.";
    }
    void damagedPersonFile() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, age);
        QFETCH(int, work);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("p.pers"));
        writeBytes(path, bytes);
        PersonInputs in;
        QString reason;
        QVERIFY(!PersonFile::read(path, in, &reason));
        QCOMPARE(reason, error);
        QCOMPARE(in.age, age);
        QCOMPARE(in.work, work);
        QCOMPARE(in.healthyBmr, QStringLiteral("140")); // not reached: unchanged
    }

    void personFileThatCannotBeWritten() {
        QTemporaryDir dir;
        QString error;
        QVERIFY(!PersonFile::write(dir.filePath(QStringLiteral("saknas/p.pers")), PersonInputs{},
                                   &error));
        QVERIFY(!error.isEmpty());
    }

    void ownNormFileRoundTrip() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("anna.enorm"));
        OwnNormFile::Contents contents;
        contents.inputs.sex = 0;
        contents.inputs.kcal = QStringLiteral("1900");
        contents.inputs.age = QStringLiteral("44");
        for (int c = 0; c < 72; ++c)
            contents.cells << QString::number(c) + QStringLiteral(".5");
        contents.cells[3] = QString();
        QVERIFY(OwnNormFile::write(path, contents));
        QList<QByteArray> expected{"Kvinna", "1900", "44", "15", "30", "55"};
        for (int c = 0; c < 72; ++c)
            expected << (c == 3 ? QByteArray() : QByteArray::number(c) + ".5");
        for (int c = 72; c < 87; ++c)
            expected << QByteArray();
        QCOMPARE(readBytes(path), crlf(expected) + kDummies);

        OwnNormFile::Contents back;
        QString error;
        QVERIFY2(OwnNormFile::read(path, back, &error), qPrintable(error));
        QCOMPARE(back.inputs, contents.inputs);
        QCOMPARE(back.cells, contents.cells);
        QVERIFY(OwnNormFile::write(path, back));
        QCOMPARE(readBytes(path), crlf(expected) + kDummies);
    }

    void olderOwnNormFileHas66Values() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("old.enorm"));
        QList<QByteArray> lines{"Man", "2500", "30", "20", "30", "50"};
        for (int c = 0; c < 66; ++c)
            lines << QByteArray::number(c + 1);
        for (int c = 0; c < 28; ++c) // 100 lines in all
            lines << "dummy";
        writeBytes(path, crlf(lines));
        OwnNormFile::Contents contents;
        contents.cells = QStringList(72, QStringLiteral("kvar"));
        QString error;
        QVERIFY2(OwnNormFile::read(path, contents, &error), qPrintable(error));
        QCOMPARE(contents.inputs.sex, 1);
        QCOMPARE(contents.cells[65], QStringLiteral("66"));
        QCOMPARE(contents.cells[66], QStringLiteral("kvar"));
        QCOMPARE(contents.cells[71], QStringLiteral("kvar"));
    }

    void damagedOwnNormFile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        QTest::newRow("letters in a value")
            << crlf({"Kvinna", "2180", "50", "15", "30", "55", "9121", "zz"})
            << "Filen är skadad på rad 8: \"zz\".";
        QTest::newRow("too short") << crlf({"Kvinna", "2180", "50", "15", "30", "55", "9121"})
                                   << "Filen är för kort: rad 8 saknas.";
    }
    void damagedOwnNormFile() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("p.enorm"));
        writeBytes(path, bytes);
        OwnNormFile::Contents contents;
        QString reason;
        QVERIFY(!OwnNormFile::read(path, contents, &reason));
        QCOMPARE(reason, error);
        QCOMPARE(contents.cells.value(0), QStringLiteral("9121"));
    }

    void harrisFileRoundTrip() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("h.harris"));
        const HarrisInputs in{1,
                              QStringLiteral("40"),
                              QStringLiteral("80,5"),
                              QStringLiteral("180"),
                              QStringLiteral("1.4"),
                              1};
        QVERIFY(HarrisFile::write(path, in));
        const QByteArray expected = crlf({"Man", "40", "80,5", "180", "1.4"}) + kDummies;
        QCOMPARE(readBytes(path), expected);
        HarrisInputs back;
        back.unit = 0; // not stored: stays as the window has it
        QString error;
        QVERIFY2(HarrisFile::read(path, back, &error), qPrintable(error));
        QCOMPARE(back.age, in.age);
        QCOMPARE(back.weight, in.weight);
        QCOMPARE(back.factor, in.factor);
        QCOMPARE(back.sex, 1);
        QCOMPARE(back.unit, 0);
        QVERIFY(HarrisFile::write(path, back));
        QCOMPARE(readBytes(path), expected);
    }

    void damagedHarrisFile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        QTest::newRow("letters") << crlf({"Kvinna", "40", "åttio", "180", "1.4"}) + kDummies
                                 << "Filen är skadad på rad 3: \"åttio\".";
        QTest::newRow("too short")
            << crlf({"Kvinna", "40", "80"}) << "Filen är för kort: rad 4 saknas.";
    }
    void damagedHarrisFile() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("h.harris"));
        // Windows-1252, as the program writes its files.
        QStringEncoder to1252("windows-1252");
        writeBytes(path, to1252(QString::fromUtf8(bytes)));
        HarrisInputs in;
        QString reason;
        QVERIFY(!HarrisFile::read(path, in, &reason));
        QCOMPARE(reason, error);
        QCOMPARE(in.age, QStringLiteral("40"));
    }
};

QTEST_GUILESS_MAIN(TstNormSideFiles)
#include "tst_normsidefiles.moc"
