#include "core/reports/ReportLineBuilder.h"

#include "core/AppState.h"
#include "core/reports/ReportNumber.h"

namespace vexamat {

namespace {

const QString kSummary = QStringLiteral("Sammanställning");
const QString kScaleLine =
    QStringLiteral("                                50%           100%        "
                   "  150%       %av rek.     Rek.");
const QString kFoodListHeading =
    QStringLiteral("Livsmedel                                          Antal  Sort     Gram");

constexpr int kj = nutrientSlot(nutrient::Kj);

QString blanks(int count) {
    return QString(count, QLatin1Char(' '));
}

QString lead(const QString& text) {
    return ReportNumber::padRight(text, ReportLineBuilder::kLeadWidth);
}

} // namespace

ReportLineBuilder::ReportLineBuilder(const AppState& state) : m_state(state) {}

QString ReportLineBuilder::dayName(int day) {
    return QStringLiteral("Dag %1").arg(day + 1);
}

QString ReportLineBuilder::mealName(int meal) const {
    if (meal == 0 && m_state.settings.WholeDayMode)
        return QStringLiteral("Hela dagen");
    return MealName(meal);
}

double ReportLineBuilder::units(const MealRow& row) {
    return row.enhetsvikt > 0.9f ? double(row.gram) / double(row.enhetsvikt) : 0.0;
}

QString ReportLineBuilder::amountText(const MealRow& row) {
    const double count = units(row);
    const QString grams = ReportNumber::fixed(row.gram, row.gram <= 9.9f ? 1 : 0);
    if (count <= 0.01)
        return grams + QStringLiteral(" gram");
    return ReportNumber::fixed(count, 2) + QLatin1Char(' ') + row.enhet + QStringLiteral(" = ") +
           grams + QStringLiteral(" gram");
}

QList<int> ReportLineBuilder::selected() const {
    QList<int> numbers;
    for (int n = kFirstNutrientNo; n <= kLastNutrientNo; ++n)
        if (m_state.selection.isSelected(n))
            numbers.append(n);
    return numbers;
}

bool ReportLineBuilder::mealHasContent(int day, int meal) const {
    return m_state.results->MealSum[day][meal][kj] > 1.0f;
}

bool ReportLineBuilder::dayHasContent(int day) const {
    return m_state.results->DaySum[day][kj] > 0.5f;
}

void ReportLineBuilder::add(const QString& text, const QString& title) {
    if (m_report.lines.isEmpty())
        m_report.fallbackTitle = title;
    m_report.lines.append(ReportLine{text, title});
}

void ReportLineBuilder::addRows(const QString& leadText, const QStringList& cells,
                                const QString& title) {
    QString line = lead(leadText);
    for (int i = 0; i < cells.size(); ++i) {
        if (i > 0 && i % kCellsPerLine == 0) {
            add(line, title);
            line = blanks(kLeadWidth);
        }
        line += cells.at(i);
    }
    add(line, title);
}

QString ReportLineBuilder::valueCell(int nutrientNo, double value) const {
    return ReportNumber::fixed(value, m_state.names.decimals(nutrientNo), kCellWidth);
}

QStringList ReportLineBuilder::valueCells(const NutrientValues& values) const {
    QStringList cells;
    for (int n : selected())
        cells << valueCell(n, values[nutrientSlot(n)]);
    return cells;
}

void ReportLineBuilder::heading(const QString& leadText, const QString& title) {
    QStringList cells;
    for (int n : selected())
        cells << m_state.names.NutrientName[n].rightJustified(kCellWidth, QLatin1Char(' '));
    addRows(leadText, cells, title);
    addEmpty(title);
}

void ReportLineBuilder::foodValues(int day, int meal, const QString& title) {
    const QList<int> numbers = selected();
    for (int r = 1; r <= Registration::kLastRow; ++r) {
        const MealRow& row = m_state.registration.row(day, meal, r);
        if (row.isEmpty())
            continue;
        QStringList cells;
        for (int n : numbers) {
            const float per100 = row.naring[nutrientSlot(n)];
            cells << (per100 < -0.1f ? QStringLiteral("      -")
                                     : valueCell(n, double(per100) * double(row.gram) / 100.0));
        }
        // The second line always exists: it carries the amount.
        QString line = lead(row.livsmedel.left(kLeadWidth));
        int i = 0;
        for (; i < cells.size() && i < kCellsPerLine; ++i)
            line += cells.at(i);
        add(line, title);
        line = lead(amountText(row));
        for (int k = 0; i < cells.size(); ++i, ++k) {
            if (k > 0 && k % kCellsPerLine == 0) {
                add(line, title);
                line = blanks(kLeadWidth);
            }
            line += cells.at(i);
        }
        add(line, title);
        addEmpty(title);
    }
}

void ReportLineBuilder::mealSum(int day, int meal, const QString& title) {
    addRows(QStringLiteral("* SUMMA *"), valueCells(m_state.results->MealSum[day][meal]), title);
    addEmpty(title);
    barBlock(Block::Meal, day, meal, true, title);
    energyLines(Block::Meal, day, meal, title);
    appendEnergySet(Block::Meal, day, meal);
}

void ReportLineBuilder::foodList(int day, int meal, const QString& title) {
    add(kFoodListHeading, title);
    addEmpty(title);
    for (int r = 1; r <= Registration::kLastRow; ++r) {
        const MealRow& row = m_state.registration.row(day, meal, r);
        if (row.isEmpty())
            continue;
        const double count = units(row);
        add(lead(row.livsmedel.left(kLeadWidth)) + ReportNumber::fixed(count, 2, 5) +
                QLatin1Char(' ') +
                (count <= 0.01 ? blanks(9) : ReportNumber::padRight(row.enhet, 9)) +
                ReportNumber::fixed(row.gram, 0, 6),
            title);
    }
    addEmpty(title);
    barBlock(Block::Meal, day, meal, false, title);
    energyLines(Block::Meal, day, meal, title);
    appendEnergySet(Block::Meal, day, meal);
}

void ReportLineBuilder::mealLines(int day) {
    const QString title = dayName(day);
    for (int m = 0; m < Registration::kMeals; ++m) {
        if (m_state.results->MealSum[day][m][kj] < 1.0f)
            continue;
        addRows(mealName(m), valueCells(m_state.results->MealSum[day][m]), title);
        addEmpty(title);
    }
}

void ReportLineBuilder::daySum(int day, bool compressed) {
    if (m_state.results->DaySum[day][kj] < 1.0f)
        return;
    const QString title = dayName(day);
    if (!compressed) {
        addRows(QStringLiteral("* Dagsumma *"), valueCells(m_state.results->DaySum[day]), title);
        addEmpty(title);
    }
    barBlock(Block::Day, day, 0, false, title);
    energyLines(Block::Day, day, 0, title);
    appendEnergySet(Block::Day, day, 0);
}

void ReportLineBuilder::compressedDay(int day) {
    const QString title = dayName(day);
    for (int m = 0; m < Registration::kMeals; ++m) {
        if (!mealHasContent(day, m))
            continue;
        add(QStringLiteral("*** ") + mealName(m) + QStringLiteral(" ***"), title);
        for (int r = 1; r <= Registration::kLastRow; ++r) {
            const MealRow& row = m_state.registration.row(day, m, r);
            if (row.livsmedel.isEmpty())
                continue;
            add((row.livsmedel + blanks(60)).left(62) + ReportNumber::fixed(units(row), 1, 8) +
                    blanks(2) + (row.enhet + blanks(15)).left(8) +
                    ReportNumber::fixed(row.gram, 0, 6) + QStringLiteral(" gram"),
                title);
        }
        addEmpty(title);
    }
    daySum(day, true);
}

void ReportLineBuilder::dayLines() {
    for (int d = 0; d < Registration::kDays; ++d) {
        if (!dayHasContent(d))
            continue;
        addRows(dayName(d), valueCells(m_state.results->DaySum[d]), kSummary);
        addEmpty(kSummary);
    }
}

void ReportLineBuilder::periodSum() {
    if (m_state.results->PeriodAverage[kj] < 1.0f)
        return;
    addRows(QStringLiteral("* Periodsumma *"), valueCells(m_state.results->PeriodAverage),
            kSummary);
    addEmpty(kSummary);
    barBlock(Block::Period, 0, 0, false, kSummary);
    energyLines(Block::Period, 0, 0, kSummary);
    appendEnergySet(Block::Period, 0, 0);
}

void ReportLineBuilder::barBlock(Block block, int day, int meal, bool mealSumBlock,
                                 const QString& title) {
    if (!m_options.bars)
        return;
    const CalculationResults& results = *m_state.results;
    const ActiveNorm& norm = m_state.norm;
    addEmpty(title);
    addEmpty(title);
    QString headingText = norm.NormLabel + QStringLiteral("    ");
    switch (block) {
    case Block::Meal:
        headingText += mealName(meal);
        break;
    case Block::Day:
        headingText += dayName(day);
        break;
    case Block::Period:
        headingText += QStringLiteral("Perioden");
        break;
    }
    add(headingText, title);
    addEmpty(title);
    add(kScaleLine, title);
    addEmpty(title);

    const float share = m_state.settings.MealShare[meal];
    for (int n : selected()) {
        const int slot = nutrientSlot(n);
        const int decimals = m_state.names.decimals(n);
        const QString label = m_state.names.NutrientLabel[n];
        const qsizetype blank = label.indexOf(QLatin1Char(' '));
        const QString unit = blank < 0 ? QStringLiteral(" ") : label.mid(blank + 1);
        const double need = norm.ActiveNeed[slot];
        double value = 0;
        QString percent;
        QString recommendation;
        switch (block) {
        case Block::Meal: {
            value = results.MealSum[day][meal][slot];
            const double product = double(share) * need;
            if (share <= 0.001f) {
                percent = QStringLiteral(" ");
                recommendation = QStringLiteral(" -");
            } else {
                percent =
                    ReportNumber::fixed(double(results.MealPercent[day][meal][slot]) / share, 0);
                recommendation =
                    mealSumBlock && product <= 0.0001
                        ? QStringLiteral(" -")
                        : ReportNumber::fixed(product, decimals) + QLatin1Char(' ') + unit;
            }
            break;
        }
        case Block::Day:
            value = results.DaySum[day][slot];
            percent = ReportNumber::fixed(results.DayPercent[day][slot], 0);
            recommendation = need <= 0.00001
                                 ? QStringLiteral(" - ")
                                 : ReportNumber::fixed(need, decimals) + QLatin1Char(' ') + unit;
            break;
        case Block::Period:
            value = results.PeriodAverage[slot];
            percent = ReportNumber::fixed(results.PeriodPercent[slot], 0);
            recommendation = need <= 0.0001
                                 ? QStringLiteral(" -")
                                 : ReportNumber::fixed(need, decimals) + QLatin1Char(' ') + unit;
            break;
        }
        add(QLatin1Char('!') + m_state.names.NutrientName[n] + QLatin1Char(' ') +
                ReportNumber::fixed(value, decimals) + QLatin1Char(' ') + unit +
                QStringLiteral(" ?") + percent + QLatin1Char('&') + recommendation +
                QLatin1Char('@'),
            title);
    }
}

namespace {

const EnergyShares& sharesOf(const CalculationResults& results, int block, int day, int meal) {
    if (block == 0)
        return results.MealEnergyShares[day][meal];
    if (block == 1)
        return results.DayEnergyShares[day];
    return results.PeriodEnergyShares;
}

QString share(float value) {
    return ReportNumber::fixed(value, 0, 3);
}

} // namespace

void ReportLineBuilder::energyLines(Block block, int day, int meal, const QString& title) {
    if (!m_options.fatComposition)
        return;
    const EnergyShares& e = sharesOf(*m_state.results, int(block), day, meal);
    addEmpty(title);
    QString line = QStringLiteral("Energifördelning: Protein ") + share(e.protein) +
                   QStringLiteral("%   Fett ") + share(e.fat) +
                   QStringLiteral("%           Kolhydrat ") + share(e.carbohydrate) +
                   QLatin1Char('%');
    if (e.alcohol > 1.0f)
        line += QStringLiteral("           Alkohol ") + share(e.alcohol) + QLatin1Char('%');
    add(line, title);
    add(QStringLiteral("Fett (energi%):   Mättat ") + share(e.saturated) +
            QStringLiteral("%    Enkelomättat ") + share(e.monounsaturated) +
            QStringLiteral("%   Fleromättat ") + share(e.polyunsaturated) + QLatin1Char('%'),
        title);
}

void ReportLineBuilder::appendEnergySet(Block block, int day, int meal) {
    m_report.energySets.append(sharesOf(*m_state.results, int(block), day, meal));
}

void ReportLineBuilder::mealSection(int day, int meal) {
    const QString title = dayName(day) + QLatin1Char(' ') + mealName(meal);
    if (m_options.detail == ReportOptions::Detail::AllFoods) {
        heading(QStringLiteral("Livsmedel"), title);
        foodValues(day, meal, title);
        mealSum(day, meal, title);
    } else {
        foodList(day, meal, title);
    }
}

void ReportLineBuilder::dayReport(int day) {
    if (m_options.detail == ReportOptions::Detail::AllFoods ||
        m_options.detail == ReportOptions::Detail::MealSums) {
        for (int m = 0; m < Registration::kMeals; ++m)
            if (mealHasContent(day, m))
                mealSection(day, m);
    }
    heading(blanks(3), dayName(day));
    mealLines(day);
    daySum(day, false);
}

void ReportLineBuilder::allDaysReport() {
    if (m_options.detail != ReportOptions::Detail::PeriodSum) {
        for (int d = 0; d < Registration::kDays; ++d)
            if (dayHasContent(d))
                dayReport(d);
    }
    heading(blanks(3), kSummary);
    dayLines();
    periodSum();
}

Report ReportLineBuilder::build(const ReportOptions& options) {
    m_options = options;
    m_report = Report();
    const EnergyShares ideal{m_state.norm.NormEnergyShare[0], m_state.norm.NormEnergyShare[1],
                             m_state.norm.NormEnergyShare[2]};
    m_report.idealEnergy = ideal;
    switch (options.what) {
    case ReportOptions::What::Meal:
        mealSection(options.day, options.meal);
        break;
    case ReportOptions::What::Day:
        if (options.compressed)
            compressedDay(options.day);
        else
            dayReport(options.day);
        break;
    case ReportOptions::What::AllDays:
        if (options.compressed) {
            for (int d = 0; d < Registration::kDays; ++d)
                if (dayHasContent(d))
                    compressedDay(d);
        } else {
            allDaysReport();
        }
        break;
    }
    return m_report;
}

} // namespace vexamat
