#include "cli/Commands.h"
#include "cli/NameFile.h"

#include "core/AppState.h"
#include "core/DataFolder.h"
#include "core/analysis/NutrientTopList.h"
#include "core/catalogue/Nutrients.h"
#include "core/catalogue/TableSchema.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <memory>

namespace {

// A number 15..86, else the first nutrient whose short name or label matches, letter case
// ignored; 0 when none does.
int nutrientOf(const QString& text, const vexamat::NutrientNames& names) {
    bool isNumber = false;
    const int no = text.toInt(&isNumber);
    if (isNumber)
        return vexamat::isNutrientNo(no) ? no : 0;
    for (int n = vexamat::kFirstNutrientNo; n <= vexamat::kLastNutrientNo; ++n)
        if (!names.NutrientName[n].isEmpty() &&
            (names.NutrientName[n].compare(text, Qt::CaseInsensitive) == 0 ||
             names.NutrientLabel[n].compare(text, Qt::CaseInsensitive) == 0))
            return n;
    return 0;
}

} // namespace

int runTopList(const QStringList& arguments) {
    using namespace vexamat;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Visar livsmedlen som är rikast på ett näringsämne."));
    QCommandLineOption data(QStringLiteral("data"), QStringLiteral("Datamappen."),
                            QStringLiteral("DIR"));
    QCommandLineOption table(QStringLiteral("table"), QStringLiteral("Livsmedelstabellen."),
                             QStringLiteral("TABELL"), QStringLiteral("livtab100"));
    QCommandLineOption perPortion(QStringLiteral("per-portion"), QStringLiteral("Per portion."));
    QCommandLineOption count(QStringLiteral("count"), QStringLiteral("Antal rader."),
                             QStringLiteral("N"));
    parser.addOptions({data, table, perPortion, count});
    parser.addPositionalArgument(QStringLiteral("NUTRIENT"),
                                 QStringLiteral("Näringsämnets nummer (15..86) eller namn."));
    QTextStream err(stderr);
    if (!parser.parse(QStringList{QStringLiteral("toplist")} + arguments) ||
        parser.positionalArguments().size() != 1) {
        err << "toplist: ange ett näringsämne: toplist NÄRINGSÄMNE [--table TABELL] "
               "[--per-portion] [--count N] [--data DIR]\n";
        return 2;
    }
    int lineCount = -1;
    if (parser.isSet(count)) {
        bool ok = false;
        lineCount = parser.value(count).toInt(&ok);
        if (!ok || lineCount < 0) {
            err << "toplist: antalet rader måste vara ett heltal som inte är negativt: "
                << parser.value(count) << "\n";
            return 1;
        }
    }

    const QString tableName = parser.value(table);
    const QStringList tableNames{TableSchema::Livtab100, TableSchema::Livtab2005,
                                 TableSchema::Fabrikant, TableSchema::Egna, TableSchema::Dabas};
    if (!tableNames.contains(tableName)) {
        err << "toplist: okänd livsmedelstabell: " << tableName << " (välj bland "
            << tableNames.join(QStringLiteral(", ")) << ")\n";
        return 1;
    }

    const DataFolder::Result folder = DataFolder::resolve(
        parser.value(data), DataFolder::findDefaults(QCoreApplication::applicationDirPath(),
                                                     QStringLiteral(VEXAMAT_BUILD_DATA_DIR)));
    if (!folder.error.isEmpty()) {
        err << "toplist: " << folder.error << "\n";
        return 1;
    }
    auto state = std::make_unique<AppState>();
    state->DataDir = folder.path;
    QString error;
    if (!state->openTables(&error)) {
        err << "toplist: " << error << "\n";
        return 1;
    }
    if (!readNameFile(state->names, state->DataDir, "toplist", err))
        return 1;
    const QString nutrientText = parser.positionalArguments().first();
    const int no = nutrientOf(nutrientText, state->names);
    if (no == 0) {
        err << "toplist: okänt näringsämne: " << nutrientText
            << " (ange ett nummer 15..86 eller ett namn ur nvnamn.txt)\n";
        return 1;
    }
    const FoodTable* chosen = nullptr;
    for (const FoodTable* t :
         {&state->livtab100, &state->livtab2005, &state->fabrikant, &state->egna, &state->dabas})
        if (t->name() == tableName)
            chosen = t;
    if (!chosen) {
        err << "toplist: tabellen " << tableName << " finns inte i databasen\n";
        return 1;
    }
    const NutrientTopList::Result list =
        NutrientTopList::build(*chosen, no, parser.isSet(perPortion), state->names);
    if (!list.error.isEmpty()) {
        err << "toplist: " << list.error << "\n";
        return 1;
    }
    const QStringList lines = NutrientTopList::fileLines(
        list, state->names.label(no), lineCount < 0 ? int(list.lines.size()) : lineCount);
    QTextStream out(stdout);
    out.setEncoding(QStringConverter::Utf8);
    for (const QString& line : lines)
        out << line << '\n';
    return 0;
}
