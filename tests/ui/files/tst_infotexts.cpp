#include "core/AppState.h"
#include "core/files/InfoTexts.h"
#include "core/text/TextCodec.h"
#include "support/MainWindowFixture.h"
#include "support/UserActions.h"
#include "ui/Windows.h"
#include "ui/files/TFormInfotext.h"

#include <QButtonGroup>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace vexamat;

class TstInfotexts : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void parse_data() {
        QTest::addColumn<QStringList>("file");
        QTest::addColumn<int>("memo");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("M5 goes to memo 5") << QStringList{"M5 Ät mer fisk", "M5 och ägg"} << 5
                                           << QStringList{"Ät mer fisk", "och ägg"};
        QTest::newRow("M1 does not take M10")
            << QStringList{"M10 tio", "M1 ett"} << 1 << QStringList{"ett"};
        QTest::newRow("M05 matches nothing") << QStringList{"M05 noll fem"} << 5 << QStringList{};
        QTest::newRow("memo 32") << QStringList{"M32 sist"} << 32 << QStringList{"sist"};
    }
    void parse() {
        QFETCH(QStringList, file);
        QFETCH(int, memo);
        QFETCH(QStringList, expected);
        QCOMPARE(InfoTexts::parse(file)[memo - 1], expected);
    }

    void linesStopAtTheFirstEmptyLine() {
        InfoTexts::Texts texts;
        texts[0] = {"första", "", "förlorad"};
        texts[9] = {"tio"};
        QCOMPARE(InfoTexts::lines(texts), (QStringList{"M1 första", "M10 tio"}));
    }

    void captions() {
        const QStringList c = InfoTexts::captions();
        QCOMPARE(c.size(), 32);
        QCOMPARE(c.at(0), QStringLiteral("Energi mkt låg"));
        QCOMPARE(c.at(3), QStringLiteral("Energi hög"));
        QCOMPARE(c.at(4), QStringLiteral("Protein mkt lågt"));
        QCOMPARE(c.at(22), QStringLiteral("C bra"));
        QCOMPARE(c.at(31), QStringLiteral("Kalc högt"));
    }

    void windowLoadsShowsAndSaves() {
        MainWindowFixture f;
        QCOMPARE(f.startResult(), WindowSet::Result::Ok);
        TFormInfotext* w = f.windows().FormInfotext;
        w->show();
        QStringList file;
        QVERIFY(TextCodec::readLines(f.data.filePath("info.txt"), &file));
        auto* memo1 = child<QPlainTextEdit>(w, QStringLiteral("Memo1"));
        auto* memo5 = child<QPlainTextEdit>(w, QStringLiteral("Memo5"));
        QCOMPARE(memo1->toPlainText(), InfoTexts::parse(file)[0].join('\n'));
        QVERIFY(!memo1->isHidden());
        QVERIFY(memo5->isHidden());

        clickButton(w, QStringLiteral("RadioGroup1Item4"));
        QVERIFY(memo1->isHidden());
        QVERIFY(!memo5->isHidden());

        memo5->selectAll();
        QTest::keyClick(memo5, Qt::Key_Delete);
        typeText(memo5, QStringLiteral("Ny text\n\nbortfallen"));
        clickButton(w, QStringLiteral("Button1"));
        QStringList saved;
        QVERIFY(TextCodec::readLines(f.data.filePath("info.txt"), &saved));
        QVERIFY(saved.contains("M5 Ny text"));
        QVERIFY(!saved.contains("M5 bortfallen"));
        QCOMPARE(InfoTexts::parse(saved)[4], QStringList{"Ny text"});
        QCOMPARE(InfoTexts::parse(saved)[0], InfoTexts::parse(file)[0]);
        QVERIFY(f.dialogs.messages.isEmpty());
    }
};

QTEST_MAIN(TstInfotexts)
#include "tst_infotexts.moc"
