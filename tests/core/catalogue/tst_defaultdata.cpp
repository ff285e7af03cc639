#include "core/catalogue/DefaultDataBuilder.h"
#include "core/catalogue/FoodTable.h"
#include "core/catalogue/NutrientNames.h"
#include "core/catalogue/TableSchema.h"
#include "core/catalogue/VexamatDatabase.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace vexamat;

namespace {

QString sourceData() {
    return qEnvironmentVariable("VEXAMAT_SOURCE_DATA");
}

QString builtData() {
    return qEnvironmentVariable("VEXAMAT_TEST_DATA");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray header(const QString& table) {
    QStringList names;
    for (const FieldDef& f : TableSchema::fields(table))
        names << f.name;
    return names.join(QLatin1Char(',')).toUtf8() + "\n";
}

QByteArray foodLine(const QString& kod, const QString& protein) {
    QStringList fields(96);
    fields[0] = kod;
    fields[1] = QStringLiteral("\"Mat, kokt\"");
    fields[18] = protein;
    return fields.join(QLatin1Char(',')).toUtf8() + "\n";
}

} // namespace

class TstDefaultData : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rejectsBrokenCsv_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("expected");
        const QByteArray h = header(TableSchema::Livtab100);
        QTest::newRow("too few fields") << h + foodLine("1_1", "2") + "1_2,Kort\n"
                                        << "livtab100.csv, rad 3: 2 fält, men ska vara 96";
        QTest::newRow("not a number")
            << h + foodLine("1_1", "2") + foodLine("1_2", "mycket")
            << "livtab100.csv, rad 3, kolumn \"Protein _g_\": \"mycket\" är inget tal";
        QTest::newRow("wrong header")
            << QByteArray("Kod,Namn\n") << "livtab100.csv, rad 1: rubrikraden har 2 fält";
        QTest::newRow("duplicate code")
            << h + foodLine("1_1", "2") + foodLine("1_1", "3") << "livtab100.csv, rad 3:";
    }
    void rejectsBrokenCsv() {
        QFETCH(QByteArray, content);
        QFETCH(QString, expected);
        QTemporaryDir source;
        QTemporaryDir out;
        writeFile(source.filePath(QStringLiteral("livtab100.csv")), content);
        QString error;
        QVERIFY(!DefaultDataBuilder::build(source.path(), out.path(), &error));
        QVERIFY2(error.startsWith(expected), qPrintable(error));
        // Nothing half-built is left for the program to open.
        QVERIFY(!QFile::exists(out.filePath(QStringLiteral("vexamat.db"))));
    }

    void quotedFieldsAndNullsSurvive() {
        QTemporaryDir source;
        QTemporaryDir out;
        writeFile(source.filePath(QStringLiteral("livtab100.csv")),
                  header(TableSchema::Livtab100) + foodLine("1_1", "0") + foodLine("1_2", ""));
        writeFile(source.filePath(QStringLiteral("nvval.txt")), "15\n16\n");
        QString error;
        QVERIFY2(DefaultDataBuilder::build(source.path(), out.path(), &error), qPrintable(error));
        VexamatDatabase db;
        QVERIFY(db.open(out.filePath(QStringLiteral("vexamat.db")), &error));
        FoodTable t(db, TableSchema::Livtab100);
        QVERIFY(t.open(&error));
        QCOMPARE(t.findByCode(QStringLiteral("1_1"))->text(1), QStringLiteral("Mat, kokt"));
        QCOMPARE(t.findByCode(QStringLiteral("1_1"))->number(18), std::optional<double>(0.0));
        QCOMPARE(t.findByCode(QStringLiteral("1_2"))->number(18), std::nullopt);
        // Every table exists, empty where no file gave rows.
        for (const QString& table : TableSchema::allTables())
            QVERIFY2(db.checkTable(table, &error), qPrintable(error));
        QFile nvval(out.filePath(QStringLiteral("nvval.txt")));
        QVERIFY(nvval.open(QIODevice::ReadOnly));
        QCOMPARE(nvval.readAll(), QByteArray("15\r\n16\r\n"));
    }

    // The shipped default data: what the program and a user rely on.
    void shippedFoodsCoverAllGroupsWithConsistentEnergy() {
        VexamatDatabase db;
        QString error;
        QVERIFY2(db.open(QDir(builtData()).filePath(QStringLiteral("vexamat.db")), &error),
                 qPrintable(error));
        FoodTable t(db, TableSchema::Livtab100);
        QVERIFY(t.open(&error));
        const QList<TableRecord> foods = t.recordsInKeyOrder();
        QVERIFY(foods.size() >= 150);
        QSet<QChar> digits;
        QSet<QString> groups;
        for (const TableRecord& f : foods) {
            const QString kod = f.text(0);
            QVERIFY2(kod.size() >= 3 && kod.at(1) == QLatin1Char('_'), qPrintable(kod));
            digits.insert(kod.at(0));
            groups.insert(f.text(4));
            const auto kj = f.number(14);
            const auto kcal = f.number(15);
            QVERIFY2(kj && kcal, qPrintable(kod));
            const double e = 17 * f.numberOr(18, 0) + 37 * f.numberOr(19, 0) +
                             17 * f.numberOr(20, 0) + 8 * f.numberOr(47, 0) +
                             29 * f.numberOr(48, 0);
            QVERIFY2(std::abs(*kj - e) <= 1.0 + 0.01 * e, qPrintable(kod));
            QVERIFY2(std::abs(*kcal - *kj / 4.184) <= 1.0, qPrintable(kod));
        }
        QCOMPARE(digits.size(), 9);
        QVERIFY(groups.contains(QStringLiteral("Frukt")));
        QVERIFY(groups.contains(QStringLiteral("Bröd")));
    }

    void shippedNormsAndPlaceholders() {
        VexamatDatabase db;
        QString error;
        QVERIFY(db.open(QDir(builtData()).filePath(QStringLiteral("vexamat.db")), &error));
        QSqlQuery q(db.db());
        QVERIFY(q.exec(QStringLiteral("SELECT Nr FROM normer ORDER BY Nr")));
        QList<int> numbers;
        while (q.next())
            numbers << q.value(0).toInt();
        for (int nr : {1, 2, 3, 4, 5, 6, 11, 12, 13, 14, 15, 16, 24, 25})
            QVERIFY2(numbers.contains(nr), qPrintable(QString::number(nr)));
        QVERIFY(q.exec(QStringLiteral("SELECT count(*) FROM egna WHERE Livsmedel = 'RESERV'")));
        QVERIFY(q.next());
        QVERIFY(q.value(0).toInt() >= 50);
    }

    void shippedNutrientNamesRead() {
        NutrientNames names;
        const auto result = names.read(QDir(builtData()).filePath(QStringLiteral("nvnamn.txt")));
        QCOMPARE(result.status, NutrientNames::ReadStatus::Ok);
        for (int no = 15; no <= 83; ++no)
            QVERIFY2(!names.NutrientLabel[no].isEmpty(), qPrintable(QString::number(no)));
        QCOMPARE(names.NutrientLabel[19].left(7), QStringLiteral("Protein"));
    }

    void shippedSourceIsWhatTheBuildUsed() {
        QVERIFY(QFile::exists(QDir(sourceData()).filePath(QStringLiteral("livtab100.csv"))));
    }
};

QTEST_GUILESS_MAIN(TstDefaultData)
#include "tst_defaultdata.moc"
