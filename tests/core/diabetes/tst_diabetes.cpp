#include "core/AppState.h"
#include "core/analysis/CalculationResults.h"
#include "core/diabetes/CarbohydrateCounting.h"
#include "core/diabetes/GlucoseCurve.h"
#include "core/diabetes/ReadingTime.h"
#include "core/files/FoodLookup.h"
#include "core/files/RegistrationFile.h"
#include "core/registration/RegistrationSession.h"
#include "support/TempDataFolder.h"

#include <QTest>

#include <cmath>

using namespace vexamat;

namespace {

constexpr int kCarbs = CarbohydrateCounting::kCarbohydrateNo - 15;

} // namespace

class TestDiabetes : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void timeToHours_data();
    void timeToHours();
    void readingTimes_data();
    void readingTimes();
    void glucoseCurve_data();
    void glucoseCurve();
    void dose_data();
    void dose();
    void countingRows();
    void factorBySlotFillsQuarters();
    void fiveHundredRule_data();
    void fiveHundredRule();
    void insulinBars();
    void readingsAreUndoableChanges();
    void readingsWrittenAndReadBack();
};

void TestDiabetes::timeToHours_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("hours");
    QTest::newRow("point") << "7.45" << 7.75;
    QTest::newRow("comma") << "7,45" << 7.75;
    QTest::newRow("colon") << "7:45" << 7.75;
    QTest::newRow("whole hours") << "13" << 13.0;
    QTest::newRow("leading blanks") << "  7:30" << 7.5;
    QTest::newRow("one minute digit reads as tens") << "7.3" << 7.5;
    QTest::newRow("minutes 15 exact") << "8.15" << 8.25;
    QTest::newRow("not a number") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("two separators") << "7:45:10" << 0.0;
}

void TestDiabetes::timeToHours() {
    QFETCH(QString, text);
    QFETCH(double, hours);
    QCOMPARE(TimeToHours(text), hours);
}

void TestDiabetes::readingTimes_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::newRow("7:45") << "7:45" << true;
    QTest::newRow("7,45") << "7,45" << true;
    QTest::newRow("whole hour") << "22" << true;
    QTest::newRow("midnight") << "0:00" << true;
    QTest::newRow("24:00") << "24:00" << true;
    QTest::newRow("24:30") << "24:30" << false;
    QTest::newRow("25") << "25" << false;
    QTest::newRow("minutes 60") << "7:60" << false;
    QTest::newRow("letters") << "kl 7" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("negative") << "-7" << false;
    QTest::newRow("three minute digits") << "7.450" << false;
}

void TestDiabetes::readingTimes() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QCOMPARE(IsReadingTime(text), valid);
}

void TestDiabetes::glucoseCurve_data() {
    QTest::addColumn<QStringList>("times");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QList<double>>("hours");
    QTest::addColumn<QList<double>>("mmol");
    QTest::newRow("two readings") << QStringList{"7:30", "10:00"} << QStringList{"5,2", "8.4"}
                                  << QList<double>{7.5, 10.0}
                                  << QList<double>{double(5.2f), double(8.4f)};
    QTest::newRow("within 6 minutes is ignored")
        << QStringList{"7:30", "7:33", "9"} << QStringList{"5", "6", "7"} << QList<double>{7.5, 9.0}
        << QList<double>{5.0, 7.0};
    QTest::newRow("earlier than the last is ignored")
        << QStringList{"9", "8"} << QStringList{"5", "6"} << QList<double>{9.0}
        << QList<double>{5.0};
    QTest::newRow("midnight is not drawn")
        << QStringList{"0:00", "0:06", "0:07"} << QStringList{"4", "5", "6"}
        << QList<double>{0.07 / 0.6} << QList<double>{6.0};
    QTest::newRow("no value is passed over") << QStringList{"8", "9"} << QStringList{"", "6"}
                                             << QList<double>{9.0} << QList<double>{6.0};
}

void TestDiabetes::glucoseCurve() {
    QFETCH(QStringList, times);
    QFETCH(QStringList, values);
    QFETCH(QList<double>, hours);
    QFETCH(QList<double>, mmol);
    ReadingStore store;
    for (int i = 0; i < times.size(); ++i)
        store.set(3, i + 1, times[i], values[i]);
    store.set(4, 1, QStringLiteral("12"), QStringLiteral("9")); // another day
    const QList<GlucoseCurve::Point> points = GlucoseCurve::build(store, 3);
    QCOMPARE(points.size(), hours.size());
    for (int i = 0; i < points.size(); ++i) {
        QVERIFY2(std::abs(points[i].hours - hours[i]) < 1e-9, qPrintable(QString::number(i)));
        QCOMPARE(points[i].value, mmol[i]);
    }
}

