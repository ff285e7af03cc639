#include "core/catalogue/FoodTable.h"
#include "core/catalogue/TableSchema.h"
#include "core/catalogue/VexamatDatabase.h"
#include "core/files/ActivityFile.h"
#include "core/norms/ActivityTable.h"
#include "core/norms/EnergyExpenditure.h"
#include "support/TempDataFolder.h"

#include <QFile>
#include <QTest>

using namespace vexamat;

Q_DECLARE_METATYPE(vexamat::ActivityInputs)

namespace {

ActivityInputs person(const QString& age, const QString& weight, int sex,
                      QList<ActivityRow> rows = {}) {
    ActivityInputs in;
    in.age = age;
    in.weight = weight;
    in.sex = sex;
    in.rows = rows;
    return in;
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

constexpr float kSentinel = 7.0f;

} // namespace

class TstActivities : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void compute_data() {
        QTest::addColumn<ActivityInputs>("inputs");
        QTest::addColumn<float>("bmr");
        QTest::addColumn<QString>("firstPerMinute");
        QTest::addColumn<float>("total");
        QTest::addColumn<float>("minutesLeft");
        const ActivityRow run{QStringLiteral("Löpning (4)"), QStringLiteral("60"),
                              QStringLiteral("4")};
        QTest::newRow("woman 15, 55 kg, resting")
            << person("15", "55", 0) << 1417.0f << QString() << 0.0f << 1440.0f;
        QTest::newRow("man 40, 80 kg, an hour at factor 4")
            << person("40", "80", 1, {run}) << 1807.0f << QStringLiteral("3,76") << 225.6f
            << 1380.0f;
        // 19-30: 15.3 * 70 + 679 = 1750; 31-60: 11.6 * 70 + 879 = 1691.
        QTest::newRow("30.4 counts as 30")
            << person("30.4", "70", 1) << 1750.0f << QString() << 0.0f << 1440.0f;
        QTest::newRow("30,6 counts as 31")
            << person("30,6", "70", 1) << 1691.0f << QString() << 0.0f << 1440.0f;
        QTest::newRow("30.5 counts as 30")
            << person("30.5", "70", 1) << 1750.0f << QString() << 0.0f << 1440.0f;
        QTest::newRow("31.5 counts as 32")
            << person("31.5", "70", 1) << 1691.0f << QString() << 0.0f << 1440.0f;
        QTest::newRow("toddler") << person("2", "12", 0) << 681.0f << QString() << 0.0f << 1440.0f;
        QTest::newRow("age outside the table keeps the BMR")
            << person("111", "70", 1) << EnergyExpenditure::kStartBmr << QString() << 0.0f
            << 1440.0f;
        QTest::newRow("an age beyond any number of years")
            << person("99999999999", "70", 1) << EnergyExpenditure::kStartBmr << QString() << 0.0f
            << 1440.0f;
        QTest::newRow("more minutes than the day has")
            << person(
                   "40", "80", 1,
                   {{QStringLiteral("Sova (1.0)"), QStringLiteral("1500"), QStringLiteral("1.0")}})
            << 1807.0f << QStringLiteral("0,00") << 0.0f << -60.0f;
        QTest::newRow("a free row counts nothing") << person("40", "80", 1, {ActivityRow{}, run})
                                                   << 1807.0f << QString() << 225.6f << 1380.0f;
    }
    void compute() {
        QFETCH(ActivityInputs, inputs);
        QFETCH(float, bmr);
        QFETCH(QString, firstPerMinute);
        QFETCH(float, total);
        QFETCH(float, minutesLeft);
        const ActivityResult r = EnergyExpenditure::compute(inputs, EnergyExpenditure::kStartBmr);
        QCOMPARE(QString::number(r.bmr, 'f', 1), QString::number(bmr, 'f', 1));
        QCOMPARE(r.kcalPerMinute.value(0), firstPerMinute);
        QCOMPARE(QString::number(r.total, 'f', 1), QString::number(total, 'f', 1));
        QCOMPARE(QString::number(r.expenditure, 'f', 1), QString::number(bmr + total, 'f', 1));
        QCOMPARE(r.minutesLeft, minutesLeft);
    }

    void normNumber_data() {
        QTest::addColumn<int>("age");
        QTest::addColumn<bool>("man");
        QTest::addColumn<int>("nr");
        QTest::newRow("boy 14") << 14 << true << 1;
        QTest::newRow("boy 15") << 15 << true << 2;
        QTest::newRow("man 75") << 75 << true << 5;
        QTest::newRow("man 76") << 76 << true << 6;
        QTest::newRow("girl 11") << 11 << false << 11;
        QTest::newRow("woman 110") << 110 << false << 16;
        QTest::newRow("child 4") << 4 << false << 24;
        QTest::newRow("child 10") << 10 << true << 25;
        QTest::newRow("over 110") << 111 << true << 0;
    }
    void normNumber() {
        QFETCH(int, age);
        QFETCH(bool, man);
        QFETCH(int, nr);
        QCOMPARE(EnergyExpenditure::normNumber(age, man), nr);
    }

