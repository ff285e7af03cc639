#include "core/analysis/NutrientSelection.h"
#include "core/files/LayoutFile.h"
#include "core/norms/AdminPassword.h"
#include "core/norms/SettingsFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

using namespace vexamat;

namespace {

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class TstSettings : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }

private Q_SLOTS:
    void paraFileRoundTrip() {
        SettingsTexts t = SettingsFile::defaults();
        t.mealPercent[0] = QStringLiteral("20");
        t.mealPercent[3] = QStringLiteral("20");
        t.energyPercent[3] = QStringLiteral("12,5");
        QString error;
        QVERIFY(SettingsFile::write(path("vexamat.para"), t, &error));
        QCOMPARE(readAll(path("vexamat.para")),
                 QByteArray("20\r\n30\r\n30\r\n20\r\n0\r\n0\r\n0\r\n0\r\n0\r\n"
                            "15\r\n30\r\n55\r\n12,5\r\n7.5\r\n10\r\n"));
        SettingsTexts back;
        QVERIFY(SettingsFile::read(path("vexamat.para"), &back));
        QCOMPARE(back.mealPercent, t.mealPercent);
        QCOMPARE(back.energyPercent, t.energyPercent);

        MealSettings meals;
        ActiveNorm norm;
        SettingsFile::apply(back, meals, norm);
        QCOMPARE(meals.MealShare[0], 0.2f);
        QCOMPARE(meals.MealShare[3], 0.2f);
        QCOMPARE(meals.MealShare[4], 0.0f);
        // protein, fat, carbohydrate, saturated, monounsaturated, polyunsaturated
        QCOMPARE(norm.NormEnergyShare, (std::array<float, 6>{15, 30, 55, 10, 12.5f, 7.5f}));
    }

    void shortOrBrokenParaFile() {
        writeAll(path("short.para"), "10\r\nabc\r\n");
        SettingsTexts t;
        QVERIFY(SettingsFile::read(path("short.para"), &t));
        QCOMPARE(t.mealPercent[0], QStringLiteral("10"));
        QCOMPARE(t.energyPercent[5], QString());
        MealSettings meals;
        ActiveNorm norm;
        SettingsFile::apply(t, meals, norm);
        QCOMPARE(meals.MealShare[0], 0.1f);
        QCOMPARE(meals.MealShare[1], 0.0f); // not a number: a share of 0
        QCOMPARE(norm.NormEnergyShare[0], 0.0f);
        QVERIFY(!SettingsFile::read(path("missing.para"), &t));
    }

    void paraFileThatCannotBeWritten() {
        QString error;
        QVERIFY(!SettingsFile::write(path("no/such/folder/vexamat.para"), SettingsFile::defaults(),
                                     &error));
        QVERIFY(!error.isEmpty());
    }

    void toUpperSwedish_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("upper");
        QTest::newRow("ascii") << "korpram1"
                               << "KORPRAM1";
        QTest::newRow("swedish") << "åäöéü"
                                 << "ÅÄÖÉÜ";
        QTest::newRow("division sign and sharp s stay") << "÷ß"
                                                        << "÷ß";
        QTest::newRow("ø and þ") << "øþ"
                                 << "ØÞ";
        QTest::newRow("y diaeresis") << QStringLiteral("\u00ff") << QStringLiteral("\u0178");
    }
    void toUpperSwedish() {
        QFETCH(QString, text);
        QFETCH(QString, upper);
        QCOMPARE(AdminPassword::ToUpperSwedish(text), upper);
    }

    void passwordFile_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("password");
        QTest::newRow("lower case with å") << QByteArray("hemlig\xe5\r\nannat\r\n") << "HEMLIGÅ";
        QTest::newRow("single character") << QByteArray("x\r\n") << "KORPRAM";
        QTest::newRow("empty") << QByteArray() << "KORPRAM";
    }
    void passwordFile() {
        QFETCH(QByteArray, content);
        QFETCH(QString, password);
        writeAll(path("bkmpwtwa.gof"), content);
        QCOMPARE(AdminPassword::LoadAdminPassword(path("bkmpwtwa.gof")), password);
        QCOMPARE(AdminPassword::LoadAdminPassword(path("missing.gof")), QStringLiteral("KORPRAM"));
    }

    void passwordEntry_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("match");
        QTest::newRow("any case of a-z") << "KorPram"
                                         << "KORPRAM" << true;
        QTest::newRow("å typed lower fails") << "hemligå"
                                             << "HEMLIGÅ" << false;
        QTest::newRow("Å typed upper matches") << "hemligÅ"
                                               << "HEMLIGÅ" << true;
        QTest::newRow("wrong") << "korpra"
                               << "KORPRAM" << false;
        QTest::newRow("blank kept") << "korpram "
                                    << "KORPRAM" << false;
    }
    void passwordEntry() {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QFETCH(bool, match);
        QCOMPARE(AdminPassword::matches(typed, expected), match);
    }

    void selectionFiles_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<bool>("ok");
        const QList<int> defaults{15, 16, 19, 20, 21, 28, 34, 36, 48};
        QTest::newRow("three") << QByteArray("16\r\n19\r\n38\r\n") << QList<int>{16, 19, 38}
                               << true;
        QTest::newRow("any order, out of range ignored")
            << QByteArray("86\r\n3\r\n15\r\n99\r\n") << QList<int>{15, 86} << true;
        QTest::newRow("empty") << QByteArray() << QList<int>{} << true;
        QTest::newRow("letters on the third line")
            << QByteArray("65\r\n66\r\nabc\r\n70\r\n")
            << QList<int>{15, 16, 19, 20, 21, 28, 34, 36, 48, 65, 66} << false;
    }
    void selectionFiles() {
        QFETCH(QByteArray, content);
        QFETCH(QList<int>, selected);
        QFETCH(bool, ok);
        writeAll(path("group.nvval"), content);
        NutrientSelection s;
        s.setSelected(50, true); // cleared by reading
        QCOMPARE(s.load(path("group.nvval")), ok);
        QList<int> got;
        for (int no = 0; no < NutrientSelection::kFlagCount; ++no) {
            if (s.isSelected(no))
                got << no;
        }
        std::sort(selected.begin(), selected.end());
        QCOMPARE(got, selected);
        QCOMPARE(s.count(), int(selected.size()));
    }

    void missingSelectionFileGivesTheDefaults() {
        NutrientSelection s;
        QVERIFY(!s.load(path("none.txt")));
        QCOMPARE(s.count(), 9);
        QVERIFY(s.isSelected(48) && s.isSelected(28) && !s.isSelected(17));
    }

    void selectionIsWrittenInAscendingOrder() {
        NutrientSelection s;
        s.setSelected(16, true);
        s.setSelected(15, true);
        QVERIFY(s.save(path("nvval.txt")));
        QCOMPARE(readAll(path("nvval.txt")), QByteArray("15\r\n16\r\n"));
        s.clear();
        QVERIFY(s.save(path("nvval.txt")));
        QCOMPARE(readAll(path("nvval.txt")), QByteArray());
    }

    void nvvalExtension_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("used");
        QTest::newRow("no extension") << "/tmp/a/grupp"
                                      << "/tmp/a/grupp.nvval";
        QTest::newRow("other extension") << "/tmp/a/grupp.txt"
                                         << "/tmp/a/grupp.nvval";
        QTest::newRow("already") << "/tmp/a.b/grupp.nvval"
                                 << "/tmp/a.b/grupp.nvval";
    }
    void nvvalExtension() {
        QFETCH(QString, chosen);
        QFETCH(QString, used);
        QCOMPARE(NutrientSelection::withNvvalExtension(chosen), used);
    }

    void layoutIsRemembered() {
        const QString file = path(LayoutFile::kFileName);
        QVERIFY(!LayoutFile::readExtended(file));
        QVERIFY(LayoutFile::writeExtended(file, true));
        QVERIFY(LayoutFile::readExtended(file));
        QVERIFY(LayoutFile::writeExtended(file, false));
        QVERIFY(!LayoutFile::readExtended(file));
    }
};

QTEST_GUILESS_MAIN(TstSettings)
#include "tst_settings.moc"
