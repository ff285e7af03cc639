#include "core/catalogue/FoodTable.h"
#include "core/catalogue/LivsmedelsverketImport.h"
#include "core/catalogue/NutrientNames.h"
#include "core/catalogue/TableSchema.h"
#include "core/catalogue/VexamatDatabase.h"
#include "support/TempDataFolder.h"
#include "support/XlsxFixture.h"

#include <QFile>
#include <QtTest>

using namespace vexamat;

namespace {

// Field positions in livtab100.
constexpr int kKJ = 14;
constexpr int kProtein = 18;
constexpr int kFat = 19;
constexpr int kRetinol = 21;
constexpr int kVitaminC = 27;
constexpr int kIron = 35;
constexpr int kSucrose = 46;
constexpr int kFolate = 63;
constexpr int kIle = 65;
constexpr int kIodine = 83;
constexpr int kVitaminK = 84;
constexpr int kSalt = 85;

const QStringList kColumns{QStringLiteral("Livsmedelsnummer"), QStringLiteral("Livsmedelsnamn"),
                           QStringLiteral("Protein (g)"),      QStringLiteral("Gruppering"),
                           QStringLiteral("Energi (kJ)"),      QStringLiteral("Okänd kolumn (g)"),
                           QStringLiteral("Fett, totalt (g)"), QStringLiteral("Jod, I (µg)"),
                           QStringLiteral("Vitamin C (mg)")};

QList<QStringList> goodFoods() {
    return {
        {"1234", "Äpple med skal", "0.3", "Frukt", "218", "7", "0.1", "", "5.5"},
        {"12", "Havregryn", "13", "Spannmål", "1562", "", "7", "0.8", "0"},
        {"6988", "Smör", "0.5", "Fett, olja", "3000", "1", "80", "2.4", ""},
    };
}

} // namespace

class TestLivsmedelsverketImport : public QObject {
    Q_OBJECT

private:
    struct Folder {
        TempDataFolder data;
        VexamatDatabase database;
        NutrientNames names;
        FoodTable livtab100;
    };

    std::unique_ptr<Folder> openFolder() {
        auto f = std::make_unique<Folder>();
        QString error;
        if (!f->database.open(f->data.filePath(VexamatDatabase::kFileName), &error))
            qFatal("%s", qPrintable(error));
        f->names.read(f->data.filePath(QStringLiteral("nvnamn.txt")));
        f->livtab100 = FoodTable(f->database, TableSchema::Livtab100);
        f->livtab100.open(nullptr);
        return f;
    }

    QString writeFixture(const Folder& f, const QList<QStringList>& rows) {
        const QString path = f.data.filePath(QStringLiteral("export.xlsx"));
        if (!XlsxFixture::write(path, rows))
            qFatal("fixture not written");
        return path;
    }

private Q_SLOTS:
    void codeForNumber_data() {
        QTest::addColumn<qint64>("number");
        QTest::addColumn<QString>("code");
        QTest::newRow("four digits") << qint64(1234) << "1_234";
        QTest::newRow("two digits") << qint64(12) << "0_012";
        QTest::newRow("one digit") << qint64(1) << "0_001";
        QTest::newRow("five digits") << qint64(12345) << "12_345";
    }
    void codeForNumber() {
        QFETCH(qint64, number);
        QFETCH(QString, code);
        QCOMPARE(LivsmedelsverketImport::codeForNumber(number), code);
    }

    void replacesTheTableWithTheFileByColumnName() {
        auto f = openFolder();
        QVERIFY(f->livtab100.findByCode(QStringLiteral("1_101")).has_value());
        const QString path = writeFixture(*f, XlsxFixture::headings(kColumns) + goodFoods());

        LivsmedelsverketImport::Summary summary;
        QString error;
        QVERIFY2(LivsmedelsverketImport(&f->names).run(path, f->database, &summary, &error),
                 qPrintable(error));
        QCOMPARE(summary.foods, 3);
        QCOMPARE(summary.versionLine,
                 QStringLiteral("Livsmedelsverkets livsmedelsdatabas version 2099-01-01"));
        QCOMPARE(summary.ignoredColumns, QStringList{QStringLiteral("Okänd kolumn (g)")});
        QCOMPARE(summary.mappedColumns.size(), 8);
        QCOMPARE(LivsmedelsverketImport::importedVersion(f->database), summary.versionLine);

        QCOMPARE(f->livtab100.count(), 3);
        QVERIFY(!f->livtab100.findByCode(QStringLiteral("1_101")).has_value());

        const auto apple = f->livtab100.findByCode(QStringLiteral("1_234"));
        QVERIFY(apple.has_value());
        QCOMPARE(apple->text(QStringLiteral("Livsmedel")), QStringLiteral("Äpple med skal"));
        QCOMPARE(apple->text(QStringLiteral("Grupp1")), QStringLiteral("Frukt"));
        QCOMPARE(apple->number(QStringLiteral("Portionsstorlek")), std::optional<double>(100));
        QCOMPARE(apple->text(QStringLiteral("Enhet")), QStringLiteral("g"));
        QCOMPARE(apple->number(kProtein), std::optional<double>(0.3));
        QCOMPARE(apple->number(kKJ), std::optional<double>(218));
        QCOMPARE(apple->number(kFat), std::optional<double>(0.1));
        QCOMPARE(apple->number(kVitaminC), std::optional<double>(5.5));
        QVERIFY(apple->isNull(kIodine));  // an empty cell stays empty
        QVERIFY(apple->isNull(kSucrose)); // no column for it
        QVERIFY(apple->isNull(kIle));

        const auto oats = f->livtab100.findByCode(QStringLiteral("0_012"));
        QVERIFY(oats.has_value());
        QVERIFY(!oats->isNull(kVitaminC)); // a 0 stays 0
        QCOMPARE(oats->number(kVitaminC), std::optional<double>(0));
        QCOMPARE(oats->number(kIodine), std::optional<double>(0.8));

        const auto butter = f->livtab100.findByCode(QStringLiteral("6_988"));
        QVERIFY(butter.has_value());
        QCOMPARE(butter->number(kFat), std::optional<double>(80));
        QVERIFY(butter->isNull(kVitaminC));
    }

