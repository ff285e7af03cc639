#include "core/catalogue/AminoImport.h"
#include "core/catalogue/FoodTable.h"
#include "core/catalogue/GramFile.h"
#include "core/text/NumberText.h"
#include "core/catalogue/OwnFoodCopy.h"
#include "core/catalogue/TableSchema.h"
#include "core/catalogue/VexamatDatabase.h"
#include "core/norms/AdminPassword.h"
#include "support/TempDataFolder.h"

#include <QFile>
#include <QSqlQuery>
#include <QtTest>

using namespace vexamat;

namespace {

constexpr int kIle = 65;
constexpr int kLeu = 66;
constexpr int kSer = 82;

// A food with only the fields the gram file and the copy read; port/enhet pairs 1..4.
struct Food {
    QString code;
    QString name;
    QVariant portion;
    QString unit;
    QList<std::pair<QVariant, QString>> units; // units 1..4
};

void insert(const VexamatDatabase& db, const QString& table, const Food& food) {
    QList<QVariant> values(TableSchema::kFoodFieldCount);
    values[0] = food.code;
    values[1] = food.name;
    values[2] = food.portion;
    values[3] = food.unit;
    values[14] = 250.0;
    for (int i = 0; i < food.units.size(); ++i) {
        values[86 + 2 * i] = food.units.at(i).first;
        values[87 + 2 * i] = food.units.at(i).second;
    }
    QStringList marks;
    for (int i = 0; i < values.size(); ++i)
        marks << QStringLiteral("?");
    QSqlQuery q(db.db());
    q.prepare(QStringLiteral("INSERT INTO %1 VALUES (%2)")
                  .arg(TableSchema::quoted(table), marks.join(QLatin1Char(','))));
    for (int i = 0; i < values.size(); ++i)
        q.bindValue(i, values.at(i));
    if (!q.exec())
        qFatal("insert failed");
}

void empty(const VexamatDatabase& db, const QString& table) {
    QSqlQuery q(db.db());
    q.exec(QStringLiteral("DELETE FROM %1").arg(TableSchema::quoted(table)));
}

} // namespace

class TestFoodTableEditing : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TempDataFolder> m_folder; // a fresh copy of the default data per test
    VexamatDatabase m_db;