void TestDiabetes::dose_data() {
    QTest::addColumn<double>("carbs");
    QTest::addColumn<QString>("ratio");
    QTest::addColumn<QString>("dose");
    QTest::newRow("62 g at 1:10") << 62.0 << "10"
                                  << "6.2";
    QTest::newRow("ratio with comma") << 30.0 << "7,5"
                                      << "4.0";
    QTest::newRow("ratio 0.2, 1 g") << 1.0 << "0.2"
                                    << "5.0";
    QTest::newRow("ratio 0.1 gives none") << 50.0 << "0.1"
                                          << "";
    QTest::newRow("ratio 0 gives none") << 50.0 << "0"
                                        << "";
    QTest::newRow("empty ratio") << 50.0 << ""
                                 << "";
    QTest::newRow("ratio not a number") << 50.0 << "tio"
                                        << "";
    QTest::newRow("negative ratio") << 50.0 << "-10"
                                    << "";
    QTest::newRow("no carbohydrates") << 0.0 << "10"
                                      << "";
    QTest::newRow("rounds to 0.0") << 0.4 << "10"
                                   << "";
}

void TestDiabetes::dose() {
    QFETCH(double, carbs);
    QFETCH(QString, ratio);
    QFETCH(QString, dose);
    const double value = CarbohydrateCounting::dose(carbs, ratio);
    QVERIFY(std::isfinite(value));
    QCOMPARE(CarbohydrateCounting::doseText(value), dose);
}

void TestDiabetes::countingRows() {
    auto results = std::make_unique<CalculationResults>();
    results->MealSum[2][0][kCarbs] = 62.0f;
    results->MealSum[2][2][kCarbs] = 45.4f;
    results->DaySum[2][kCarbs] = 107.4f;
    CarbohydrateSettings settings;
    settings.MealRatio[0] = QStringLiteral("10");
    settings.MealRatio[1] = QStringLiteral("12"); // lunch holds nothing
    settings.MealRatio[9] = QStringLiteral("0");

    const QList<CarbohydrateCounting::Row> rows =
        CarbohydrateCounting::count(*results, 2, settings);
    QCOMPARE(rows.size(), 10);
    QCOMPARE(rows[0].carbohydrates, QStringLiteral("62"));
    QCOMPARE(rows[0].dose, QStringLiteral("6.2"));
    QCOMPARE(rows[0].barLabel, QStringLiteral("Frukost 6.2"));
    QCOMPARE(rows[1].carbohydrates, QString());
    QCOMPARE(rows[1].dose, QString());
    QCOMPARE(rows[1].barLabel, QStringLiteral("Lunch "));
    QCOMPARE(rows[2].carbohydrates, QStringLiteral("45"));
    QCOMPARE(rows[2].dose, QString()); // no ratio typed
    QCOMPARE(rows[9].carbohydrates, QStringLiteral("107"));
    QCOMPARE(rows[9].barLabel, QStringLiteral("Dagen "));
    QVERIFY(CarbohydrateCounting::hasDose(rows));
    QVERIFY(!CarbohydrateCounting::hasDose(CarbohydrateCounting::count(*results, 3, settings)));
}

void TestDiabetes::factorBySlotFillsQuarters() {
    CarbohydrateSettings settings;
    settings.HourFactor[0] = QStringLiteral("8");
    for (int h = 7; h < 24; ++h)
        settings.HourFactor[std::size_t(h)] = QStringLiteral("12");
    settings.HourFactor[10] = QStringLiteral("x");
    const CarbohydrateCounting::Factors f = CarbohydrateCounting::factorBySlot(settings);
    for (int s = 0; s < 4; ++s)
        QCOMPARE(f[std::size_t(s)], 8.0f);
    QCOMPARE(f[4], 0.0f);
    QCOMPARE(f[27], 0.0f);
    QCOMPARE(f[28], 12.0f);
    QCOMPARE(f[40], 0.0f); // hour 10 is no number
    QCOMPARE(f[95], 12.0f);
    QCOMPARE(f[96], 12.0f);
}

void TestDiabetes::fiveHundredRule_data() {
    QTest::addColumn<QString>("numerator");
    QTest::addColumn<QString>("daily");
    QTest::addColumn<double>("factor"); // -1: none
    QTest::newRow("500 / 60") << "500"
                              << "60" << 500.0 / 60.0;
    QTest::newRow("450 / 45") << "450"
                              << "45" << 10.0;
    QTest::newRow("comma daily dose") << "500"
                                      << "62,5" << 8.0;
    QTest::newRow("daily dose 1") << "500"
                                  << "1" << -1.0;
    QTest::newRow("daily dose 0") << "500"
                                  << "0" << -1.0;
    QTest::newRow("daily dose not a number") << "500"
                                             << "sextio" << -1.0;
    QTest::newRow("empty daily dose") << "500"
                                      << "" << -1.0;
}

