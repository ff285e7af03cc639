#include "core/catalogue/FoodTable.h"
#include "core/catalogue/TableSchema.h"
#include "core/catalogue/VexamatDatabase.h"
#include "support/TableFixture.h"
#include "support/TempDataFolder.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

using namespace vexamat;

class TstFoodTables : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    VexamatDatabase m_db;

private Q_SLOTS:
    void initTestCase() {
        QString error;
        QVERIFY2(m_db.create(m_dir.filePath(QStringLiteral("vexamat.db")), &error),
                 qPrintable(error));
        using F = TableFixture;
        QVERIFY(F::insert(m_db, TableSchema::Livtab100,
                          F::food(QStringLiteral("8_101"), QStringLiteral("Äpple"),
                                  QStringLiteral("Frukt"), QStringLiteral("st"), 150,
                                  {{QStringLiteral("Protein _g_"), 0.3},
                                   {QStringLiteral("Fett _g_"), 0.0},
                                   {QStringLiteral("Grossartnr"), QStringLiteral("100234")}})));
        QVERIFY(F::insert(m_db, TableSchema::Livtab100,
                          F::food(QStringLiteral("8_102"), QStringLiteral("banan"))));
        QVERIFY(F::insert(m_db, TableSchema::Livtab100,
                          F::food(QStringLiteral("8_103"), QStringLiteral("Öl"))));
        QVERIFY(F::insert(m_db, TableSchema::Livtab100,
                          F::food(QStringLiteral("8_104"), QStringLiteral("Ärtor"))));
        QVERIFY(F::insert(m_db, TableSchema::Livtab100,
                          F::food(QStringLiteral("8_105"), QStringLiteral("Apelsin"))));
    }

    void everyTableHasItsFieldOrder_data() {
        QTest::addColumn<QString>("table");
        QTest::addColumn<int>("fields");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("name");
        QTest::newRow("livtab100 kJ") << "livtab100" << 96 << 14 << "Energi _kJ_ _kJ_";
        QTest::newRow("livtab100 waste") << "livtab100" << 96 << 13 << "Avfall _%_";
        QTest::newRow("livtab2005 selenium") << "livtab2005" << 96 << 64 << "Selen _mcg_";
        QTest::newRow("egna reserve 3") << "egna" << 96 << 85 << "extra3";
        QTest::newRow("fabrikant protein") << "fabrikant" << 96 << 18 << "prot g";
        QTest::newRow("dabas www") << "dabas" << 96 << 95 << "www";
        QTest::newRow("dabas unit 4") << "dabas" << 96 << 93 << "enhet4";
        QTest::newRow("normer reserve 3") << "normer" << 86 << 85 << "extra3";
        QTest::newRow("normkroppsvikt kcal")
            << "normkroppsvikt" << 86 << 15 << "Energi _kcal_ _kcal_";
        QTest::newRow("recept kodgram") << "recept" << 10 << 3 << "kodgram";
        QTest::newRow("recept2 price") << "recept2" << 10 << 9 << "Pris";
        QTest::newRow("receptutskrift") << "receptutskrift" << 3 << 2 << "gram2";
    }
    void everyTableHasItsFieldOrder() {
        QFETCH(QString, table);
        QFETCH(int, fields);
        QFETCH(int, position);
        QFETCH(QString, name);
        const QSqlRecord record = m_db.db().record(table);
        QCOMPARE(record.count(), fields);
        QCOMPARE(record.fieldName(position), name);
        QString error;
        QVERIFY2(m_db.checkTable(table, &error), qPrintable(error));
    }

    void indexesExist() {
        QSqlQuery q(m_db.db());
        QVERIFY(q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'index'")));
        QStringList names;
        while (q.next())
            names << q.value(0).toString();
        QVERIFY(names.contains(QStringLiteral("livtab100_livsmedel")));
        QVERIFY(names.contains(QStringLiteral("livtab100_grossartnr")));
        QVERIFY(names.contains(QStringLiteral("dabas_livsmedel")));
        QVERIFY(names.contains(QStringLiteral("recept_Grupp1index")));
    }

    void codeIsRequiredAndUnique() {
        TableFixture::Record noCode{{QStringLiteral("Livsmedel"), QStringLiteral("Utan kod")}};
        QVERIFY(!TableFixture::insert(m_db, TableSchema::Egna, noCode));
        QVERIFY(!TableFixture::insert(
            m_db, TableSchema::Livtab100,
            TableFixture::food(QStringLiteral("8_101"), QStringLiteral("Dubblett"))));
    }

    void findByCodeTellsNullFromZero() {
        FoodTable table(m_db, TableSchema::Livtab100);
        QString error;
        QVERIFY2(table.open(&error), qPrintable(error));
        const auto apple = table.findByCode(QStringLiteral("8_101"));
        QVERIFY(apple.has_value());
        QCOMPARE(apple->text(QStringLiteral("Livsmedel")), QStringLiteral("Äpple"));
        QCOMPARE(apple->number(18), std::optional<double>(0.3)); // protein by position
        QCOMPARE(apple->number(QStringLiteral("Fett _g_")), std::optional<double>(0.0));
        QVERIFY(!apple->isNull(QStringLiteral("Fett _g_")));
        QVERIFY(apple->isNull(QStringLiteral("Kolhydrater _g_")));
        QCOMPARE(apple->number(20), std::nullopt);
        QVERIFY(!table.findByCode(QStringLiteral("9_999")).has_value());
    }

    void findByArticleNumber() {
        FoodTable table(m_db, TableSchema::Livtab100);
        QVERIFY(table.open(nullptr));
        const auto found = table.findByArticleNumber(QStringLiteral("100234"));
        QVERIFY(found.has_value());
        QCOMPARE(found->text(0), QStringLiteral("8_101"));
    }

    void walksInSwedishNameOrder() {
        FoodTable table(m_db, TableSchema::Livtab100);
        QVERIFY(table.open(nullptr));
        QStringList names;
        for (const TableRecord& r : table.recordsInNameOrder({QStringLiteral("Livsmedel")}))
            names << r.text(0);
        QCOMPARE(names, (QStringList{QStringLiteral("Apelsin"), QStringLiteral("banan"),
                                     QStringLiteral("Äpple"), QStringLiteral("Ärtor"),
                                     QStringLiteral("Öl")}));
    }

    void missingTableIsReported() {
        FoodTable table(m_db, QStringLiteral("finnsinte"));
        QString error;
        QVERIFY(!table.open(&error));
        QVERIFY(error.contains(QStringLiteral("finnsinte")));
    }

    void foreignFileIsNoDatabase() {
        const QString path = m_dir.filePath(QStringLiteral("trasig.db"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'x'));
        file.close();
        VexamatDatabase db;
        QString error;
        QVERIFY(!db.open(path, &error));
        QVERIFY(error.contains(QStringLiteral("trasig.db")));
        QVERIFY(!db.open(m_dir.filePath(QStringLiteral("saknas.db")), &error));
        QVERIFY(error.contains(QStringLiteral("finns inte")));
    }

    // A damaged page in the middle of the default data must not be read as fewer foods.
    void damagedDatabaseIsRefused() {
        const QString path = m_dir.filePath(QStringLiteral("skadad.db"));
        QVERIFY(QFile::copy(QDir(TempDataFolder::builtData()).filePath(VexamatDatabase::kFileName),
                            path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        const QByteArray header = file.read(100);
        const int pageSize = (quint8(header[16]) << 8) | quint8(header[17]);
        QVERIFY(file.size() > 8 * pageSize);
        QVERIFY(file.seek(qint64(file.size() / pageSize / 2) * pageSize));
        file.write(QByteArray(pageSize, char(0x5A)));
        file.close();
        VexamatDatabase db;
        QString error;
        QVERIFY(!db.open(path, &error));
        QVERIFY2(error.contains(QStringLiteral("skadad")), qPrintable(error));
        QVERIFY(error.contains(QStringLiteral("make-db")));
        QVERIFY(!db.isOpen());
    }
};

QTEST_GUILESS_MAIN(TstFoodTables)
#include "tst_foodtables.moc"
