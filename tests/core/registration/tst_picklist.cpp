#include "core/registration/PickList.h"
#include "core/text/TextCodec.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vexamat;

class TestPickList : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void keepsNameOrderWithCompanions();
    void sameNameOnce();
    void trimDropsTheFirstName();
    void fileRoundTrip();
    void brokenFilesLeaveTheListEmpty_data();
    void brokenFilesLeaveTheListEmpty();
    void anUnpairedLastLineKeepsThePairs_data();
    void anUnpairedLastLineKeepsThePairs();
    void unwritableFileFailsQuietly();
};

void TestPickList::keepsNameOrderWithCompanions() {
    PickList list;
    list.add(QStringLiteral("Ägg kokt"), QStringLiteral("Ägg kokt{1_301}60@st"));
    list.add(QStringLiteral("mjölk"), QStringLiteral("mjölk{1_101}103@dl"));
    list.add(QStringLiteral("Zucchini"), QStringLiteral("Zucchini{4_1}100@g"));
    list.add(QStringLiteral("Apelsin"), QStringLiteral("Apelsin{5_1}150@st"));
    QCOMPARE(list.names(), (QStringList{"Apelsin", "mjölk", "Zucchini", "Ägg kokt"}));
    QCOMPARE(list.companions(), (QStringList{"Apelsin{5_1}150@st", "mjölk{1_101}103@dl",
                                             "Zucchini{4_1}100@g", "Ägg kokt{1_301}60@st"}));
}

void TestPickList::sameNameOnce() {
    PickList list;
    QVERIFY(list.add(QStringLiteral("Mjölk"), QStringLiteral("Mjölk{1}1@dl")));
    QVERIFY(!list.add(QStringLiteral("Mjölk"), QStringLiteral("Mjölk{2}1@dl")));
    QCOMPARE(list.size(), 1);
    QCOMPARE(list.companions().first(), QStringLiteral("Mjölk{1}1@dl"));
}

void TestPickList::trimDropsTheFirstName() {
    PickList list;
    for (int i = 0; i < 41; ++i) {
        const QString name = QStringLiteral("Livsmedel %1").arg(i + 10);
        list.add(name, name + QStringLiteral("{x}1@g"));
        list.trim();
    }
    QCOMPARE(list.size(), 40);
    QCOMPARE(list.names().first(), QStringLiteral("Livsmedel 11"));
    QCOMPARE(list.names().last(), QStringLiteral("Livsmedel 50"));
}

void TestPickList::fileRoundTrip() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("favoriter.txt"));
    PickList list;
    list.add(QStringLiteral("Smörgåsgurka"), QStringLiteral("Smörgåsgurka{6_1}20@skiva"));
    list.add(QStringLiteral("Bröd"), QStringLiteral("Bröd{3_1}30@skiva"));
    QVERIFY(list.write(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(),
             QByteArray("Br\xf6"
                        "d\r\nBr\xf6"
                        "d{3_1}30@skiva\r\n"
                        "Sm\xf6rg\xe5sgurka\r\nSm\xf6rg\xe5sgurka{6_1}20@skiva\r\n"));
    PickList read;
    QVERIFY(read.read(path));
    QCOMPARE(read.names(), list.names());
    QCOMPARE(read.companions(), list.companions());
}

void TestPickList::brokenFilesLeaveTheListEmpty_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty name") << QByteArray("\r\nx{1}1@g\r\n");
    QTest::newRow("missing") << QByteArray();
}

void TestPickList::brokenFilesLeaveTheListEmpty() {
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("senaste.txt"));
    if (!bytes.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    PickList list;
    list.add(QStringLiteral("gammal"), QStringLiteral("gammal{1}1@g"));
    QVERIFY(!list.read(path));
    QVERIFY(list.isEmpty());
}

void TestPickList::anUnpairedLastLineKeepsThePairs_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("two pairs and a name") << QByteArray("Ost\r\nOst{7_1}20@skiva\r\nBr\xf6"
                                                        "d\r\nBr\xf6"
                                                        "d{3_1}30@skiva\r\nSm\xf6r\r\n")
                                          << QStringList{"Bröd", "Ost"};
    QTest::newRow("cut inside the last companion line")
        << QByteArray("Ost\r\nOst{7_1}20@skiva\r\nSm\xf6r") << QStringList{"Ost"};
    QTest::newRow("only a name") << QByteArray("Ost\r\n") << QStringList{};
}

void TestPickList::anUnpairedLastLineKeepsThePairs() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, names);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("favoriter.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    PickList list;
    QVERIFY(list.read(path));
    QCOMPARE(list.names(), names);
    if (names.contains(QStringLiteral("Ost")))
        QCOMPARE(list.companions().at(names.indexOf(QStringLiteral("Ost"))),
                 QStringLiteral("Ost{7_1}20@skiva"));
}

void TestPickList::unwritableFileFailsQuietly() {
    PickList list;
    list.add(QStringLiteral("Bröd"), QStringLiteral("Bröd{3_1}30@skiva"));
    QVERIFY(!list.write(QStringLiteral("/nonexistent-folder/favoriter.txt")));
}

QTEST_GUILESS_MAIN(TestPickList)
#include "tst_picklist.moc"
