#include "core/AppState.h"
#include "core/registration/MealRowCodec.h"
#include "core/registration/Registration.h"

#include <QTest>

using namespace vexamat;

namespace {

MealRow food(const QString& kod, float gram = 100) {
    MealRow r;
    r.kod = kod;
    r.livsmedel = QStringLiteral("Mat ") + kod;
    r.enhet = QStringLiteral("st");
    r.enhetsvikt = 50;
    r.gram = gram;
    r.naring.fill(1.0f);
    return r;
}

void fill(Registration& reg, int day, int meal, const QStringList& codes) {
    int r = 1;
    for (const QString& c : codes)
        reg.row(day, meal, r++) = food(c);
}

QStringList codes(const Registration& reg, int day, int meal) {
    QStringList out;
    for (int r = 1; r <= Registration::kLastRow; ++r) {
        if (!reg.row(day, meal, r).isEmpty())
            out << reg.row(day, meal, r).kod;
    }
    return out;
}

} // namespace

class TstRegistration : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void newRegistrationEmptiesEverythingAndClearsChanged() {
        AppState state;
        fill(state.registration, 20, 8, {QStringLiteral("1_1")});
        state.registration.row(3, 2, 5) = food(QStringLiteral("2_2"));
        state.registration.row(3, 2, 5).altEnhet[0] = QStringLiteral("dl");
        state.registration.row(3, 2, 5).avfall = 30;
        state.registration.row(3, 2, 5).tidslot = 40;
        state.CurrentDay = 4;
        state.CurrentMeal = 2;
        state.NewRegistration();
        QCOMPARE(state.CurrentDay, 0);
        QCOMPARE(state.CurrentMeal, 0);
        for (int d = 0; d < Registration::kDays; ++d)
            QVERIFY(state.registration.isDayEmpty(d));
        // A reused row shows nothing of the food it held before.
        const MealRow& reused = state.registration.row(3, 2, 5);
        QCOMPARE(reused.altEnhet[0], QString());
        QCOMPARE(reused.avfall, 0.0f);
        QCOMPARE(reused.tidslot, 96);
        QCOMPARE(reused.naring[0], 0.0f);
    }

    void pasteAppendsAfterExistingRows() {
        Registration reg;
        fill(reg, 0, 1, {QStringLiteral("A"), QStringLiteral("B")});
        Registration source;
        fill(source, 0, 0, {QStringLiteral("C1"), QStringLiteral("C2"), QStringLiteral("C3")});
        const auto result = reg.pasteMeal(0, 1, source.meal(0, 0));
        QCOMPARE(result.pasted, 3);
        QCOMPARE(codes(reg, 0, 1), (QStringList{"A", "B", "C1", "C2", "C3"}));
    }

    void pasteIntoAlmostFullMealDropsTheRest() {
        Registration reg;
        QStringList many;
        for (int i = 0; i < 98; ++i)
            many << QStringLiteral("F%1").arg(i);
        fill(reg, 0, 0, many);
        Registration source;
        fill(source, 0, 0, {QStringLiteral("X1"), QStringLiteral("X2"), QStringLiteral("X3")});
        const auto result = reg.pasteMeal(0, 0, source.meal(0, 0));
        QCOMPARE(result.pasted, 1);
        QCOMPARE(result.dropped, 2);
        QCOMPARE(reg.row(0, 0, 99).kod, QStringLiteral("X1"));
    }

    void pasteNeverOverwritesFoodAfterAGap() {
        Registration reg;
        reg.row(0, 0, 1) = food(QStringLiteral("A"));
        reg.row(0, 0, 3) = food(QStringLiteral("B")); // row 2 empty
        Registration source;
        fill(source, 0, 0, {QStringLiteral("C1"), QStringLiteral("C2")});
        reg.pasteMeal(0, 0, source.meal(0, 0));
        QCOMPARE(reg.row(0, 0, 2).kod, QStringLiteral("C1"));
        QCOMPARE(reg.row(0, 0, 3).kod, QStringLiteral("B"));
        QCOMPARE(reg.row(0, 0, 4).kod, QStringLiteral("C2"));
    }

    void deleteLastRowOfFullMeal() {
        Registration reg;
        QStringList all;
        for (int i = 1; i <= 99; ++i)
            all << QStringLiteral("F%1").arg(i);
        fill(reg, 2, 3, all);
        reg.deleteRow(2, 3, 99);
        QCOMPARE(reg.filledRowCount(2, 3), 98);
        QVERIFY(reg.row(2, 3, 99).isEmpty());
    }

    void deleteClosesTheGap() {
        Registration reg;
        fill(reg, 0, 0, {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
        reg.deleteRow(0, 0, 1);
        QCOMPARE(codes(reg, 0, 0), (QStringList{"B", "C"}));
        QCOMPARE(reg.row(0, 0, 1).kod, QStringLiteral("B"));
    }

    void insertMovesRowsDownAndLosesRow99() {
        Registration reg;
        QStringList all;
        for (int i = 1; i <= 99; ++i)
            all << QStringLiteral("F%1").arg(i);
        fill(reg, 0, 0, all);
        reg.insertRowAt(0, 0, 2);
        QVERIFY(reg.row(0, 0, 2).isEmpty());
        QCOMPARE(reg.row(0, 0, 3).kod, QStringLiteral("F2"));
        QCOMPARE(reg.row(0, 0, 99).kod, QStringLiteral("F98"));
    }

    void mealRowRecordRoundTrip() {
        MealRow r = food(QStringLiteral("1_234"), 123.5f);
        r.livsmedel = QStringLiteral("Äpple m. skal");
        r.altEnhet = {QStringLiteral("dl"), QStringLiteral("msk"), QString(), QStringLiteral("st")};
        r.altPort = {60, 15, 0, 150};
        r.avfall = 10;
        r.kgpris = 25.5f;
        r.klockan = QStringLiteral("08:30");
        r.tidslot = 34;
        r.naring[0] = -1;
        r.naring[71] = 3.25f;
        const QByteArray bytes = MealRowCodec::encode(r);
        QCOMPARE(bytes.size(), 536);
        // Field offsets as recipe files hold them.
        QCOMPARE(int(quint8(bytes.at(0))), 5);
        QCOMPARE(bytes.mid(1, 5), QByteArray("1_234"));
        QCOMPARE(int(quint8(bytes.at(23))), 13);
        QCOMPARE(bytes.at(24), '\xC4'); // Ä in Windows-1252
        QCOMPARE(bytes.mid(237, 5), QByteArray("08:30"));
        MealRow back;
        QVERIFY(MealRowCodec::decode(bytes, &back));
        QCOMPARE(back.kod, r.kod);
        QCOMPARE(back.livsmedel, r.livsmedel);
        QCOMPARE(back.altEnhet, r.altEnhet);
        QCOMPARE(back.altPort, r.altPort);
        QCOMPARE(back.gram, r.gram);
        QCOMPARE(back.tidslot, 34);
        QCOMPARE(back.naring, r.naring);
        QVERIFY(!MealRowCodec::decode(bytes.left(535), &back));
    }
};

QTEST_APPLESS_MAIN(TstRegistration)
#include "tst_registration.moc"