private Q_SLOTS:
    void init() {
        m_folder = std::make_unique<TempDataFolder>();
        QString error;
        QVERIFY2(m_db.open(m_folder->filePath(VexamatDatabase::kFileName), &error),
                 qPrintable(error));
    }
    void cleanup() {
        m_db.close();
        m_folder.reset();
    }

    void gramFileLines() {
        empty(m_db, TableSchema::Livtab100);
        insert(m_db, TableSchema::Livtab100,
               {"1_301", "Vetemjöl", 60.0, "dl", {{60.0, "dl"}, {15.0, "msk"}, {60.0, "dl"}}});
        insert(m_db, TableSchema::Livtab100, {"1_302", "Äpple", 150.5, "st", {}});
        insert(m_db, TableSchema::Livtab100,
               {"1_303",
                "Havregryn",
                35.0,
                "dl",
                {{35.0, "dl"}, {35.0, "dl"}, {10.0, "msk"}, {132.0, "2 dl"}}});
        FoodTable table(m_db, TableSchema::Livtab100);
        QVERIFY(table.open(nullptr));
        const QString path = m_folder->filePath(GramFile::kFileName);
        QString error;
        QCOMPARE(GramFile::write(table, path, &error), 3);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        // Name order; unit 1 is not written; the spoons come from the last dl unit.
        QCOMPARE(file.readAll(),
                 QByteArray("kod;livsnamn;SLV gram;SLV enhet;gram;enhet;gram;enhet;gram;enhet;"
                            "gram/msk;gram/tsk\r\n"
                            "1_303;Havregryn;35;dl;35;dl;10;msk;132;2 dl;20;7;\r\n"
                            "1_301;Vetemj\xf6l;60;dl;15;msk;60;dl;;;9;3;\r\n"
                            "1_302;\xc4pple;150,5;st;;;;;;;;;\r\n"));
    }

    void nextOwnCode_data() {
        QTest::addColumn<QStringList>("codes");
        QTest::addColumn<QString>("next");
        QTest::newRow("after egna05") << QStringList{"egna01", "egna05"} << "egna06";
        QTest::newRow("after egna9") << QStringList{"egna9"} << "egna010";
        QTest::newRow("after egna098") << QStringList{"egna098"} << "egna099";
        QTest::newRow("after egna099") << QStringList{"egna099"} << "egna100";
        QTest::newRow("largest not last in text order")
            << QStringList{"egna010", "egna09", "egna011", "egna02"} << "egna012";
        QTest::newRow("other codes ignored") << QStringList{"egna03", "egnaX", "abc7"} << "egna04";
        QTest::newRow("empty table") << QStringList{} << "egna01";
    }
    void nextOwnCode() {
        QFETCH(QStringList, codes);
        QFETCH(QString, next);
        empty(m_db, TableSchema::Egna);
        for (const QString& code : codes)
            insert(m_db, TableSchema::Egna, {code, "Mat " + code, 100.0, "g", {}});
        QCOMPARE(OwnFoodCopy::nextCode(m_db), next);
    }

    void copyToOwnFoods() {
        FoodTable livtab(m_db, TableSchema::Livtab100);
        FoodTable egna(m_db, TableSchema::Egna);
        QVERIFY(livtab.open(nullptr) && egna.open(nullptr));
        const auto original = livtab.findByCode(QStringLiteral("1_101"));
        QVERIFY(original.has_value());
        const int before = egna.count();

        OwnFoodCopy::Result result;
        QString error;
        QVERIFY2(OwnFoodCopy::copy(m_db, QStringLiteral("1_101"), &result, &error),
                 qPrintable(error));
        QCOMPARE(result.code, QStringLiteral("egna061")); // the defaults end with egna060
        QCOMPARE(result.name, QStringLiteral("Mjölk fett 3% (slv1_101)"));
        QCOMPARE(egna.count(), before + 1);
        const auto copy = egna.findByCode(result.code);
        QVERIFY(copy.has_value());
        QCOMPARE(copy->text(1), result.name);
        for (int pos = 2; pos < TableSchema::kFoodFieldCount; ++pos)
            QCOMPARE(copy->value(pos), original->value(pos));

        QVERIFY(!OwnFoodCopy::copy(m_db, QStringLiteral("9_999"), &result, &error));
        QCOMPARE(error, QStringLiteral("Livsmedlet 9_999 finns inte i livsmedelstabellen."));
        QCOMPARE(egna.count(), before + 1);
    }

    void aminoImport() {
        empty(m_db, TableSchema::Livtab100);
        insert(m_db, TableSchema::Livtab100, {"1_234", "Torsk", 100.0, "g", {}});
        insert(m_db, TableSchema::Livtab100, {"0_012", "Ägg", 60.0, "st", {}});
        insert(m_db, TableSchema::Livtab100, {"2_000", "Lax", 125.0, "port", {}});
        QStringList amino;
        for (int i = 0; i < 18; ++i)
            amino << QString::number(100 + i);
        const QString values = amino.join(QLatin1Char(';')) + QLatin1Char(';');
        QStringList withText = amino;
        withText[1] = QStringLiteral("abc");
        withText[2] = QStringLiteral("12,5");
        QStringList short17 = amino.mid(0, 17);
        const QByteArray file =
            ("1234;a;b;c;d;e;" + values + "\r\n" +                         // found
             "x12;a;b;c;d;e;" + values + "\r\n" +                          // skipped
             "9999;a;b;c;d;e;" + values + "\r\n" +                         // not in table
             "12;a;b;c;d;e;" + withText.join(QLatin1Char(';')) + ";\r\n" + // found
             "2000;a;b;c;d;e;" + short17.join(QLatin1Char(';')) + ";\r\n") // too short
                .toLatin1();
        m_folder->write(AminoImport::kFileName, file);
        QString error;
        QCOMPARE(AminoImport::run(m_db, m_folder->filePath(AminoImport::kFileName), &error), 2);

        FoodTable livtab(m_db, TableSchema::Livtab100);
        QVERIFY(livtab.open(nullptr));
        const auto cod = livtab.findByCode(QStringLiteral("1_234"));
        QCOMPARE(cod->text(1), QStringLiteral("Torsk*"));
        QCOMPARE(cod->number(kIle), std::optional<double>(100));
        QCOMPARE(cod->number(kSer), std::optional<double>(117));
        const auto egg = livtab.findByCode(QStringLiteral("0_012"));
        QCOMPARE(egg->text(1), QStringLiteral("Ägg*"));
        QVERIFY(egg->isNull(kLeu)); // not a number: emptied
        QCOMPARE(egg->number(kLeu + 1), std::optional<double>(12.5));
        const auto salmon = livtab.findByCode(QStringLiteral("2_000"));
        QCOMPARE(salmon->text(1), QStringLiteral("Lax"));
        QVERIFY(salmon->isNull(kIle));

        // Each import appends one more "*".
        QCOMPARE(AminoImport::run(m_db, m_folder->filePath(AminoImport::kFileName), &error), 2);
        QCOMPARE(livtab.findByCode(QStringLiteral("1_234"))->text(1), QStringLiteral("Torsk**"));

        m_folder->remove(AminoImport::kFileName);
        QCOMPARE(AminoImport::run(m_db, m_folder->filePath(AminoImport::kFileName), &error), -1);
        QCOMPARE(error, QStringLiteral("Filen %1 kan inte öppnas.")
                            .arg(m_folder->filePath(AminoImport::kFileName)));
    }

    void password_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("matches");
        QTest::newRow("same") << "KORPRAM"
                              << "KORPRAM" << true;
        QTest::newRow("lower case a-z") << "korPram"
                                        << "KORPRAM" << true;
        QTest::newRow("wrong") << "korpra"
                               << "KORPRAM" << false;
        QTest::newRow("å stays å") << "blåbär"
                                   << "BLÅBÄR" << false;
        QTest::newRow("Å typed") << "blÅbÄr"
                                 << "BLÅBÄR" << true;
    }
    void password() {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QFETCH(bool, matches);
        QCOMPARE(AdminPassword::matches(typed, expected), matches);
    }

    void numberText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("kind");
        QTest::addColumn<double>("value");
        QTest::newRow("comma") << " 12,5 " << int(NumberText::Kind::Number) << 12.5;
        QTest::newRow("point") << "0.25" << int(NumberText::Kind::Number) << 0.25;
        QTest::newRow("empty") << "  " << int(NumberText::Kind::Empty) << 0.0;
        QTest::newRow("text") << "abc" << int(NumberText::Kind::Invalid) << 0.0;
        QTest::newRow("two commas") << "1,2,3" << int(NumberText::Kind::Invalid) << 0.0;
        QTest::newRow("number and text") << "12 g" << int(NumberText::Kind::Invalid) << 0.0;
    }
    void numberText() {
        QFETCH(QString, text);
        QFETCH(int, kind);
        QFETCH(double, value);
        const NumberText::Parsed parsed = NumberText::parse(text);
        QCOMPARE(int(parsed.kind), kind);
        QCOMPARE(parsed.value, value);
    }

    void numberFormat() {
        QCOMPARE(NumberText::format(12.5, 2), QStringLiteral("12,5"));
        QCOMPARE(NumberText::format(3.14159, 2), QStringLiteral("3,14"));
        QCOMPARE(NumberText::format(2977, 2), QStringLiteral("2977"));
        QCOMPARE(NumberText::format(4.56, 1), QStringLiteral("4,6"));
        QCOMPARE(NumberText::format(0.001, 2), QStringLiteral("0"));
    }
};

QTEST_GUILESS_MAIN(TestFoodTableEditing)
#include "tst_foodtableediting.moc"
