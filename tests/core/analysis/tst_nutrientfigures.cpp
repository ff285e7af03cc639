#include "core/AppState.h"
#include "core/analysis/NutrientFigures.h"
#include "core/text/FixedNumber.h"

#include <QTest>

using namespace vexamat;

namespace {

MealRow food(const QString& name, float gram, std::initializer_list<std::pair<int, float>> values) {
    MealRow r;
    r.kod = QStringLiteral("1_1");
    r.livsmedel = name;
    r.gram = gram;
    r.naring.fill(0.0f);
    for (const auto& [no, v] : values)
        r.naring[std::size_t(nutrientSlot(no))] = v;
    return r;
}

// kJ, protein and selenium chosen. Day 1: breakfast Gröt 250 g (1000 kJ, 10 g protein, no
// selenium value) and Mjölk 150 g (375 kJ, 6 g protein, 3.6 ug selenium); lunch Fisk 100 g
// (500 kJ, 20 g protein). Day 3: Kyckling 100 g (700 kJ, 30 g protein). Needs: 10000 kJ,
// 60 g protein, none for selenium.
std::unique_ptr<AppState> registeredState() {
    auto s = std::make_unique<AppState>();
    s->names.NutrientLabel[nutrient::Kj] = QStringLiteral("Energi kJ");
    s->names.NutrientLabel[nutrient::Protein] = QStringLiteral("Protein g");
    s->names.NutrientLabel[nutrient::Selenium] = QStringLiteral("Selen ug");
    s->names.NutrientDecimals[nutrient::Protein] = 1;
    s->names.NutrientDecimals[nutrient::Selenium] = 1;
    s->selection.clear();
    for (int no : {nutrient::Kj, nutrient::Protein, nutrient::Selenium})
        s->selection.setSelected(no, true);
    s->norm.ActiveNeed[nutrientSlot(nutrient::Kj)] = 10000;
    s->norm.ActiveNeed[nutrientSlot(nutrient::Protein)] = 60;
    s->norm.ActiveNeed[nutrientSlot(nutrient::Selenium)] = 0;
    Registration& reg = s->registration;
    reg.row(0, 0, 1) =
        food(QStringLiteral("Gröt"), 250,
             {{nutrient::Kj, 400}, {nutrient::Protein, 4}, {nutrient::Selenium, -1}});
    reg.row(0, 0, 2) =
        food(QStringLiteral("Mjölk"), 150,
             {{nutrient::Kj, 250}, {nutrient::Protein, 4}, {nutrient::Selenium, 2.4f}});
    reg.row(0, 1, 1) =
        food(QStringLiteral("Fisk"), 100, {{nutrient::Kj, 500}, {nutrient::Protein, 20}});
    reg.row(2, 2, 1) =
        food(QStringLiteral("Kyckling"), 100, {{nutrient::Kj, 700}, {nutrient::Protein, 30}});
    s->CurrentDay = 0;
    s->CurrentMeal = 0;
    s->CurrentMealName = QStringLiteral("Frukost");
    s->CurrentRow = 1;
    s->recalculate();
    return s;
}

} // namespace