    void reserveColumnIsLeftOutWhenTheNameFileDoesNotNameIt() {
        auto f = openFolder();
        const QString path = writeFixture(*f, XlsxFixture::headings(kColumns) + goodFoods());
        NutrientNames unnamed;
        LivsmedelsverketImport::Summary summary;
        QString error;
        QVERIFY2(LivsmedelsverketImport(&unnamed).run(path, f->database, &summary, &error),
                 qPrintable(error));
        QCOMPARE(summary.ignoredColumns,
                 (QStringList{QStringLiteral("Okänd kolumn (g)"), QStringLiteral("Jod, I (µg)")}));
        QVERIFY(f->livtab100.findByCode(QStringLiteral("0_012"))->isNull(kIodine));
    }

    void badContentLeavesTheOldTableWhole_data() {
        QTest::addColumn<QList<QStringList>>("rows");
        QTest::addColumn<QString>("message");

        QList<QStringList> textInNumber = XlsxFixture::headings(kColumns) + goodFoods();
        textInNumber[4][2] = QStringLiteral("abc");
        QTest::newRow("text where a number goes")
            << textInNumber << "Rad 5, kolumn C \"Protein (g)\": \"abc\" är inget tal.";

        QList<QStringList> duplicate = XlsxFixture::headings(kColumns) + goodFoods();
        duplicate[5][0] = QStringLiteral("12");
        QTest::newRow("duplicate food number")
            << duplicate << "Rad 6: livsmedelsnummer 12 finns redan på rad 5.";

        QList<QStringList> badNumber = XlsxFixture::headings(kColumns) + goodFoods();
        badNumber[3][0] = QStringLiteral("x12");
        QTest::newRow("food number not a number")
            << badNumber
            << "Rad 4, kolumn A \"Livsmedelsnummer\": \"x12\" är inget livsmedelsnummer.";

        QList<QStringList> noName = XlsxFixture::headings(kColumns) + goodFoods();
        noName[5][1].clear();
        QTest::newRow("food without a name")
            << noName << "Rad 6, kolumn B \"Livsmedelsnamn\": namnet saknas.";

        QStringList withoutNumber = kColumns;
        withoutNumber[0] = QStringLiteral("Nummer");
        QTest::newRow("no number column")
            << XlsxFixture::headings(withoutNumber) + goodFoods()
            << "Rad 3: kolumnen \"Livsmedelsnummer\" saknas. Filen är ingen export från "
               "Livsmedelsverkets livsmedelsdatabas.";

        QList<QStringList> otherSheet = XlsxFixture::headings(kColumns) + goodFoods();
        otherSheet[1][0] = QStringLiteral("Budget 2024");
        QTest::newRow("other spreadsheet")
            << otherSheet
            << "Rad 2: väntade \"Näringsinnehåll per 100 gram livsmedel\" men fann \"Budget "
               "2024\". Filen är ingen export från Livsmedelsverkets livsmedelsdatabas.";

        QTest::newRow("headings only")
            << XlsxFixture::headings(kColumns)
            << "Filen innehåller inga livsmedel (inga rader efter rad 3).";
    }
    void badContentLeavesTheOldTableWhole() {
        QFETCH(QList<QStringList>, rows);
        QFETCH(QString, message);
        auto f = openFolder();
        const int before = f->livtab100.count();
        const QString path = writeFixture(*f, rows);
        LivsmedelsverketImport::Summary summary;
        QString error;
        QVERIFY(!LivsmedelsverketImport(&f->names).run(path, f->database, &summary, &error));
        QCOMPARE(error, message);
        QCOMPARE(f->livtab100.count(), before);
        QVERIFY(f->livtab100.findByCode(QStringLiteral("1_101")).has_value());
        QCOMPARE(LivsmedelsverketImport::importedVersion(f->database), QString());
    }

