#include "core/reports/RecipePrintout.h"

#include <QTest>

using namespace vexamat;

namespace {

MealRow food(const char* name, const char* unit, float unitWeight, float gram) {
    MealRow r;
    r.kod = QStringLiteral("1");
    r.livsmedel = QString::fromUtf8(name);
    r.enhet = QString::fromUtf8(unit);
    r.enhetsvikt = unitWeight;
    r.gram = gram;
    return r;
}

using Row = RecipePrintout::Row;

} // namespace

Q_DECLARE_METATYPE(RecipePrintout::Row)

class TstRecipePrintout : public QObject {
    Q_OBJECT
private:
    Registration m_registration;
    NutrientValues m_sum{};
    EnergyShares m_shares{};

    QList<Row> print(const QString& portions, const QStringList& method = {}) {
        return RecipePrintout::rows(m_registration.meal(0, 1), portions, method, m_sum, m_shares);
    }

private Q_SLOTS:
    void init() {
        m_registration.clear();
        m_registration.row(0, 1, 1) = food("Köttfärs", "port", 150, 150);
        m_registration.row(0, 1, 2) = food("Ägg", "st", 75, 150);
        m_registration.row(0, 1, 3) = food("Salt", "", 0, 2.5f);
        m_sum.fill(0);
        m_sum[nutrientSlot(nutrient::Kj)] = 1234.4f;
        m_sum[nutrientSlot(nutrient::Kcal)] = 295.6f;
        m_sum[nutrientSlot(nutrient::Protein)] = 30.2f;
        m_sum[nutrientSlot(nutrient::Fat)] = 18.7f;
        m_sum[nutrientSlot(nutrient::Carbohydrate)] = 0.4f;
        m_shares = EnergyShares{40.6f, 59.2f, 0.2f};
    }

    void amounts_data() {
        QTest::addColumn<QString>("portions");
        QTest::addColumn<QList<Row>>("rows");
        QTest::newRow("four") << "4"
                              << QList<Row>{{"Köttfärs", "150g", "600 g"},
                                            {"Ägg", "150g=2,0st", "600 g"},
                                            {"Salt", "2,5g", "10 g"}};
        QTest::newRow("eight in kg") << "8"
                                     << QList<Row>{{"Köttfärs", "150g", "1.20 kg"},
                                                   {"Ägg", "150g=2,0st", "1.20 kg"},
                                                   {"Salt", "2,5g", "20 g"}};
        QTest::newRow("decimal comma") << "2,5"
                                       << QList<Row>{{"Köttfärs", "150g", "375 g"},
                                                     {"Ägg", "150g=2,0st", "375 g"},
                                                     {"Salt", "2,5g", "6 g"}};
        QTest::newRow("zero leaves names")
            << "0" << QList<Row>{{"Köttfärs", "", ""}, {"Ägg", "", ""}, {"Salt", "", ""}};
        QTest::newRow("not a number")
            << "fyra" << QList<Row>{{"Köttfärs", "", ""}, {"Ägg", "", ""}, {"Salt", "", ""}};
    }
    void amounts() {
        QFETCH(QString, portions);
        QFETCH(QList<Row>, rows);
        QCOMPARE(print(portions).first(3), rows);
    }

    void methodAndNutrition() {
        const QList<Row> rows = print("1", {"Stek färsen.", "Vispa äggen.", "Blanda."});
        QCOMPARE(rows.size(), 3 + 2 + 3 + 1 + 2);
        QCOMPARE(rows.mid(3),
                 (QList<Row>{
                     {},
                     {},
                     {"Stek färsen.", "", ""},
                     {"Vispa äggen.", "", ""},
                     {"Blanda.", "", ""},
                     {},
                     {"Näring/port:  kJ 1234  kcal 296  Prot 30g  Fett 19g  Kolh 0g", "", ""},
                     {"Energifördelning:   Prot 41%     Fett 59%     Kolh 0%", "", ""},
                 }));
    }

    void longNameIsCut() {
        m_registration.row(0, 1, 4) = food(QString(60, 'x').toUtf8().constData(), "", 0, 10);
        QCOMPARE(print("1").at(3).livsmedel, QString(50, 'x'));
    }
};

QTEST_GUILESS_MAIN(TstRecipePrintout)
#include "tst_recipeprintout.moc"
