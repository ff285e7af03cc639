#include "cli/Commands.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <functional>
#include <map>
#include <memory>

namespace {

void printUsage() {
    QTextStream err(stderr);
    err << "Användning: vexamat-cli KOMMANDO [ARGUMENT]\n"
           "\n"
           "Kommandon:\n"
           "  make-db --source DIR --out DIR   bygger datamappen (vexamat.db och textfilerna)\n"
           "                                   ur standarddata i textform\n"
           "  search TEXT [--data DIR] [--no-dabas]\n"
           "                                   visar livsmedelslistans rader för en söktext\n"
           "  analyse FIL.vexa [--data DIR] [--json]\n"
           "                                   näringen i en sparad registrering\n"
           "  import-livsmedelsverket FIL.xlsx [--data DIR]\n"
           "                                   ersätter livtab100 med Livsmedelsverkets databas\n"
           "  toplist NÄRINGSÄMNE [--table livtab100|livtab2005|fabrikant|egna|dabas]\n"
           "          [--per-portion] [--count N] [--data DIR]\n"
           "                                   livsmedlen rikast på ett näringsämne\n"
           "  norm FIL [--data DIR] [--json]   normen som en sparad normfil ger (.pers, .enorm,\n"
           "                                   .harris, .akt, .kropp, .ketogen)\n"
           "  stats FIL.vexa --id ID [--per-day|--detailed] [--append] --out FIL.skv\n"
           "        [--data DIR]               statistikfil med de valda näringsämnena\n"
           "  food-needs FIL.vexa --tag TEXT [--append] --out FIL [--data DIR]\n"
           "                                   livsmedelsbehov (.vexagram), t.ex. för inköp\n"
           "  survey-summary PROJEKT.skv [--out FIL.skv] [--data DIR]\n"
           "                                   sammanställer en kostundersökning per måltid,\n"
           "                                   dag och person\n"
           "  report FIL.vexa --out UTFIL [--what meal|day|all] [--day N] [--meal M]\n"
           "         [--detail all|meals|days|period] [--compressed] [--no-bars] [--no-fat]\n"
           "         [--pies] [--info] [--title TEXT] [--data DIR]\n"
           "                                   utskriften som .pdf, .rtf, .xlsx, .html eller "
           ".txt\n";
}

} // namespace

int main(int argc, char* argv[]) {
    // The report lays out text in fonts, which needs a GUI application; it draws off screen.
    const bool needsFonts = argc > 1 && qstrcmp(argv[1], "report") == 0;
    if (needsFonts && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> app(needsFonts ? new QGuiApplication(argc, argv)
                                                           : new QCoreApplication(argc, argv));
    QCoreApplication::setApplicationName(QStringLiteral("vexamat"));
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    if (args.isEmpty() || args.first() == QLatin1String("--help") ||
        args.first() == QLatin1String("-h")) {
        printUsage();
        return args.isEmpty() ? 2 : 0;
    }
    const std::map<QString, std::function<int(const QStringList&)>> commands{
        {QStringLiteral("make-db"), runMakeDb},
        {QStringLiteral("search"), runSearch},
        {QStringLiteral("analyse"), runAnalyse},
        {QStringLiteral("import-livsmedelsverket"), runImportLivsmedelsverket},
        {QStringLiteral("toplist"), runTopList},
        {QStringLiteral("norm"), runNorm},
        {QStringLiteral("stats"), runStats},
        {QStringLiteral("food-needs"), runFoodNeeds},
        {QStringLiteral("survey-summary"), runSurveySummary},
        {QStringLiteral("report"), runReport},
    };
    const QString command = args.takeFirst();
    const auto it = commands.find(command);
    if (it == commands.end()) {
        QTextStream(stderr) << "Okänt kommando: " << command << "\n";
        printUsage();
        return 2;
    }
    return it->second(args);
}