    void activatesFromTheAgeGroupAndTheExpenditure() {
        TempDataFolder data;
        VexamatDatabase db;
        QString error;
        QVERIFY2(db.open(data.filePath(VexamatDatabase::kFileName), &error), qPrintable(error));
        FoodTable normer(db, TableSchema::Normer);
        QVERIFY2(normer.open(&error), qPrintable(error));

        ActiveNorm norm;
        norm.ActiveNeed.fill(kSentinel);
        norm.StandardNeed.fill(kSentinel);
        const ActivityInputs in = person("15", "55", 0);
        const ActivityResult r = EnergyExpenditure::compute(in, 0);
        EnergyExpenditure::activate(norm, in, r, normer);

        QCOMPARE(norm.NormKind, QStringLiteral("aktivnorm"));
        QCOMPARE(norm.NormLabel, QStringLiteral("Kvinna 15 år, 55 kg.  1417 kcal/dag"));
        QCOMPARE(norm.NormNumber, 12);
        QCOMPARE(norm.NormName, QStringLiteral("Kvinnor 15-18 år"));
        const float kj = 1417.0f * 4.184f;
        QCOMPARE(norm.ActiveNeed[nutrientSlot(nutrient::Kcal)], 1417.0f);
        QCOMPARE(norm.ActiveNeed[nutrientSlot(nutrient::Kj)], kj);
        QCOMPARE(norm.ActiveNeed[nutrientSlot(nutrient::Protein)], 15.0f * kj / 1700.0f);
        QCOMPARE(norm.ActiveNeed[nutrientSlot(nutrient::Fat)], 30.0f * kj / 3700.0f);
        QCOMPARE(norm.ActiveNeed[nutrientSlot(nutrient::Carbohydrate)], 55.0f * kj / 1700.0f);
        QCOMPARE(norm.ActiveNeed[nutrientSlot(nutrient::Saturated)], 10.0f * kj / 3700.0f);
        QCOMPARE(norm.ActiveNeed[nutrientSlot(nutrient::Monounsaturated)], 12.5f * kj / 3700.0f);
        QCOMPARE(norm.ActiveNeed[nutrientSlot(nutrient::Polyunsaturated)], 7.5f * kj / 3700.0f);
        // Vitamins and minerals of the age group, in both copies; the standard copy keeps
        // the row's energy.
        QCOMPARE(norm.ActiveNeed[nutrientSlot(nutrient::Iron)], 15.0f);
        QCOMPARE(norm.StandardNeed[nutrientSlot(nutrient::Iron)], 15.0f);
        QCOMPARE(norm.StandardNeed[nutrientSlot(nutrient::Kj)], 9600.0f);
        QCOMPARE(norm.ActiveNeed[nutrientSlot(nutrient::Selenium)], 50.0f);
        // The amino acids and the extra items are not the row's.
        QCOMPARE(norm.ActiveNeed[nutrientSlot(kLastNutrientNo)], kSentinel);
        QCOMPARE(norm.ActiveNeed[nutrientSlot(nutrient::Selenium) + 1], kSentinel);
    }

    void anAgeWithoutGroupKeepsTheNutrients() {
        ActiveNorm norm;
        norm.ActiveNeed.fill(kSentinel);
        norm.NormNumber = 3;
        const ActivityInputs in = person("120", "70", 1);
        EnergyExpenditure::activate(norm, in, EnergyExpenditure::compute(in, 2000.0f),
                                    std::nullopt);
        QCOMPARE(norm.NormNumber, 3);
        QCOMPARE(norm.ActiveNeed[nutrientSlot(nutrient::Kcal)], 2000.0f);
        QCOMPARE(norm.ActiveNeed[nutrientSlot(nutrient::Iron)], kSentinel);
    }

