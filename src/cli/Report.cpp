#include "cli/Commands.h"
#include "cli/NameFile.h"
#include "cli/StartNorm.h"

#include "core/AppState.h"
#include "core/DataFolder.h"
#include "core/files/FoodLookup.h"
#include "core/files/NormFile.h"
#include "core/files/RegistrationFile.h"
#include "core/norms/NormActivation.h"
#include "core/norms/SettingsFile.h"
#include "core/reports/ReportLineBuilder.h"
#include "core/reports/ReportOwner.h"
#include "core/reports/ReportTextFile.h"
#include "core/text/TextCodec.h"
#include "output/ReportExport.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

#include <memory>
#include <optional>

namespace {

using namespace vexamat;

const QString kUsage = QStringLiteral(
    "report: ange FIL.vexa [--what meal|day|all] [--day N] [--meal M]\n"
    "        [--detail all|meals|days|period] [--compressed] [--no-bars] [--no-fat] [--pies]\n"
    "        [--info] [--title TEXT] --out UTFIL [--data DIR]\n"
    "        (UTFIL slutar på .pdf, .rtf, .xlsx, .html eller .txt)\n");

std::optional<int> numberIn(const QString& text, int low, int high) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high)
        return std::nullopt;
    return value;
}

} // namespace

int runReport(const QStringList& arguments) {
    QTextStream err(stderr);
    QCommandLineParser parser;
    const auto valueOption = [](const char* name, const char* text, const char* value) {
        return QCommandLineOption(QString::fromLatin1(name), QString::fromUtf8(text),
                                  QString::fromLatin1(value));
    };
    const auto flag = [](const char* name, const char* text) {
        return QCommandLineOption(QString::fromLatin1(name), QString::fromUtf8(text));
    };
    const QCommandLineOption what = valueOption("what", "Vad ska skrivas ut?", "meal|day|all");
    const QCommandLineOption day = valueOption("day", "Dagen, 1 till 21.", "N");
    const QCommandLineOption meal = valueOption("meal", "Måltiden, 1 till 9.", "M");
    const QCommandLineOption detail =
        valueOption("detail", "Hur detaljerad ska utskriften vara?", "all|meals|days|period");
    const QCommandLineOption compressed = flag("compressed", "Komprimerad utskrift.");
    const QCommandLineOption noBars = flag("no-bars", "Utan stapeldiagram.");
    const QCommandLineOption noFat = flag("no-fat", "Utan fettsammansättning.");
    const QCommandLineOption pies = flag("pies", "Cirkeldiagram.");
    const QCommandLineOption info = flag("info", "Info om denna beräkning.");
    const QCommandLineOption title = valueOption("title", "Utskriftsrubrik.", "TEXT");
    const QCommandLineOption out = valueOption("out", "Utfilen.", "UTFIL");
    const QCommandLineOption data = valueOption("data", "Datamappen.", "DIR");
    parser.addOptions(
        {what, day, meal, detail, compressed, noBars, noFat, pies, info, title, out, data});
    parser.addPositionalArgument(QStringLiteral("FIL.vexa"), QStringLiteral("Registreringen."));
    if (!parser.parse(QStringList{QStringLiteral("report")} + arguments) ||
        parser.positionalArguments().size() != 1 || !parser.isSet(out)) {
        if (!parser.errorText().isEmpty())
            err << parser.errorText() << "\n";
        err << kUsage;
        return 1;
    }

    ReportOptions options;
    const QString whatText = parser.value(what);
    if (whatText.isEmpty() || whatText == QLatin1String("meal"))
        options.what = ReportOptions::What::Meal;
    else if (whatText == QLatin1String("day"))
        options.what = ReportOptions::What::Day;
    else if (whatText == QLatin1String("all"))
        options.what = ReportOptions::What::AllDays;
    else {
        err << "report: okänt värde för --what: " << whatText << "\n" << kUsage;
        return 1;
    }
    const QStringList details{QStringLiteral("all"), QStringLiteral("meals"),
                              QStringLiteral("days"), QStringLiteral("period")};
    const qsizetype detailIndex =
        parser.isSet(detail) ? details.indexOf(parser.value(detail)) : qsizetype(0);
    if (detailIndex < 0) {
        err << "report: okänt värde för --detail: " << parser.value(detail) << "\n" << kUsage;
        return 1;
    }
    options.detail = ReportOptions::Detail(detailIndex);
    const std::optional<int> dayNumber =
        parser.isSet(day) ? numberIn(parser.value(day), 1, Registration::kDays) : 1;
    const std::optional<int> mealNumber =
        parser.isSet(meal) ? numberIn(parser.value(meal), 1, Registration::kMeals) : 1;
    if (!dayNumber || !mealNumber) {
        err << "report: --day ska vara 1 till 21 och --meal 1 till 9\n";
        return 1;
    }
    options.day = *dayNumber - 1;
    options.meal = *mealNumber - 1;
    options.compressed = parser.isSet(compressed);
    options.bars = !parser.isSet(noBars);
    options.fatComposition = !parser.isSet(noFat);

    const QString outPath = QFileInfo(parser.value(out)).absoluteFilePath();
    const QString suffix = QFileInfo(outPath).suffix().toLower();
    const std::optional<ReportExport::Format> format = ReportExport::formatOfSuffix(suffix);
    if (suffix != QLatin1String("txt") && !format) {
        err << "report: okänd filtyp: " << outPath << "\n" << kUsage;
        return 1;
    }

    const QString path = QFileInfo(parser.positionalArguments().first()).absoluteFilePath();
    if (!QFileInfo::exists(path)) {
        err << RegistrationFile::kOpenFailed << ": " << path << " finns inte\n";
        return 1;
    }
    const DataFolder::Result folder = DataFolder::resolve(
        parser.value(data), DataFolder::findDefaults(QCoreApplication::applicationDirPath(),
                                                     QStringLiteral(VEXAMAT_BUILD_DATA_DIR)));
    if (!folder.error.isEmpty()) {
        err << folder.error << "\n";
        return 1;
    }
    auto state = std::make_unique<AppState>();
    state->DataDir = folder.path;
    QString error;
    if (!state->openTables(&error)) {
        err << error << "\n";
        return 1;
    }
    if (!readNameFile(state->names, state->DataDir, "report", err))
        return 1;
    state->selection.load(state->dataPath(QStringLiteral("nvval.txt")));
    loadStartNorm(*state);
    SettingsTexts settings = SettingsFile::defaults();
    SettingsFile::read(state->dataPath(SettingsFile::kFileName), &settings);
    SettingsFile::apply(settings, state->settings, state->norm);
    state->NewRegistration();

    // As the program opens it: the norm beside the file first, then the file.
    const QString normPath = RegistrationFile::withExtension(path, QStringLiteral(".norm"));
    if (QFileInfo::exists(normPath))
        NormFile::read(normPath, state->norm);
    NormActivation::ComputeNormEnergyShares(state->norm);
    FoodLookup lookup(*state);
    const RegistrationFile::ReadResult result = RegistrationFile::read(path, *state, lookup);
    for (const QString& missing : result.missingFoods)
        err << missing << "\n";
    if (result.overflowed())
        err << RegistrationFile::overflowMessage(result) << "\n";
    if (result.status == RegistrationFile::Status::Failed) {
        err << RegistrationFile::kOpenFailed << ": " << path << "\n";
        return 1;
    }
    state->recalculate();

    Report report = ReportLineBuilder(*state).build(options);
    report.headerText =
        ReportOwner::headerText(parser.value(title), ReportOwner::read(state->DataDir));
    report.pies = parser.isSet(pies);
    report.showInfo = parser.isSet(info);
    if (report.showInfo)
        TextCodec::readLines(RegistrationFile::withExtension(path, QStringLiteral(".txt")),
                             &report.infoLines);

    const bool written = format ? ReportExport::write(report, *format, outPath, &error)
                                : ReportTextFile::write(outPath, report.lines, &error);
    if (!written) {
        err << error << "\n";
        return 1;
    }
    return 0;
}
