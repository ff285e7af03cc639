#include "core/analysis/FoodSearch.h"
#include "core/catalogue/FoodCatalogue.h"
#include "core/catalogue/FoodTable.h"
#include "core/catalogue/TableSchema.h"
#include "core/catalogue/VexamatDatabase.h"
#include "support/TableFixture.h"

#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QTest>

using namespace vexamat;

namespace {

struct Tables {
    FoodTable livtab100, fabrikant, egna, dabas;
    explicit Tables(VexamatDatabase& db)
        : livtab100(db, TableSchema::Livtab100), fabrikant(db, TableSchema::Fabrikant),
          egna(db, TableSchema::Egna), dabas(db, TableSchema::Dabas) {
        livtab100.open(nullptr);
        fabrikant.open(nullptr);
        egna.open(nullptr);
        dabas.open(nullptr);
    }
};

} // namespace

class TstCatalogue : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    VexamatDatabase m_db;
    FoodCatalogue m_catalogue;

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_db.create(m_dir.filePath(QStringLiteral("vexamat.db")), nullptr));
        using F = TableFixture;
        const auto add = [this](const QString& table, const F::Record& r) {
            QVERIFY(F::insert(m_db, table, r));
        };
        add(TableSchema::Livtab100, F::food("6_101", "Knäckebröd", "Bröd", "skiva", 12.5));
        add(TableSchema::Livtab100, F::food("6_102", "Franskbröd", "bröd", "skiva", 25));
        add(TableSchema::Livtab100, F::food("8_101", "Banan", "Frukt", "st", 120));
        add(TableSchema::Livtab100, F::food("8_102", "Apelsin", "Frukt", "st", 180));
        add(TableSchema::Livtab100, F::food("9_101", "Vatten", "", "dl", 100));
        add(TableSchema::Livtab100, F::food("9_102", "Kaffe", "", "dl", 100));
        add(TableSchema::Livtab100,
            F::food("3_101", QString(90, QLatin1Char('L')), "Fisk", "port", 125));
        add(TableSchema::Fabrikant, F::food("Oatl001", "Demo havredryck", "", "dl", 100));
        add(TableSchema::Egna, F::food("egna002", "RESERV", "", "g", 100));
        add(TableSchema::Egna, F::food("egna001", "Mormors bulle", "", "st", 40));
        add(TableSchema::Dabas,
            F::food("dab12345678901234567890123", "Yoghurt /Mejeriet", "Mejeriet", "st", 150));
        add(TableSchema::Dabas,
            F::food("dab00000000000002", "Fil /Mejeriet", "Mejeriet", "st", 150));
        add(TableSchema::Dabas, F::food("dab00000000000003", "Knäcke /", "", "st", 10));
        add(TableSchema::Dabas,
            F::food("dab00000000000004", "Bröd /Bageriet", "Bageriet", "st", 30));
        Tables tables(m_db);
        QString error;
        QVERIFY2(m_catalogue.LoadCatalogue(tables.livtab100, tables.fabrikant, tables.egna, &error),
                 qPrintable(error));
        QVERIFY(m_catalogue.LoadDabas(tables.dabas, &error));
    }

    void countsAndNameOrder() {
        QCOMPARE(m_catalogue.FoodCount[0], 7);
        QCOMPARE(m_catalogue.FoodCount[1], 1);
        QCOMPARE(m_catalogue.FoodCount[2], 2);
        QCOMPARE(m_catalogue.DabasCount, 4);
        QVERIFY(m_catalogue.DabasLoaded);
        QCOMPARE(m_catalogue.MainFoods.front().livsmedel, QStringLiteral("Apelsin"));
        QCOMPARE(m_catalogue.EgnaFoods.front().livsmedel, QStringLiteral("Mormors bulle"));
        // fabrikant and egna carry no group.
        QCOMPARE(m_catalogue.FabrikantFoods.front().grupp1, QString());
    }

    void recordFieldsAreCut() {
        const auto it = std::find_if(m_catalogue.MainFoods.begin(), m_catalogue.MainFoods.end(),
                                     [](const FoodRecord& f) { return f.kod == "3_101"; });
        QVERIFY(it != m_catalogue.MainFoods.end());
        QCOMPARE(it->livsmedel.size(), 80);
        const auto dab =
            std::find_if(m_catalogue.DabasFoods.begin(), m_catalogue.DabasFoods.end(),
                         [](const FoodRecord& f) { return f.livsmedel.startsWith("Yoghurt"); });
        QCOMPARE(dab->kod, QStringLiteral("dab1234567890123456789"));
    }

    void portionIsTextWithDecimalComma() {
        const auto it = std::find_if(m_catalogue.MainFoods.begin(), m_catalogue.MainFoods.end(),
                                     [](const FoodRecord& f) { return f.kod == "6_101"; });
        QCOMPARE(it->portionsstorlek, QStringLiteral("12,5"));
        QCOMPARE(it->enhet, QStringLiteral("skiva"));
    }

    void groupList() {
        // Heading first, "Bröd" once, "bröd" separately, one empty group.
        const QStringList& groups = m_catalogue.groupList;
        QCOMPARE(groups.first(), QStringLiteral(" Livsmedelsgrupper"));
        QCOMPARE(groups.count(QStringLiteral("Bröd")), 1);
        QCOMPARE(groups.count(QStringLiteral("bröd")), 1);
        QCOMPARE(groups.count(QString()), 1);
        QCOMPARE(groups.count(QStringLiteral("Frukt")), 1);
        QCOMPARE(groups.size(), 6);
    }

    void brandList() {
        const QStringList& brands = m_catalogue.brandList;
        QCOMPARE(brands.first(), QStringLiteral("  Välj varumärke"));
        QCOMPARE(brands.count(QStringLiteral("  Välj varumärke")), 1);
        QCOMPARE(brands.count(QStringLiteral("Mejeriet")), 1);
        QCOMPARE(brands.count(QString()), 1);
        QCOMPARE(brands.size(), 4);
    }

    void filterByGroupShowsGroupFoods() {
        FoodList list;
        QVERIFY(FoodSearch::FilterByGroup(m_catalogue, QStringLiteral("frukt"), &list));
        QCOMPARE(list.lines, (QStringList{QStringLiteral("Apelsin"), QStringLiteral("Banan")}));
        QCOMPARE(list.companion(0), QStringLiteral("Apelsin{8_102}180@st"));
        QCOMPARE(FoodSearch::codeOfCompanion(list.companion(0)), QStringLiteral("8_102"));
        QVERIFY(
            FoodSearch::FilterByGroup(m_catalogue, QStringLiteral(" Livsmedelsgrupper"), &list));
        QCOMPARE(list.size(), 0);
        QVERIFY(!FoodSearch::FilterByGroup(m_catalogue, QString(), &list));
    }

    void largeTablesLoadWhole() {
        QTemporaryDir dir;
        VexamatDatabase db;
        QVERIFY(db.create(dir.filePath(QStringLiteral("big.db")), nullptr));
        QSqlDatabase sql = db.db();
        sql.transaction();
        for (int i = 0; i < 2600; ++i)
            TableFixture::insert(
                db, TableSchema::Livtab100,
                TableFixture::food(QStringLiteral("1_%1").arg(i),
                                   QStringLiteral("Mat %1").arg(i, 5, 10, QLatin1Char('0')),
                                   QStringLiteral("Grupp")));
        for (int i = 0; i < 8100; ++i)
            TableFixture::insert(db, TableSchema::Dabas,
                                 TableFixture::food(QStringLiteral("dab%1").arg(i),
                                                    QStringLiteral("Vara %1").arg(i),
                                                    QStringLiteral("M")));
        sql.commit();
        Tables tables(db);
        FoodCatalogue catalogue;
        QVERIFY(catalogue.LoadCatalogue(tables.livtab100, tables.fabrikant, tables.egna, nullptr));
        QVERIFY(catalogue.LoadDabas(tables.dabas, nullptr));
        QCOMPARE(catalogue.FoodCount[0], 2600);
        QCOMPARE(catalogue.DabasCount, 8100);
    }
};

QTEST_GUILESS_MAIN(TstCatalogue)
#include "tst_catalogue.moc"