void TestDiabetes::fiveHundredRule() {
    QFETCH(QString, numerator);
    QFETCH(QString, daily);
    QFETCH(double, factor);
    const std::optional<double> got = CarbohydrateCounting::factorBy500Rule(numerator, daily);
    if (factor < 0) {
        QVERIFY(!got);
        return;
    }
    QVERIFY(got);
    QVERIFY(std::abs(*got - factor) < 1e-9);
}

void TestDiabetes::insulinBars() {
    auto results = std::make_unique<CalculationResults>();
    results->TimeSum[30][kCarbs] = 60.0f; // 7:30
    results->TimeSum[48][kCarbs] = 40.0f; // 12:00, no factor at that hour
    results->TimeSum[96][kCarbs] = 24.0f; // no time
    CarbohydrateSettings settings;
    settings.HourFactor[7] = QStringLiteral("10");
    settings.HourFactor[23] = QStringLiteral("8");
    const QList<CarbohydrateCounting::InsulinBar> bars = CarbohydrateCounting::insulinBars(
        *results, CarbohydrateCounting::factorBySlot(settings), 4.0f);
    QCOMPARE(bars.size(), 2);
    QCOMPARE(bars[0].slot, 30);
    QCOMPARE(bars[0].hours, 29 / 4.0);
    QCOMPARE(bars[0].dose, 6.0);
    QCOMPARE(bars[0].height, 24.0);
    QCOMPARE(bars[1].slot, 96);
    QCOMPARE(bars[1].dose, 3.0);
}

void TestDiabetes::readingsAreUndoableChanges() {
    AppState state;
    state.CurrentDay = 5;
    RegistrationSession session(state);
    QVERIFY(!session.isChanged());
    QVERIFY(session.setReading(RegistrationSession::ReadingKind::Glucose, 2, "8:00", "5,5"));
    QVERIFY(session.isChanged());
    QCOMPARE(state.GlucoseStore.reading(5, 2).time, QStringLiteral("8:00"));
    QVERIFY(state.InsulinStore.reading(5, 2).isEmpty());
    QCOMPARE(session.undoName(), RegistrationSession::kGlucoseStep);
    // The same text again is no change.
    QVERIFY(!session.setReading(RegistrationSession::ReadingKind::Glucose, 2, "8:00", "5,5"));
    QVERIFY(!session.setReading(RegistrationSession::ReadingKind::Insulin, 21, "8:00", "4"));

    CarbohydrateSettings carb = state.carbohydrate;
    carb.HourFactor[7] = QStringLiteral("12");
    QVERIFY(session.setCarbohydrate(carb));
    QCOMPARE(state.carbohydrate.HourFactor[7], QStringLiteral("12"));

    QVERIFY(session.undo());
    QCOMPARE(state.carbohydrate.HourFactor[7], QString());
    QVERIFY(session.undo());
    QVERIFY(state.GlucoseStore.reading(5, 2).isEmpty());
    QVERIFY(!session.isChanged());
    QVERIFY(session.redo());
    QCOMPARE(state.GlucoseStore.reading(5, 2).value, QStringLiteral("5,5"));
    QVERIFY(session.isChanged());
}

void TestDiabetes::readingsWrittenAndReadBack() {
    TempDataFolder data;
    QVERIFY(data.isValid());
    AppState a;
    a.DataDir = data.path();
    QString error;
    QVERIFY2(a.openTables(&error), qPrintable(error));
    a.GlucoseStore.set(0, 1, QStringLiteral("7:30"), QStringLiteral("5,2"));
    a.GlucoseStore.set(0, 2, QStringLiteral("10:00"), QStringLiteral("8,4"));
    a.GlucoseStore.set(6, 1, QString(), QStringLiteral("6")); // value typed before its time
    a.InsulinStore.set(20, 1, QStringLiteral("12:15"), QStringLiteral("7"));
    a.carbohydrate.MealRatio[0] = QStringLiteral("10");
    a.carbohydrate.MealRatio[9] = QStringLiteral("12,5");
    a.carbohydrate.HourFactor[0] = QStringLiteral("9");
    a.carbohydrate.HourFactor[23] = QStringLiteral("11");
    const QString path = data.filePath(QStringLiteral("socker.vexa"));
    QVERIFY(RegistrationFile::write(path, a, QStringLiteral("D"), &error));

    AppState b;
    b.DataDir = data.path();
    QVERIFY(b.openTables(&error));
    FoodLookup lookup(b);
    QCOMPARE(RegistrationFile::read(path, b, lookup).status, RegistrationFile::Status::Ok);
    QVERIFY(b.GlucoseStore == a.GlucoseStore);
    QVERIFY(b.InsulinStore == a.InsulinStore);
    QVERIFY(b.carbohydrate == a.carbohydrate);
    QCOMPARE(GlucoseCurve::build(b.GlucoseStore, 0).size(), 2);
}

QTEST_MAIN(TestDiabetes)
#include "tst_diabetes.moc"
