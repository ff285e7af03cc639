#include "core/AppState.h"
#include "core/reports/ReportBarLine.h"
#include "core/reports/ReportLineBuilder.h"
#include "core/reports/ReportNumber.h"

#include <QTest>

#include <algorithm>

#include <memory>

using namespace vexamat;

namespace {

struct NameRow {
    int no;
    const char* name;
    const char* label;
    int decimals;
};
const NameRow kNames[] = {
    {15, "Energi", "Energi kJ", 0},   {16, "Energi", "Energi kcal", 0},
    {19, "Protein", "Protein g", 1},  {20, "Fett", "Fett g", 1},
    {21, "Kolhydr", "Kolhydr g", 1},  {28, "C-vit", "C-vit mg", 0},
    {34, "Kalcium", "Kalcium mg", 0}, {36, "Järn", "Järn mg", 1},
    {49, "Alkohol", "Alkohol g", 1},
};

MealRow food(const char* name, const char* unit, float unitWeight, float gram,
             std::initializer_list<std::pair<int, float>> per100) {
    MealRow r;
    r.kod = QStringLiteral("1");
    r.livsmedel = QString::fromUtf8(name);
    r.enhet = QString::fromUtf8(unit);
    r.enhetsvikt = unitWeight;
    r.gram = gram;
    r.naring.fill(0.0f);
    for (const auto& [no, v] : per100)
        r.naring[nutrientSlot(no)] = v;
    return r;
}

QString lead(const QString& text) {
    return text.leftJustified(50, QLatin1Char(' '));
}

const QString kScale = QStringLiteral(
    "                                50%           100%          150%       %av rek.     Rek.");
const QString kNoFat =
    QStringLiteral("Fett (energi%):   Mättat   0%    Enkelomättat   0%   Fleromättat   0%");

ReportLines withTitle(const QString& title, const QStringList& texts) {
    ReportLines lines;
    for (const QString& t : texts)
        lines.append(ReportLine{t, title});
    return lines;
}

} // namespace

class TstReportLines : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<AppState> m_state;

    Report build(ReportOptions::What what, ReportOptions::Detail detail, bool compressed = false,
                 int day = 0, int meal = 0) {
        m_state->recalculate();
        ReportOptions options;
        options.what = what;
        options.detail = detail;
        options.compressed = compressed;
        options.day = day;
        options.meal = meal;
        return ReportLineBuilder(*m_state).build(options);
    }

    static void compareLines(const ReportLines& actual, const ReportLines& expected) {
        for (int i = 0; i < std::min(actual.size(), expected.size()); ++i) {
            QCOMPARE(actual.at(i).text, expected.at(i).text);
            QCOMPARE(actual.at(i).title, expected.at(i).title);
        }
        QCOMPARE(actual.size(), expected.size());
    }

