#include "core/catalogue/VexamatDatabase.h"
#include "core/norms/NormRowLookup.h"
#include "core/norms/PersonNorm.h"
#include "support/TempDataFolder.h"

#include <QTest>

using namespace vexamat;

namespace {

PersonInputs person(int sex, const QString& age, const QString& weight, const QString& height,
                    int work = 0, int leisure = 0) {
    PersonInputs in;
    in.sex = sex;
    in.age = age;
    in.weight = weight;
    in.height = height;
    in.work = work;
    in.leisure = leisure;
    return in;
}

float need(const NutrientValues& values, int nutrientNo) {
    return values[nutrientSlot(nutrientNo)];
}

} // namespace

Q_DECLARE_METATYPE(PersonInputs)

class TstPersonNorm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void energyNeed_data() {
        QTest::addColumn<PersonInputs>("in");
        QTest::addColumn<double>("kcal");
        QTest::addColumn<QString>("shown");
        QTest::newRow("woman 35, sedentary, inactive")
            << person(0, "35", "60", "165") << 1707.6 << "1708 kcal / 7145 kJ";
        QTest::newRow("man 25, walking work, regular leisure")
            << person(1, "25", "70", "180", 2, 2) << 3076.5 << "3076 kcal / 12872 kJ";
        QTest::newRow("man, low BMI")
            << person(1, "40", "60", "180", 1, 1) << 2007.6 * 1.1 << "2208 kcal / 9240 kJ";
        QTest::newRow("woman over 70, high BMI")
            << person(0, "75", "80", "160", 1, 1) << 140.0 * 80 / 4.184 * 0.9 * 0.9
            << "2168 kcal / 9072 kJ";
        QTest::newRow("height 100") << person(0, "35", "60", "100") << 0.0 << "- - - -  kcal /  kJ";
        QTest::newRow("age 11") << person(0, "11", "40", "150") << 0.0 << "- - - -  kcal /  kJ";
        QTest::newRow("empty") << PersonInputs{} << 0.0 << "- - - -  kcal /  kJ";
        QTest::newRow("decimal comma")
            << person(0, "35", "60,0", "165") << 1707.6 << "1708 kcal / 7145 kJ";
        PersonInputs ill = person(0, "8", "50", "");
        ill.ill = 1;
        ill.illBmr = 0;
        QTest::newRow("ill, bedridden") << ill << 1434.0 << "1434 kcal / 6000 kJ";
        ill.illBmr = 3;
        ill.specialBmr = QStringLiteral("200");
        QTest::newRow("ill, special BMR") << ill << 2390.1 << "2390 kcal / 10000 kJ";
    }
    void energyNeed() {
        QFETCH(PersonInputs, in);
        QFETCH(double, kcal);
        QFETCH(QString, shown);
        const float e = PersonNorm::energyNeed(in);
        QVERIFY2(qAbs(e - kcal) < 0.1, qPrintable(QString::number(e)));
        QCOMPARE(PersonNorm::energyText(e), shown);
    }

    void bmi_data() {
        QTest::addColumn<QString>("weight");
        QTest::addColumn<QString>("height");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("left");
        QTest::newRow("22.0") << "60"
                              << "165"
                              << "BMI 22.0" << 341;
        QTest::newRow("40 at the right limit") << "129.6"
                                               << "180"
                                               << "BMI 40.0" << 574;
        QTest::newRow("15 at the left limit") << "48.6"
                                              << "180"
                                              << "BMI 15.0" << 277;
        QTest::newRow("18.5 at the start of Normalvikt") << "59.94"
                                                         << "180"
                                                         << "BMI 18.5" << 277;
        QTest::newRow("25 at the start of Övervikt") << "81"
                                                     << "180"
                                                     << "BMI 25.0" << 394;
        QTest::newRow("height 100") << "60"
                                    << "100"
                                    << "BMI - - -" << 277;
        QTest::newRow("weight 10") << "10"
                                   << "165"
                                   << "BMI - - -" << 277;
        QTest::newRow("no height") << "60"
                                   << ""
                                   << "BMI - - -" << 277;
    }
    void bmi() {
        QFETCH(QString, weight);
        QFETCH(QString, height);
        QFETCH(QString, caption);
        QFETCH(int, left);
        const std::optional<float> b = PersonNorm::bmi(person(0, "35", weight, height));
        QCOMPARE(PersonNorm::bmiCaption(b), caption);
        QCOMPARE(PersonNorm::bmiLeft(b), left);
    }

    void normNumber_data() {
        QTest::addColumn<int>("sex");
        QTest::addColumn<QString>("age");
        QTest::addColumn<int>("nr");
        QTest::newRow("man 11") << 1 << "11" << 1;
        QTest::newRow("man 18") << 1 << "18" << 2;
        QTest::newRow("man 30") << 1 << "30" << 3;
        QTest::newRow("man 31") << 1 << "31" << 4;
        QTest::newRow("man 75") << 1 << "75" << 5;
        QTest::newRow("man 110") << 1 << "110" << 6;
        QTest::newRow("woman 15") << 0 << "15" << 12;
        QTest::newRow("woman 76") << 0 << "76" << 16;
        QTest::newRow("woman 10") << 0 << "10" << 0;
        QTest::newRow("man 111") << 1 << "111" << 0;
    }
    void normNumber() {
        QFETCH(int, sex);
        QFETCH(QString, age);
        QFETCH(int, nr);
        QCOMPARE(PersonNorm::normNumber(person(sex, age, "60", "165")), nr);
    }

    void refusedInputs_data() {
        QTest::addColumn<PersonInputs>("in");
        QTest::newRow("age 10") << person(0, "10", "40", "150");
        QTest::newRow("age 11 gives no need") << person(0, "11", "40", "150");
        QTest::newRow("empty height") << person(0, "35", "60", "");
        QTest::newRow("weight 19") << person(0, "35", "19", "165");
        QTest::newRow("height 99") << person(0, "35", "60", "99");
        QTest::newRow("age 120") << person(0, "120", "60", "165");
        QTest::newRow("letters") << person(0, "35", "6o", "165");
    }
    void refusedInputs() {
        QFETCH(PersonInputs, in);
        QVERIFY(!PersonNorm::estimate(in, ActiveNorm{}, std::nullopt));
    }

    void estimateTakesTheAgeGroupAndTheShares() {
        TempDataFolder data;
        VexamatDatabase db;
        QString error;
        QVERIFY2(db.open(data.filePath(VexamatDatabase::kFileName), &error), qPrintable(error));
        const PersonInputs in = person(0, "35", "60", "165");
        const std::optional<NormRow> row = NormRowLookup::find(db, PersonNorm::normNumber(in));
        QVERIFY(row);
        QCOMPARE(row->Nr, 14);
        ActiveNorm current;
        current.ActiveNeed.fill(7.0f);
        current.StandardNeed.fill(7.0f);
        const std::optional<NormEstimate> e = PersonNorm::estimate(in, current, row);
        QVERIFY(e);
        QCOMPARE(e->kind, QStringLiteral("personnorm"));
        QCOMPARE(e->label, QStringLiteral("Kvinna 35 år, 60 kg.  1708 kcal/dag"));
        const float kcal = 140.0f * 60 / 4.184f - 300;
        const float kj = kcal * 4.184f;
        QCOMPARE(need(e->need, nutrient::Kcal), kcal);
        QCOMPARE(need(e->need, nutrient::Kj), kj);
        // The shares 15/30/55 % and 10/12.5/7.5 % of the start norm.
        QCOMPARE(need(e->need, nutrient::Protein), 15.0f * kj / 1700);
        QCOMPARE(need(e->need, nutrient::Fat), 30.0f * kj / 3700);
        QCOMPARE(need(e->need, nutrient::Carbohydrate), 55.0f * kj / 1700);
        QCOMPARE(need(e->need, nutrient::Saturated), 10.0f * kj / 3700);
        QCOMPARE(need(e->need, nutrient::Monounsaturated), 12.5f * kj / 3700);
        QCOMPARE(need(e->need, nutrient::Polyunsaturated), 7.5f * kj / 3700);
        // Vitamins and minerals from the row, amino acids and the rest from the current norm.
        QCOMPARE(need(e->need, nutrient::Iron), row->values[nutrientSlot(nutrient::Iron)]);
        QCOMPARE(need(e->need, nutrient::Selenium), row->values[nutrientSlot(nutrient::Selenium)]);
        QCOMPARE(need(e->need, nutrient::Selenium + 1), 7.0f);
        QCOMPARE(e->headline.front().first, QStringLiteral("bmi"));

        ActiveNorm norm = current;
        PersonNorm::apply(norm, *e, row);
        QCOMPARE(norm.NormKind, QStringLiteral("personnorm"));
        QCOMPARE(norm.NormNumber, 14);
        QCOMPARE(norm.NormName, row->Norm);
        QCOMPARE(norm.ActiveNeed, e->need);
        QCOMPARE(norm.StandardNeed[nutrientSlot(nutrient::Kj)], row->values[0]);
        QCOMPARE(norm.StandardNeed[nutrientSlot(nutrient::Selenium + 1)], 7.0f);
    }
};

QTEST_GUILESS_MAIN(TstPersonNorm)
#include "tst_personnorm.moc"
