#include "core/files/KetogenFile.h"
#include "core/norms/KetogenicPlan.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vexamat;

Q_DECLARE_METATYPE(vexamat::KetogenicInputs)

namespace {

KetogenicInputs plan(const QString& weight, const QString& kcal, const QString& protein,
                     const QString& ratio, const QString& meals = QStringLiteral("4")) {
    KetogenicInputs in;
    in.cells = {QStringLiteral("6"), weight, kcal, protein, ratio, meals};
    return in;
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class TstKetogenic : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void compute_data() {
        QTest::addColumn<KetogenicInputs>("inputs");
        QTest::addColumn<double>("energy");
        QTest::addColumn<double>("fat");
        QTest::addColumn<double>("protein");
        QTest::addColumn<double>("carbohydrate");
        QTest::addColumn<double>("meals");
        QTest::newRow("4:1, 80 kcal/kg")
            << plan("20", "80", "1,5", "4") << 1600.0 << 160.0 << 30.0 << 10.0 << 4.0;
        QTest::newRow("3:1, 75 kcal/kg")
            << plan("20", "75", "1.5", "3") << 1500.0 << 145.16 << 30.0 << 18.39 << 4.0;
        QTest::newRow("no room for carbohydrate")
            << plan("20", "60", "2,5", "4") << 1200.0 << 120.0 << 50.0 << -20.0 << 4.0;
        QTest::newRow("fewer than one meal counts as one")
            << plan("20", "80", "1,5", "4", "0,5") << 1600.0 << 160.0 << 30.0 << 10.0 << 1.0;
    }
    void compute() {
        QFETCH(KetogenicInputs, inputs);
        QFETCH(double, energy);
        QFETCH(double, fat);
        QFETCH(double, protein);
        QFETCH(double, carbohydrate);
        QFETCH(double, meals);
        const std::optional<KetogenicResult> r = KetogenicPlan::compute(inputs);
        QVERIFY(r);
        QCOMPARE(QString::number(r->energy, 'f', 2), QString::number(energy, 'f', 2));
        QCOMPARE(QString::number(r->fat, 'f', 2), QString::number(fat, 'f', 2));
        QCOMPARE(QString::number(r->protein, 'f', 2), QString::number(protein, 'f', 2));
        QCOMPARE(QString::number(r->carbohydrate, 'f', 2), QString::number(carbohydrate, 'f', 2));
        QCOMPARE(double(r->meals), meals);
    }

    void unusableInputsComputeNothing_data() {
        QTest::addColumn<int>("cell");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("age with decimals") << 0 << "6,5"
                                           << "Skriv ålder som ett heltal.";
        QTest::newRow("age a word") << 0 << "sex"
                                    << "Skriv ålder som ett heltal.";
        QTest::newRow("ratio 0") << 4 << "0"
                                 << "Skriv ration som ett tal större än 0, t.ex. 4 för 4:1.";
        QTest::newRow("ratio -4/9 would divide by 0")
            << 4 << "-0,4444444"
            << "Skriv ration som ett tal större än 0, t.ex. 4 för 4:1.";
        QTest::newRow("weight empty") << 1 << ""
                                      << "";
    }
    void unusableInputsComputeNothing() {
        QFETCH(int, cell);
        QFETCH(QString, text);
        QFETCH(QString, message);
        KetogenicInputs in = plan("20", "80", "1,5", "4");
        in.cells[std::size_t(cell)] = text;
        QCOMPARE(KetogenicPlan::checkCell(KetogenicPlan::Input(cell), text), message);
        QVERIFY(!KetogenicPlan::compute(in));
    }

    void normNumber_data() {
        QTest::addColumn<int>("age");
        QTest::addColumn<bool>("man");
        QTest::addColumn<int>("nr");
        QTest::newRow("girl 13") << 13 << false << 11;
        QTest::newRow("girl 14") << 14 << false << 12;
        QTest::newRow("boy 14") << 14 << true << 1;
        QTest::newRow("woman 75") << 75 << false << 16;
        QTest::newRow("man 75") << 75 << true << 5;
        QTest::newRow("man 120") << 120 << true << 6;
    }
    void normNumber() {
        QFETCH(int, age);
        QFETCH(bool, man);
        QFETCH(int, nr);
        QCOMPARE(KetogenicPlan::normNumber(age, man), nr);
    }

    void mealShares_data() {
        QTest::addColumn<float>("meals");
        QTest::addColumn<QList<float>>("shares");
        QTest::newRow("1") << 1.0f << QList<float>{1, 0, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("3") << 3.0f << QList<float>{0.33f, 0.33f, 0.33f, 0, 0, 0, 0, 0, 0};
        QTest::newRow("5") << 5.0f << QList<float>{0.2f, 0.2f, 0.2f, 0.2f, 0.2f, 0, 0, 0, 0};
        QTest::newRow("6") << 6.0f << QList<float>(9, 0.0f);
        QTest::newRow("3.5") << 3.5f << QList<float>(9, 0.0f);
        QTest::newRow("1e12") << 1e12f << QList<float>(9, 0.0f);
    }
    void mealShares() {
        QFETCH(float, meals);
        QFETCH(QList<float>, shares);
        const std::array<float, 9> got = KetogenicPlan::mealShares(meals);
        QCOMPARE(QList<float>(got.begin(), got.end()), shares);
    }

    void proposalAndActivation() {
        const KetogenicResult r = *KetogenicPlan::compute(plan("20", "80", "1,5", "4"));
        NormRow row;
        row.values.fill(3.0f);
        NutrientValues base;
        base.fill(9.0f);
        const NutrientValues day = KetogenicPlan::proposal(r, row, base);
        QCOMPARE(day[nutrientSlot(nutrient::Kcal)], 1600.0f);
        QCOMPARE(day[nutrientSlot(nutrient::Kj)], 1600.0f * 4.184f);
        QCOMPARE(day[nutrientSlot(nutrient::Fat)], 160.0f);
        QCOMPARE(day[nutrientSlot(nutrient::Iron)], 3.0f);
        QCOMPARE(day[nutrientSlot(kLastNutrientNo)], 9.0f);

        KetogenicInputs in = plan("20", "80", "1,5", "4");
        in.sex = 1;
        const QString label = KetogenicPlan::label(in, r);
        QCOMPARE(label,
                 QStringLiteral("Ketogen norm: 4 måltider/dag, Man  6 år, 1600,00 kcal/dag"));
        ActiveNorm norm;
        MealSettings settings;
        QStringList texts(72, QStringLiteral("2,5"));
        texts[1] = QStringLiteral("1600");
        KetogenicPlan::activate(norm, settings, texts, label, r.meals);
        QCOMPARE(norm.NormKind, QStringLiteral("ketogennorm"));
        QCOMPARE(norm.ActiveNeed[1], 1600.0f);
        QCOMPARE(norm.ActiveNeed[40], 2.5f);
        QCOMPARE(norm.StandardNeed[40], 100.0f); // the standard copy stays
        QCOMPARE(settings.MealShare[3], 0.25f);
        QCOMPARE(settings.MealShare[4], 0.0f);
    }

    void sideFileRoundTripAndOlderForm() {
        QTemporaryDir dir;
        KetogenicInputs in = plan("20", "80", "1,5", "4");
        in.sex = 1;
        for (int c = 0; c < 72; ++c)
            in.dayNorm << QString::number(c);
        const QString path = dir.filePath(QStringLiteral("k.ketogen"));
        QString error;
        QVERIFY(KetogenFile::write(path, in, &error));
        const QByteArray bytes = readAll(path);
        QVERIFY(bytes.startsWith("Man\r\n6\r\n20\r\n80\r\n1,5\r\n4\r\n4\r\n0\r\n1\r\n"));
        QCOMPARE(bytes.count("\r\n"), 104);
        QVERIFY(bytes.endsWith("71\r\n" + QByteArray("\r\n").repeated(15) +
                               QByteArray("dummy\r\n").repeated(10)));
        KetogenicInputs back;
        QVERIFY2(KetogenFile::read(path, &back, &error), qPrintable(error));
        QVERIFY(KetogenFile::write(dir.filePath(QStringLiteral("b.ketogen")), back, &error));
        QCOMPARE(readAll(dir.filePath(QStringLiteral("b.ketogen"))), bytes);

        // 100 lines: the older form with 66 values; the rest of the day norm stays.
        QByteArray older = "Kvinna\r\n6\r\n20\r\n80\r\n1,5\r\n4\r\n3\r\n";
        older += QByteArray("5\r\n").repeated(66) + QByteArray("x\r\n").repeated(27);
        writeFile(path, older);
        KetogenicInputs kept = in;
        QVERIFY2(KetogenFile::read(path, &kept, &error), qPrintable(error));
        QCOMPARE(kept.sex, 0);
        QCOMPARE(kept.cells[5], QStringLiteral("3"));
        QCOMPARE(kept.dayNorm[65], QStringLiteral("5"));
        QCOMPARE(kept.dayNorm[66], QStringLiteral("66"));
    }

    void damagedSideFile_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reason");
        QTest::newRow("too short") << QByteArray("Man\r\n6\r\n20\r\n") << "för kort";
        QTest::newRow("age") << QByteArray("Man\r\nsex\r\n20\r\n80\r\n1\r\n4\r\n4\r\n") +
                                    QByteArray("1\r\n").repeated(97)
                             << "rad 2";
        QTest::newRow("value") << QByteArray("Man\r\n6\r\n20\r\n80\r\n1\r\n4\r\n4\r\nx\r\n") +
                                      QByteArray("1\r\n").repeated(96)
                               << "rad 8";
    }
    void damagedSideFile() {
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("t.ketogen"));
        writeFile(path, content);
        KetogenicInputs in;
        QString error;
        QVERIFY(!KetogenFile::read(path, &in, &error));
        QVERIFY2(error.contains(reason), qPrintable(error));
        QCOMPARE(in.cells[0], QString());
    }
};

QTEST_GUILESS_MAIN(TstKetogenic)
#include "tst_ketogenic.moc"
