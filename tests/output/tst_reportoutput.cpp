#include "core/catalogue/XlsxReader.h"
#include "output/RecipeRenderer.h"
#include "output/ReportExport.h"
#include "output/ReportHtml.h"
#include "output/ReportRenderer.h"
#include "output/ReportRtf.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using namespace vexamat;

namespace {

// Two page groups: a meal with a food and two bar lines, then the day.
Report smallReport() {
    Report report;
    const QString meal = QStringLiteral("Dag 1 Frukost");
    const QString day = QStringLiteral("Dag 1");
    const QStringList mealLines{
        QStringLiteral("Livsmedel").leftJustified(50) + " EnergiProtein",
        "",
        QStringLiteral("Gröt & mjölk").leftJustified(50) + "    900   10.0",
        QStringLiteral("3.00 dl = 300 gram").leftJustified(50),
        "",
        "!Energi 900 kJ ?36&2500 kJ@",
        "!Protein 30.0 g ?200&15.0 g@",
        "!Fett 0.0 g ? & -@",
    };
    for (const QString& t : mealLines)
        report.lines.append({t, meal});
    report.lines.append({QStringLiteral("* Dagsumma *").leftJustified(50) + "    900   10.0", day});
    report.fallbackTitle = meal;
    report.headerText = QStringLiteral("Kost <vecka> / Dietistmottagningen");
    report.energySets = {EnergyShares{20, 30, 50}, EnergyShares{20, 30, 40, 10}};
    report.idealEnergy = EnergyShares{15, 30, 55};
    return report;
}

QString tool(const char* name) {
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TstReportOutput : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pdfHoldsTheLinesOnePageAGroup_data() {
        QTest::addColumn<bool>("pies");
        QTest::newRow("lines only") << false;
        QTest::newRow("with pies") << true;
    }
    void pdfHoldsTheLinesOnePageAGroup() {
        QFETCH(bool, pies);
        if (tool("pdftotext").isEmpty() || tool("pdfinfo").isEmpty())
            QSKIP("pdftotext and pdfinfo (poppler-utils) are not installed");
        Report report = smallReport();
        report.pies = pies;
        report.showInfo = true;
        report.infoLines = {QStringLiteral("Anteckning om Kalle")};
        QTemporaryDir dir;
        const QString path = dir.filePath("utskrift.pdf");
        QString error;
        QVERIFY2(ReportExport::write(report, ReportExport::Format::Pdf, path, &error),
                 qPrintable(error));
        const QString info = run(tool("pdfinfo"), {path});
        QVERIFY2(info.contains(QRegularExpression("Pages:\\s+2\\n")), qPrintable(info));
        const QString text = run(tool("pdftotext"), {"-layout", path, "-"});
        const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        QCOMPARE(pages.size(), 2);
        QVERIFY(pages.at(0).contains("Dag 1 Frukost"));
        QVERIFY(pages.at(0).contains("Kost <vecka> / Dietistmottagningen"));
        QVERIFY(pages.at(0).contains("Sida 1"));
        QVERIFY(pages.at(0).contains("Gröt & mjölk"));
        QVERIFY(pages.at(0).contains("3.00 dl = 300 gram"));
        QVERIFY(pages.at(0).contains(QRegularExpression("Protein 30.0 g\\s+-> 200%\\s+15.0 g")));
        QVERIFY(pages.at(0).contains(QRegularExpression("Fett 0.0 g\\s+-\\s+-")));
        QCOMPARE(pages.at(0).contains("Energifördelning, VERKLIG"), pies);
        QVERIFY(pages.at(1).contains("* Dagsumma *"));
        QVERIFY(pages.at(1).contains("Sida 2"));
        QVERIFY(pages.at(1).contains("Anteckning om Kalle"));
        QCOMPARE(pages.at(1).contains("Alko 10 %"), pies);
    }

    // A group longer than a page goes on over as many pages as it needs, each under the
    // group's header.
    void longGroupTakesSeveralPages() {
        Report report;
        for (int i = 0; i < 200; ++i)
            report.lines.append({QStringLiteral("rad %1").arg(i), QStringLiteral("Dag 2")});
        report.lines.append({QStringLiteral("sist"), QStringLiteral("Sammanställning")});
        const ReportRenderer renderer(report);
        const int perPage =
            (int(ReportRenderer::contentSize().height()) - ReportRenderer::kHeaderHeight) /
            ReportRenderer::kLineHeight;
        QCOMPARE(renderer.pageCount(), (200 + perPage - 1) / perPage + 1);
        QCOMPARE(renderer.pages().at(1).title, QStringLiteral("Dag 2"));
        QCOMPARE(renderer.pages().last().title, QStringLiteral("Sammanställning"));
        QCOMPARE(renderer.pages().last().items.size(), 1);
    }

    // The bar row as drawn: blue from x = 140, two pixels a percent, never past 370.
    void barRowIsDrawn_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("blueWidth");
        QTest::newRow("36 %") << "!Energi 900 kJ ?36&2500 kJ@" << 72;
        QTest::newRow("200 %") << "!Protein 30.0 g ?200&15.0 g@" << 370;
        QTest::newRow("no share") << "!Fett 0.0 g ? & -@" << 0;
    }
    void barRowIsDrawn() {
        QFETCH(QString, line);
        QFETCH(int, blueWidth);
        Report report;
        report.lines.append({line, QStringLiteral("Dag 1")});
        const ReportRenderer renderer(report);
        QImage image(800, 200, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            renderer.paintPage(painter, 0);
        }
        const int y = ReportRenderer::kHeaderHeight + ReportRenderer::kLineHeight / 2;
        int blue = 0;
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == qRgb(0, 0, 255))
                ++blue;
        // The black marks at 50, 100 and 150 % are drawn over the bar.
        int marksOnBar = 0;
        for (int x : {240, 340, 440})
            marksOnBar += x < 140 + blueWidth ? 1 : 0;
        QCOMPARE(blue, blueWidth - marksOnBar);
        if (blueWidth > 0) {
            QCOMPARE(image.pixel(140, y), qRgb(0, 0, 255));
            QCOMPARE(image.pixel(140 + blueWidth - 1, y), qRgb(0, 0, 255));
        }
        QCOMPARE(image.pixel(340, y), qRgb(0, 0, 0)); // the 100 % mark
    }

    void xlsxHasOneRowARecord() {
        Report report = smallReport();
        report.pies = true;
        QTemporaryDir dir;
        const QString path = dir.filePath("utskrift.xlsx");
        QString error;
        QVERIFY2(ReportExport::write(report, ReportExport::Format::Excel, path, &error),
                 qPrintable(error));
        QList<XlsxRow> rows;
        QVERIFY2(XlsxReader::read(path, &rows, &error), qPrintable(error));
        QCOMPARE(rows.size(), report.lines.size());
        QCOMPARE(rows.at(0).cells.value(1), QStringLiteral("Dag 1 Frukost"));
        QCOMPARE(rows.at(1).cells.value(0), QString());
        QCOMPARE(rows.at(2).cells.value(0), report.lines.at(2).text);
        QCOMPARE(rows.at(6).number, 7);
        QCOMPARE(rows.at(6).cells.mid(0, 4),
                 (QStringList{"Protein 30.0 g", "Dag 1 Frukost", "200", "15.0 g"}));
        QCOMPARE(rows.last().cells.value(1), QStringLiteral("Dag 1"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.read(2), QByteArray("PK"));
    }

    void htmlIsWellFormed() {
        Report report = smallReport();
        report.pies = true;
        report.showInfo = true;
        report.infoLines = {QStringLiteral("Rad 1 <info>"), QStringLiteral("Rad 2")};
        QXmlStreamReader xml(ReportHtml::toBytes(report));
        int sections = 0;
        int barSvgs = 0;
        int pies = 0;
        QStringList headings;
        QString preText; // of the first page group, without the bar rows
        bool inPre = false;
        bool inSvg = false;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isCharacters() && inPre && !inSvg && sections == 1)
                preText += xml.text();
            if (xml.isEndElement() && xml.name() == QLatin1String("pre"))
                inPre = false;
            if (xml.isEndElement() && xml.name() == QLatin1String("svg"))
                inSvg = false;
            if (!xml.isStartElement())
                continue;
            if (xml.name() == QLatin1String("section"))
                ++sections;
            else if (xml.name() == QLatin1String("pre"))
                inPre = true;
            else if (xml.name() == QLatin1String("svg")) {
                inSvg = true;
                if (xml.attributes().value("class") == QLatin1String("bar"))
                    ++barSvgs;
                else
                    ++pies;
            } else if (xml.name() == QLatin1String("h1"))
                headings << xml.readElementText();
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(sections, 2);
        QCOMPARE(barSvgs, 3);
        QCOMPARE(pies, 4);
        QCOMPARE(headings, (QStringList{"Dag 1 Frukost", "Dag 1"}));
        QVERIFY(preText.contains(QStringLiteral("Gröt & mjölk").leftJustified(50) +
                                 "    900   10.0\n3.00 dl = 300 gram"));
    }

    void rtfBreaksPagesAndSaysWhatIsMissing() {
        const QByteArray rtf = ReportRtf::toBytes(smallReport());
        QVERIFY(rtf.startsWith("{\\rtf1"));
        QCOMPARE(rtf.count("\\page"), 1);
        QVERIFY(rtf.contains("Gr\\u246?t & mj\\u246?lk"));
        QVERIFY(rtf.contains("-> 200%"));
        QVERIFY(rtf.trimmed().endsWith(ReportRtf::escaped(ReportRtf::kLastLine) + "\\par\n}"));
    }

    void unwritableFileIsNamed_data() {
        QTest::addColumn<int>("format");
        QTest::newRow("pdf") << int(ReportExport::Format::Pdf);
        QTest::newRow("rtf") << int(ReportExport::Format::Rtf);
        QTest::newRow("xlsx") << int(ReportExport::Format::Excel);
        QTest::newRow("html") << int(ReportExport::Format::Html);
    }
    void unwritableFileIsNamed() {
        QFETCH(int, format);
        QTemporaryDir dir;
        const QString path = dir.filePath("saknas/utskrift.fil");
        QString error;
        QVERIFY(!ReportExport::write(smallReport(), ReportExport::Format(format), path, &error));
        QCOMPARE(error, QStringLiteral("Kan ej skriva filen ") + path);
        QVERIFY(!QFile::exists(path));
    }

    void recipeOnPaper() {
        if (tool("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        RecipeRenderer::Printout printout{QStringLiteral("Pannkakor"),
                                          QStringLiteral("4"),
                                          QStringLiteral("Dietistmottagningen"),
                                          {{"Vetemjöl", "60g=1,0dl", "240 g"},
                                           {"Mjölk", "300g", "1.20 kg"},
                                           {},
                                           {"Vispa smeten slät.", "", ""}}};
        for (int i = 0; i < 60; ++i)
            printout.rows.append({QStringLiteral("rad %1").arg(i), "", ""});
        const RecipeRenderer renderer(printout);
        QCOMPARE(renderer.pageCount(), 2);
        QTemporaryDir dir;
        const QString path = dir.filePath("recept.pdf");
        {
            QPdfWriter writer(path);
            QVERIFY(renderer.print(writer));
        }
        const QStringList pages =
            run(tool("pdftotext"), {"-layout", path, "-"}).split('\f', Qt::SkipEmptyParts);
        QCOMPARE(pages.size(), 2);
        QVERIFY(pages.at(0).contains(QRegularExpression("Livsmedel\\s+1 port\\s+4 port.")));
        QVERIFY(pages.at(0).contains(QRegularExpression("Vetemjöl\\s+60g=1,0dl\\s+240 g")));
        QVERIFY(pages.at(0).contains(QRegularExpression("Mjölk\\s+300g\\s+1.20 kg")));
        QVERIFY(pages.at(0).contains("Pannkakor"));
        QVERIFY(pages.at(0).contains("Dietistmottagningen"));
        QVERIFY(pages.at(1).contains("Sida 2"));
        QVERIFY(pages.at(1).contains("Livsmedel"));
    }

    void defaultFileName() {
        QCOMPARE(ReportExport::defaultPath("/hem/kalle", ReportExport::Format::Excel),
                 QStringLiteral("/hem/kalle/Vexamatutskrift.xlsx"));
        QCOMPARE(ReportExport::formatOfSuffix("HTM"), ReportExport::Format::Html);
        QVERIFY(!ReportExport::formatOfSuffix("doc"));
    }
};

QTEST_MAIN(TstReportOutput)
#include "tst_reportoutput.moc"