private Q_SLOTS:
    void init() {
        m_state = std::make_unique<AppState>();
        for (const NameRow& n : kNames) {
            m_state->names.NutrientName[n.no] = QString::fromUtf8(n.name);
            m_state->names.NutrientLabel[n.no] = QString::fromUtf8(n.label);
            m_state->names.NutrientDecimals[n.no] = n.decimals;
        }
        m_state->selection.clear();
        for (int n : {15, 19, 20})
            m_state->selection.setSelected(n, true);
        m_state->norm.NormLabel = QStringLiteral("Kvinna 31-60");
        m_state->norm.ActiveNeed[nutrientSlot(15)] = 10000;
        m_state->norm.ActiveNeed[nutrientSlot(19)] = 60;
        m_state->norm.ActiveNeed[nutrientSlot(20)] = 70;
        // Frukost of day 1: bread in units, butter in grams without a protein value.
        m_state->registration.row(0, 0, 1) =
            food("Bröd", "st", 50, 150, {{15, 1000}, {19, 10}, {20, 5}});
        m_state->registration.row(0, 0, 2) =
            food("Smör", "", 0, 7.5f, {{15, 3000}, {19, -1}, {20, 80}});
        // Lunch of day 3.
        m_state->registration.row(2, 1, 1) =
            food("Äpple", "st", 100, 200, {{15, 200.5f}, {19, 0.3f}, {20, 0.25f}, {21, 11}});
    }

    void mealWithEveryFood() {
        const QString t = QStringLiteral("Dag 1 Frukost");
        const Report report = build(ReportOptions::What::Meal, ReportOptions::Detail::AllFoods);
        compareLines(report.lines,
                     withTitle(t, {
                                      lead("Livsmedel") + " EnergiProtein   Fett",
                                      "",
                                      lead("Bröd") + "   1500   15.0    7.5",
                                      lead("3.00 st = 150 gram"),
                                      "",
                                      lead("Smör") + "    225      -    6.0",
                                      lead("7.5 gram"),
                                      "",
                                      lead("* SUMMA *") + "   1725   15.0   13.5",
                                      "",
                                      "",
                                      "",
                                      "Kvinna 31-60    Frukost",
                                      "",
                                      kScale,
                                      "",
                                      "!Energi 1725 kJ ?69&2500 kJ@",
                                      "!Protein 15.0 g ?100&15.0 g@",
                                      "!Fett 13.5 g ?77&17.5 g@",
                                      "",
                                      "Energifördelning: Protein  34%   Fett  66%           "
                                      "Kolhydrat   0%",
                                      kNoFat,
                                  }));
        QCOMPARE(report.fallbackTitle, t);
        QCOMPARE(report.energySets.size(), 1);
        QCOMPARE(qRound(report.energySets.first().fat), 66);
    }

    void mealAsFoodList() {
        const QString t = QStringLiteral("Dag 1 Frukost");
        m_state->settings.MealShare[0] = 0.2f;
        const Report report = build(ReportOptions::What::Meal, ReportOptions::Detail::MealSums);
        compareLines(report.lines,
                     withTitle(t, {
                                      "Livsmedel                                          Antal  "
                                      "Sort     Gram",
                                      "",
                                      lead("Bröd") + " 3.00 st          150",
                                      lead("Smör") + " 0.00               8",
                                      "",
                                      "",
                                      "",
                                      "Kvinna 31-60    Frukost",
                                      "",
                                      kScale,
                                      "",
                                      "!Energi 1725 kJ ?86&2000 kJ@",
                                      "!Protein 15.0 g ?125&12.0 g@",
                                      "!Fett 13.5 g ?96&14.0 g@",
                                      "",
                                      "Energifördelning: Protein  34%   Fett  66%           "
                                      "Kolhydrat   0%",
                                      kNoFat,
                                  }));
    }

    void dayWithDaySumsOnly() {
        const QString t = QStringLiteral("Dag 1");
        const Report report = build(ReportOptions::What::Day, ReportOptions::Detail::DaySums);
        compareLines(report.lines,
                     withTitle(t, {
                                      lead("") + " EnergiProtein   Fett",
                                      "",
                                      lead("Frukost") + "   1725   15.0   13.5",
                                      "",
                                      lead("* Dagsumma *") + "   1725   15.0   13.5",
                                      "",
                                      "",
                                      "",
                                      "Kvinna 31-60    Dag 1",
                                      "",
                                      kScale,
                                      "",
                                      "!Energi 1725 kJ ?17&10000 kJ@",
                                      "!Protein 15.0 g ?25&60.0 g@",
                                      "!Fett 13.5 g ?19&70.0 g@",
                                      "",
                                      "Energifördelning: Protein  34%   Fett  66%           "
                                      "Kolhydrat   0%",
                                      kNoFat,
                                  }));
    }

    void compressedDay() {
        const QString t = QStringLiteral("Dag 1");
        const Report report =
            build(ReportOptions::What::Day, ReportOptions::Detail::AllFoods, true);
        const QStringList head{
            "*** Frukost ***",
            QStringLiteral("Bröd").leftJustified(62) + "     3.0  st         150 gram",
            QStringLiteral("Smör").leftJustified(62) + "     0.0               8 gram",
            "",
            "",
            "",
            "Kvinna 31-60    Dag 1",
        };
        compareLines(report.lines.first(head.size()), withTitle(t, head));
        // No "* Dagsumma *" lines; the bar block and energy lines follow the meals.
        QCOMPARE(report.lines.size(), head.size() + 9);
        QCOMPARE(report.energySets.size(), 1);
    }

    void periodSumOfAllDays() {
        const QString t = QStringLiteral("Sammanställning");
        const Report report = build(ReportOptions::What::AllDays, ReportOptions::Detail::PeriodSum);
        compareLines(report.lines,
                     withTitle(t, {
                                      lead("") + " EnergiProtein   Fett",
                                      "",
                                      lead("Dag 1") + "   1725   15.0   13.5",
                                      "",
                                      lead("Dag 3") + "    401    0.6    0.5",
                                      "",
                                      lead("* Periodsumma *") + "   1063    7.8    7.0",
                                      "",
                                      "",
                                      "",
                                      "Kvinna 31-60    Perioden",
                                      "",
                                      kScale,
                                      "",
                                      "!Energi 1063 kJ ?11&10000 kJ@",
                                      "!Protein 7.8 g ?13&60.0 g@",
                                      "!Fett 7.0 g ?10&70.0 g@",
                                      "",
                                      "Energifördelning: Protein  23%   Fett  45%           "
                                      "Kolhydrat  32%",
                                      kNoFat,
                                  }));
    }

    // Every meal section, then the day's compilation, for each day with food, then the
    // period: one page group each, each with its own energy set for the pies.
    void allDaysGroupsAndEnergySets() {
        const Report report = build(ReportOptions::What::AllDays, ReportOptions::Detail::AllFoods);
        QStringList titles;
        for (const auto& [first, end] : report.groups())
            titles << report.lines.at(first).title;
        QCOMPARE(titles, (QStringList{"Dag 1 Frukost", "Dag 1", "Dag 3 Lunch", "Dag 3",
                                      "Sammanställning"}));
        QCOMPARE(report.energySets.size(), titles.size());
        QCOMPARE(qRound(report.energySets.at(4).protein), 23);
    }

    void optionsLeaveOutBlocks_data() {
        QTest::addColumn<bool>("withBars");
        QTest::addColumn<bool>("fat");
        QTest::addColumn<int>("lines");
        // 10 lines of foods and sum, 9 of bars (two empty, heading, empty, scale, empty and
        // three bars), 3 energy lines.
        QTest::newRow("both") << true << true << 22;
        QTest::newRow("no bars") << false << true << 13;
        QTest::newRow("no fat") << true << false << 19;
        QTest::newRow("neither") << false << false << 10;
    }
    void optionsLeaveOutBlocks() {
        QFETCH(bool, withBars);
        QFETCH(bool, fat);
        QFETCH(int, lines);
        m_state->recalculate();
        ReportOptions options;
        options.bars = withBars;
        options.fatComposition = fat;
        const Report report = ReportLineBuilder(*m_state).build(options);
        QCOMPARE(report.lines.size(), lines);
        const auto bars = std::count_if(report.lines.begin(), report.lines.end(),
                                        [](const ReportLine& l) { return l.text.startsWith("!"); });
        QCOMPARE(bars, withBars ? 3 : 0);
        QCOMPARE(report.lines.last().text.startsWith("Fett (energi%)"), fat);
    }

    void eightNutrientsTakeTwoLines() {
        for (int n : {16, 21, 28, 34, 36})
            m_state->selection.setSelected(n, true);
        const Report report = build(ReportOptions::What::Meal, ReportOptions::Detail::AllFoods);
        QCOMPARE(report.lines.at(0).text,
                 lead("Livsmedel") + " Energi EnergiProtein   FettKolhydr  C-vit");
        QCOMPARE(report.lines.at(1).text, lead("") + "Kalcium   Järn");
        QCOMPARE(report.lines.at(2).text, "");
        QCOMPARE(report.lines.at(3).text,
                 lead("Bröd") + "   1500      0   15.0    7.5    0.0      0");
        QCOMPARE(report.lines.at(4).text, lead("3.00 st = 150 gram") + "      0    0.0");
        QCOMPARE(report.lines.at(5).text, "");
    }

    void noSelectedNutrientLeavesTheLeadAlone() {
        m_state->selection.clear();
        const Report report = build(ReportOptions::What::Meal, ReportOptions::Detail::AllFoods);
        QCOMPARE(report.lines.at(0).text, lead("Livsmedel"));
        QCOMPARE(report.lines.at(2).text, lead("Bröd"));
        QCOMPARE(report.lines.at(3).text, lead("3.00 st = 150 gram"));
    }

    void mealWithoutShare() {
        m_state->registration.row(0, 5, 1) = food("Kaka", "", 0, 50, {{15, 1000}});
        const Report report =
            build(ReportOptions::What::Meal, ReportOptions::Detail::AllFoods, false, 0, 5);
        QCOMPARE(report.lines.first().title, QStringLiteral("Dag 1 Mellanmål 3"));
        QVERIFY(report.lines.contains(
            ReportLine{"!Energi 500 kJ ? & -@", QStringLiteral("Dag 1 Mellanmål 3")}));
        const ReportBarLine bar = ReportBarLine::parse("!Energi 500 kJ ? & -@");
        QCOMPARE(bar.percent, 0);
        QCOMPARE(bar.barWidth(), 0);
        QCOMPARE(bar.percentText(), QStringLiteral("    -"));
        QCOMPARE(bar.recommendation, QStringLiteral(" -"));
    }

    void alcoholLine() {
        m_state->registration.row(0, 0, 3) = food("Vin", "", 0, 300, {{15, 290}, {49, 10}});
        const Report report = build(ReportOptions::What::Day, ReportOptions::Detail::DaySums);
        QCOMPARE(report.lines.at(report.lines.size() - 2).text,
                 QStringLiteral("Energifördelning: Protein  16%   Fett  31%           Kolhydrat   "
                                "0%           Alkohol  54%"));
    }

    void barLines_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("percent");
        QTest::addColumn<QString>("recommendation");
        QTest::newRow("80 %") << "!Protein 48.0 g ?80&60.0 g@"
                              << "Protein 48.0 g " << 160 << "   80%"
                              << "60.0 g";
        QTest::newRow("200 %") << "!Protein 120.0 g ?200&60.0 g@"
                               << "Protein 120.0 g " << 370 << "-> 200%"
                               << "60.0 g";
        QTest::newRow("185 % fits") << "!Fett 1 g ?185&1 g@"
                                    << "Fett 1 g " << 370 << "   185%"
                                    << "1 g";
        QTest::newRow("0 %") << "!Fett 0.0 g ?0& - @"
                             << "Fett 0.0 g " << 0 << "    -"
                             << " - ";
    }
    void barLines() {
        QFETCH(QString, line);
        QFETCH(QString, label);
        QFETCH(int, width);
        QFETCH(QString, percent);
        QFETCH(QString, recommendation);
        const ReportBarLine bar = ReportBarLine::parse(line);
        QCOMPARE(bar.label, label);
        QCOMPARE(bar.barWidth(), width);
        QCOMPARE(bar.percentText(), percent);
        QCOMPARE(bar.recommendation, recommendation);
    }

    void dayAtTwiceTheNeed() {
        m_state->norm.ActiveNeed[nutrientSlot(19)] = 7.5f;
        const Report report = build(ReportOptions::What::Day, ReportOptions::Detail::DaySums);
        QVERIFY(report.lines.contains(ReportLine{"!Protein 15.0 g ?200&7.5 g@", "Dag 1"}));
    }

    void numbers_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("text");
        QTest::newRow("padded") << 7.46 << 1 << 7 << "    7.5";
        QTest::newRow("longer is kept") << 12345678.0 << 0 << 7 << "12345678";
        QTest::newRow("no negative zero") << -0.01 << 1 << 0 << "0.0";
        QTest::newRow("negative") << -2.5 << 1 << 5 << " -2.5";
    }
    void numbers() {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(int, width);
        QFETCH(QString, text);
        QCOMPARE(ReportNumber::fixed(value, decimals, width), text);
    }

    // A full registration needs far more than the old store's 11 999 lines and 101 energy
    // sets; every line is written and the period comes last.
    void bigReportIsWrittenWhole() {
        m_state->registration.clear();
        for (int d = 0; d < Registration::kDays; ++d)
            for (int m = 0; m < Registration::kMeals; ++m)
                for (int r = 1; r <= 40; ++r)
                    m_state->registration.row(d, m, r) = food("Mat", "", 0, 100, {{15, 100}});
        const Report report = build(ReportOptions::What::AllDays, ReportOptions::Detail::AllFoods);
        QVERIFY(report.lines.size() > 11999);
        QCOMPARE(report.energySets.size(), 21 * 9 + 21 + 1);
        QCOMPARE(report.lines.last().title, QStringLiteral("Sammanställning"));
        QCOMPARE(report.lines.last().text, kNoFat);
    }
};

QTEST_GUILESS_MAIN(TstReportLines)
#include "tst_reportlines.moc"