    void activityFileRoundTrip() {
        QTemporaryDir dir;
        ActivityInputs in = person(
            "40", "80,5", 1,
            {{QStringLiteral("Titta på tv (1.2)"), QStringLiteral("90"), QStringLiteral("1.2")},
             ActivityRow{},
             {QStringLiteral("Cykla (4,5)"), QStringLiteral("30"), QStringLiteral("4,5")}});
        const QString path = dir.filePath(QStringLiteral("lista.akt"));
        QString error;
        QVERIFY2(ActivityFile::write(path, in, &error), qPrintable(error));
        const QByteArray bytes = readAll(path);
        QVERIFY(bytes.startsWith(QByteArray("40\r\n80,5\r\n1\r\nTitta p\xe5 tv (1.2)\r\n90\r\n"
                                            "1.2\r\n\r\n\r\n\r\nCykla (4,5)\r\n30\r\n4,5\r\n")));
        QCOMPARE(bytes.count("\r\n"), 3 + 3 * EnergyExpenditure::kGridRows);

        ActivityInputs back;
        QVERIFY2(ActivityFile::read(path, &back, &error), qPrintable(error));
        QCOMPARE(back.rows.size(), EnergyExpenditure::kGridRows);
        QCOMPARE(back.rows[0].name, QStringLiteral("Titta på tv (1.2)"));
        QCOMPARE(back.rows[2].factor, QStringLiteral("4,5"));
        const QString again = dir.filePath(QStringLiteral("igen.akt"));
        QVERIFY(ActivityFile::write(again, back, &error));
        QCOMPARE(readAll(again), bytes);
    }

    void damagedActivityFile_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reason");
        QTest::newRow("too short") << QByteArray("40\r\n80\r\n") << QStringLiteral("för kort");
        QTest::newRow("age") << QByteArray("fyrtio\r\n80\r\n1\r\n") << QStringLiteral("rad 1");
        QTest::newRow("sex") << QByteArray("40\r\n80\r\n2\r\n") << QStringLiteral("rad 3");
        QTest::newRow("minutes") << QByteArray("40\r\n80\r\n1\r\nSova (1)\r\nlänge\r\n1\r\n")
                                 << QStringLiteral("rad 5");
        QTest::newRow("factor") << QByteArray("40\r\n80\r\n1\r\nSova (1)\r\n30\r\n\r\n")
                                << QStringLiteral("rad 6");
    }
    void damagedActivityFile() {
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("trasig.akt"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
        f.close();
        ActivityInputs in = person("33", "66", 0);
        QString error;
        QVERIFY(!ActivityFile::read(path, &in, &error));
        QVERIFY2(error.startsWith(QStringLiteral("Kan ej öppna aktivitetslistan")),
                 qPrintable(error));
        QVERIFY2(error.contains(reason), qPrintable(error));
        QCOMPARE(in.age, QStringLiteral("33"));
        QVERIFY(!ActivityFile::read(dir.filePath(QStringLiteral("saknas.akt")), &in, &error));
    }

    void activityTableReadAndWrite() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("aktiv.txt"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("0;Vila;Sova;1.0;\r\n0;vila;Titta p\xe5 tv;1,2;\r\n0;Sport;Ab;9;\r\n"
                "0;Sport;Simma;tio;\r\n0;Sport;Cykla\r\n");
        f.close();
        const ActivityTable::ReadResult read = ActivityTable::read(path);
        QVERIFY(read.ok);
        QCOMPARE(read.rows.size(), 5);
        QCOMPARE(read.rows[1].name, QStringLiteral("Titta på tv"));
        QCOMPARE(read.rows[4].factor, QString());
        QCOMPARE(ActivityTable::groups(read.rows), (QStringList{"Vila", "Sport"}));
        QCOMPARE(ActivityTable::inGroup(read.rows, QStringLiteral("Sport")).size(), 2);
        QCOMPARE(ActivityTable::inGroup(read.rows, ActivityTable::kAllGroups).size(), 4);
        QCOMPARE(ActivityTable::shownName(read.rows[1]), QStringLiteral("Titta på tv (1,2)"));
        // Simma and Cykla have no factor that is a number.
        QCOMPARE(read.warnings.size(), 2);
        QVERIFY(read.warnings[0].contains(QStringLiteral("aktiv.txt, rad 4")));

        QString error;
        QVERIFY(ActivityTable::write(path, read.rows, &error));
        QCOMPARE(readAll(path), QByteArray("0;Enkel;Sova;1.0;\r\n0;Enkel;Titta p\xe5 tv;1,2;\r\n"
                                           "0;Enkel;Simma;tio;\r\n0;Enkel;Cykla;;\r\n"));

        const ActivityTable::ReadResult missing =
            ActivityTable::read(dir.filePath(QStringLiteral("saknas/aktiv.txt")));
        QVERIFY(!missing.ok);
        QVERIFY(missing.error.contains(QStringLiteral("aktiv.txt")));
    }

    void shippedActivityTableReads() {
        const ActivityTable::ReadResult read = ActivityTable::read(
            qEnvironmentVariable("VEXAMAT_SOURCE_DATA") + QStringLiteral("/aktiv.txt"));
        QVERIFY2(read.ok, qPrintable(read.error));
        QVERIFY(read.rows.size() > 50);
        QVERIFY2(read.warnings.isEmpty(), qPrintable(read.warnings.join('\n')));
    }
};

QTEST_GUILESS_MAIN(TstActivities)
#include "tst_activities.moc"
