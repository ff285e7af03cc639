#include "core/catalogue/XlsxReader.h"
#include "core/text/TextCodec.h"
#include "support/CliRunner.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using namespace vexamat;

namespace {

CliRunner::Result report(const QStringList& args) {
    const CliRunner::Result result = CliRunner::run(
        QStringList{QStringLiteral("report")} + args +
        QStringList{QStringLiteral("--data"), qEnvironmentVariable("VEXAMAT_TEST_DATA")});
    if (!result.problem.isEmpty())
        qWarning("%s", qPrintable(result.problem));
    return result;
}

// Day 1: 200 g milk (1_101, 247 kJ per 100 g) at breakfast; day 3: 100 g milk at dinner.
QStringList registrationLines() {
    QStringList lines{"100", "2026-12-10", "flera maltider"};
    for (int i = 0; i < 9; ++i)
        lines << "reserv";
    for (int d = 0; d < 21; ++d) {
        for (int m = 0; m < 9; ++m) {
            if (d == 0 && m == 0)
                lines << "1_101"
                      << "200.0/103@dl&8:00";
            if (d == 2 && m == 2)
                lines << "1_101"
                      << "100.0/103@dl";
            lines << QStringLiteral("*%1/%2").arg(d).arg(m);
        }
    }
    return lines;
}

} // namespace

class TstCliReport : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString m_vexa;

    QStringList groupTitles(const QString& txtPath) {
        QFile file(txtPath); // UTF-8
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const QStringList lines =
            QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QStringList titles;
        for (const QString& line : lines) {
            const QString title = line.section(QLatin1Char('\t'), 1);
            if (titles.isEmpty() || titles.last() != title)
                titles << title;
        }
        return titles;
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        m_vexa = m_dir.filePath("kalle.vexa");
        QVERIFY(TextCodec::writeLines(m_vexa, registrationLines()));
        QVERIFY(TextCodec::writeLines(m_dir.filePath("kalle.txt"), {"Kalle äter bra."}));
    }

    void textHasOneLineARecord() {
        const QString out = m_dir.filePath("alla.txt");
        const CliRunner::Result r = report({m_vexa, "--what", "all", "--out", out});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(groupTitles(out), (QStringList{"Dag 1 Frukost", "Dag 1", "Dag 3 Middag", "Dag 3",
                                                "Sammanställning"}));
        QFile file(out);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY(text.contains(QRegularExpression("\\n\\* Periodsumma \\* {35}    371[^\\n]*"
                                                 "\\tSammanställning\\n")));
        QVERIFY(text.contains("\n1.94 dl = 200 gram"));
    }

    void periodOnly() {
        const QString out = m_dir.filePath("period.txt");
        const CliRunner::Result r =
            report({m_vexa, "--what", "all", "--detail", "period", "--no-bars", "--out", out});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(groupTitles(out), QStringList{"Sammanställning"});
    }

    void eachFileType_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("pdf") << "utskrift.pdf";
        QTest::newRow("rtf") << "utskrift.rtf";
        QTest::newRow("xlsx") << "utskrift.xlsx";
        QTest::newRow("html") << "utskrift.html";
    }
    void eachFileType() {
        QFETCH(QString, name);
        const QString out = m_dir.filePath(name);
        const QString txt = m_dir.filePath(name + ".txt");
        const QStringList args{m_vexa,   "--what", "day",     "--day",  "1",
                               "--pies", "--info", "--title", "Vecka 2"};
        QCOMPARE(report(args + QStringList{"--out", txt}).exitCode, 0);
        const CliRunner::Result r = report(args + QStringList{"--out", out});
        QCOMPARE(r.exitCode, 0);
        QFile file(out);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const int groups = int(groupTitles(txt).size());
        QCOMPARE(groups, 2);
        if (name.endsWith(".pdf")) {
            QVERIFY(bytes.startsWith("%PDF"));
            const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
            if (pdftotext.isEmpty())
                return;
            QProcess p;
            p.start(pdftotext, {"-layout", out, "-"});
            QVERIFY(p.waitForFinished(30000));
            const QString text = QString::fromUtf8(p.readAllStandardOutput());
            QCOMPARE(text.count(QLatin1Char('\f')), groups);
            QVERIFY(text.contains("Vecka 2 /"));
            QVERIFY(text.contains("Kalle äter bra."));
        } else if (name.endsWith(".rtf")) {
            QVERIFY(bytes.startsWith("{\\rtf1"));
            QCOMPARE(bytes.count("\\page"), groups - 1);
        } else if (name.endsWith(".xlsx")) {
            QList<XlsxRow> rows;
            QString error;
            QVERIFY2(XlsxReader::read(out, &rows, &error), qPrintable(error));
            QStringList lines;
            QVERIFY(TextCodec::readLines(txt, &lines));
            QCOMPARE(rows.size(), lines.size());
        } else {
            QXmlStreamReader xml(bytes);
            int sections = 0;
            while (!xml.atEnd())
                if (xml.readNext() == QXmlStreamReader::StartElement &&
                    xml.name() == QLatin1String("section"))
                    ++sections;
            QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
            QCOMPARE(sections, groups);
        }
    }

    void failures_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("folder missing")
            << QStringList{"--out", "saknas/utskrift.pdf"} << "Kan ej skriva filen";
        QTest::newRow("unknown type") << QStringList{"--out", "utskrift.doc"} << "okänd filtyp";
        QTest::newRow("bad day") << QStringList{"--day", "22", "--out", "utskrift.pdf"} << "--day";
        QTest::newRow("bad detail")
            << QStringList{"--detail", "lite", "--out", "utskrift.pdf"} << "--detail";
        QTest::newRow("no out") << QStringList{} << "--out";
    }
    void failures() {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        QTemporaryDir dir;
        for (QString& a : args)
            if (a.contains(QLatin1Char('.')))
                a = dir.filePath(a);
        const CliRunner::Result r = report(QStringList{m_vexa} + args);
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err().contains(message), qPrintable(r.err()));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList());
    }

    void missingRegistration() {
        const CliRunner::Result r =
            report({m_dir.filePath("borta.vexa"), "--out", m_dir.filePath("borta.pdf")});
        QCOMPARE(r.exitCode, 1);
        QVERIFY(!QFile::exists(m_dir.filePath("borta.pdf")));
    }
};

QTEST_GUILESS_MAIN(TstCliReport)
#include "tst_cli_report.moc"