class TstNutrientFigures : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fixedWidth_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("text");
        QTest::newRow("blanks in front") << 14.8 << 6 << 1 << "  14.8";
        QTest::newRow("width 0") << 1875.0 << 0 << 0 << "1875";
        QTest::newRow("wider than the width") << 1234567.0 << 6 << 0 << "1234567";
        QTest::newRow("rounded") << 2.26 << 0 << 1 << "2.3";
        QTest::newRow("no minus zero") << -0.01 << 4 << 1 << " 0.0";
    }
    void fixedWidth() {
        QFETCH(double, value);
        QFETCH(int, width);
        QFETCH(int, decimals);
        QFETCH(QString, text);
        QCOMPARE(FixedNumber::format(value, width, decimals), text);
    }

    void figures_data() {
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("meal");
        QTest::addColumn<int>("row");
        QTest::addColumn<QList<QStringList>>("table");
        QTest::newRow("Gröt in breakfast, day 1")
            << 0 << 0 << 1
            << QList<QStringList>{{"", "Gröt  250 gram", "Frukost", "DAG1", "RDI", "% av RDI"},
                                  {"Energi kJ", "1000", "  1375", "  1875", "10000", "19%"},
                                  {"Protein g", "10.0", "  16.0", "  36.0", "60.0", "60%"},
                                  {"Selen ug", "-", "   3.6", "   3.6", "-", "-%"}};
        QTest::newRow("Mjölk, its selenium")
            << 0 << 0 << 2
            << QList<QStringList>{{"", "Mjölk  150 gram", "Frukost", "DAG1", "RDI", "% av RDI"},
                                  {"Energi kJ", "375", "  1375", "  1875", "10000", "19%"},
                                  {"Protein g", "6.0", "  16.0", "  36.0", "60.0", "60%"},
                                  {"Selen ug", "3.6", "   3.6", "   3.6", "-", "-%"}};
        QTest::newRow("an empty row of an empty day")
            << 1 << 0 << 1
            << QList<QStringList>{{"", "", "Frukost", "dag2", "RDI", "% av RDI"},
                                  {"Energi kJ", "", "     0", "     0", "10000", "0%"},
                                  {"Protein g", "", "   0.0", "   0.0", "60.0", "0%"},
                                  {"Selen ug", "", "   0.0", "   0.0", "-", "-%"}};
    }
    void figures() {
        QFETCH(int, day);
        QFETCH(int, meal);
        QFETCH(int, row);
        QFETCH(QList<QStringList>, table);
        auto s = registeredState();
        s->CurrentDay = day;
        s->CurrentMeal = meal;
        s->CurrentRow = row;
        QCOMPARE(NutrientFigures::figures(*s), table);
    }

    void perKg_data() {
        QTest::addColumn<QString>("kg");
        QTest::addColumn<QList<QStringList>>("table");
        // The period: (1875 + 700) / 2 kJ and (36 + 30) / 2 g protein a day.
        QTest::newRow("10 kg") << "10"
                               << QList<QStringList>{
                                      {"", "Gröt", "Frukost", "DAG1", "Alla dagar"},
                                      {"Energi kJ", "100", "   138", "   188", "   129"},
                                      {"Protein g", "1.0", "   1.6", "   3.6", "   3.3"},
                                      {"Selen ug", "-", "   0.4", "   0.4", "   0.2"}};
        QTest::newRow("a decimal comma")
            << "12,5"
            << QList<QStringList>{{"", "Gröt", "Frukost", "DAG1", "Alla dagar"},
                                  {"Energi kJ", "80", "   110", "   150", "   103"},
                                  {"Protein g", "0.8", "   1.3", "   2.9", "   2.6"},
                                  {"Selen ug", "-", "   0.3", "   0.3", "   0.1"}};
        QTest::newRow("0") << "0" << QList<QStringList>{};
        QTest::newRow("0.1 kg") << "0,1" << QList<QStringList>{};
        QTest::newRow("not a number") << "tio" << QList<QStringList>{};
        QTest::newRow("empty") << "" << QList<QStringList>{};
        QTest::newRow("negative") << "-5" << QList<QStringList>{};
    }
    void perKg() {
        QFETCH(QString, kg);
        QFETCH(QList<QStringList>, table);
        auto s = registeredState();
        const std::optional<NutrientFigures::Table> t = NutrientFigures::perKg(*s, kg);
        QCOMPARE(t.has_value(), !table.isEmpty());
        if (t)
            QCOMPARE(*t, table);
    }

    void per100g_data() {
        QTest::addColumn<int>("meal");
        QTest::addColumn<QString>("corrected");
        QTest::addColumn<QString>("weight");
        QTest::addColumn<QStringList>("values");
        // Breakfast: 400 g with 1375 kJ, 16 g protein and 3.6 ug selenium.
        QTest::newRow("the meal's weight") << 0 << ""
                                           << "400" << QStringList{"   344", "   4.0", "   0.9"};
        QTest::newRow("a corrected weight") << 0 << "200"
                                            << "400" << QStringList{"   688", "   8.0", "   1.8"};
        QTest::newRow("a corrected weight with a comma")
            << 0 << "320,0"
            << "400" << QStringList{"   430", "   5.0", "   1.1"};
        QTest::newRow("a corrected weight of 0") << 0 << "0"
                                                 << "400" << QStringList{"", "", ""};
        QTest::newRow("not a number") << 0 << "x"
                                      << "400" << QStringList{"", "", ""};
        QTest::newRow("an empty meal") << 2 << ""
                                       << "0" << QStringList{"", "", ""};
    }
    void per100g() {
        QFETCH(int, meal);
        QFETCH(QString, corrected);
        QFETCH(QString, weight);
        QFETCH(QStringList, values);
        auto s = registeredState();
        s->CurrentMeal = meal;
        const NutrientFigures::Per100g p = NutrientFigures::per100g(*s, corrected);
        QCOMPARE(p.weightText, weight);
        QCOMPARE(p.labels, (QStringList{"Energi kJ", "Protein g", "Selen ug"}));
        QCOMPARE(p.values, values);
    }

    // A meal of 250 g with 10 g protein: 4 g per 100 g, 5 g with a corrected weight of 200.
    void recipePer100g_data() {
        QTest::addColumn<QString>("corrected");
        QTest::addColumn<QString>("protein");
        QTest::newRow("corrected 200") << "200"
                                       << "   5.0";
        QTest::newRow("cleared") << ""
                                 << "   4.0";
    }
    void recipePer100g() {
        QFETCH(QString, corrected);
        QFETCH(QString, protein);
        auto s = registeredState();
        s->CurrentDay = 4;
        s->CurrentMeal = 1;
        s->registration.row(4, 1, 1) = food(QStringLiteral("Soppa"), 250, {{nutrient::Protein, 4}});
        s->recalculate();
        QCOMPARE(NutrientFigures::per100g(*s, corrected).values.value(1), protein);
    }
};

QTEST_GUILESS_MAIN(TstNutrientFigures)
#include "tst_nutrientfigures.moc"