    void damagedFileLeavesTheOldTableWhole_data() {
        QTest::addColumn<int>("keptBytes"); // -1: not a zip archive at all
        QTest::addColumn<QString>("message");
        QTest::newRow("truncated") << 2000 << "ingen .xlsx-fil eller är skadad";
        QTest::newRow("text file") << -1 << "ingen .xlsx-fil eller är skadad";
    }
    void damagedFileLeavesTheOldTableWhole() {
        QFETCH(int, keptBytes);
        QFETCH(QString, message);
        auto f = openFolder();
        const int before = f->livtab100.count();
        const QString path = writeFixture(*f, XlsxFixture::headings(kColumns) + goodFoods());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        if (keptBytes >= 0) {
            QVERIFY(file.size() > keptBytes);
            QVERIFY(file.resize(keptBytes));
        } else {
            QVERIFY(file.resize(0));
            file.write("Livsmedelsnamn;Livsmedelsnummer\r\nÄpple;1234\r\n");
        }
        file.close();
        LivsmedelsverketImport::Summary summary;
        QString error;
        QVERIFY(!LivsmedelsverketImport(&f->names).run(path, f->database, &summary, &error));
        QVERIFY2(error.contains(message), qPrintable(error));
        QVERIFY(error.contains(path));
        QCOMPARE(f->livtab100.count(), before);
    }

    void importsTheAgencysOwnFile() {
        const QString path = qEnvironmentVariable("VEXAMAT_SHARED_DATA") +
                             QStringLiteral("/LivsmedelsDB_2022-05-24.xlsx");
        if (!QFile::exists(path))
            QSKIP("The Food Agency's LivsmedelsDB_2022-05-24.xlsx is not in the shared data "
                  "folder; the import of the real file is not tested.");
        auto f = openFolder();
        LivsmedelsverketImport::Summary summary;
        QString error;
        QVERIFY2(LivsmedelsverketImport(&f->names).run(path, f->database, &summary, &error),
                 qPrintable(error));
        QCOMPARE(summary.foods, 2333);
        QCOMPARE(f->livtab100.count(), 2333);
        QCOMPARE(summary.versionLine,
                 QStringLiteral("Livsmedelsverkets livsmedelsdatabas version 2022-05-24"));
        QCOMPARE(summary.ignoredColumns, (QStringList{QStringLiteral("Sockerarter, totalt (g)"),
                                                      QStringLiteral("Tillsatt socker (g)"),
                                                      QStringLiteral("Fritt socker (g)"),
                                                      QStringLiteral("Fullkorn totalt (g)")}));

        // Values looked up in the spreadsheet by hand.
        const auto butter = f->livtab100.findByCode(QStringLiteral("0_005"));
        QVERIFY(butter.has_value());
        QCOMPARE(butter->text(1),
                 QStringLiteral("Matfettsblandning havssaltat fett 80% berikad typ Bregott"));
        QCOMPARE(butter->text(4), QStringLiteral("Fett, olja"));
        QCOMPARE(butter->number(kKJ), std::optional<double>(2977));
        QCOMPARE(butter->number(kFat), std::optional<double>(80));
        QCOMPARE(butter->number(kProtein), std::optional<double>(0.5));
        QCOMPARE(butter->number(kRetinol), std::optional<double>(900));
        QCOMPARE(butter->number(kFolate), std::optional<double>(3));
        QCOMPARE(butter->number(kVitaminC), std::optional<double>(0));
        QCOMPARE(butter->number(kIodine), std::optional<double>(2.4));
        QCOMPARE(butter->number(kIron), std::optional<double>(0.2));
        QCOMPARE(butter->number(kSalt), std::optional<double>(2));
        QVERIFY(butter->isNull(kVitaminK));

        const auto milk = f->livtab100.findByCode(QStringLiteral("0_123"));
        QVERIFY(milk.has_value());
        QCOMPARE(milk->text(1), QStringLiteral("Mjölk fett 3% berikad"));
        QCOMPARE(milk->text(4), QStringLiteral("Mejeri"));
        QCOMPARE(milk->number(kKJ), std::optional<double>(251));
        QCOMPARE(milk->number(kProtein), std::optional<double>(3.5));
        QCOMPARE(milk->number(kRetinol), std::optional<double>(25.8));
        QCOMPARE(milk->number(kVitaminK), std::optional<double>(0.9));
        QCOMPARE(milk->number(kFolate), std::optional<double>(14.3));
        QCOMPARE(milk->number(kIodine), std::optional<double>(11.8));
        QCOMPARE(milk->number(kSalt), std::optional<double>(0.1));

        const auto gratin = f->livtab100.findByCode(QStringLiteral("6_988"));
        QVERIFY(gratin.has_value());
        QCOMPARE(gratin->text(1), QStringLiteral("Potatisgratäng kylvara tillagad"));
        QCOMPARE(gratin->number(kFat), std::optional<double>(7.09));
        QCOMPARE(gratin->number(kIodine), std::optional<double>(3.1));
        QCOMPARE(gratin->number(kSalt), std::optional<double>(1.1));
    }
};

QTEST_GUILESS_MAIN(TestLivsmedelsverketImport)
#include "tst_livsmedelsverketimport.moc"
