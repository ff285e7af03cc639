#include "core/analysis/FoodSearch.h"

#include "core/catalogue/FoodTable.h"
#include "core/text/SwedishText.h"

#include <string_view>
#include <vector>

#include <QRegularExpression>
#include <QUrl>

namespace vexamat {

namespace {

const QString kHeadingIndent(25, QLatin1Char(' '));

struct Query {
    QString text;            // upper case, as the list's no-hits line shows it
    std::string all;         // the text in UTF-8, as the prepared names hold it
    std::string_view first;  // the word before the first blank, when there is one
    std::string_view second; // the rest after the first blank
    bool twoWords = false;
};

// The entries of one source that match, prefix matches first. One pass over the prepared
// names finds every name that holds the text (or, for two words, the longer word); only those
// are looked at again.
int searchSection(const FoodSection& foods, const Query& q, FoodList* list) {
    static constexpr std::string_view reserv = "RESERV";
    const FoodNameIndex& names = foods.names();
    std::vector<int> prefix;
    std::vector<int> contained;
    const std::string_view all(q.all);
    const std::string_view needle =
        !q.twoWords ? all : (q.first.size() >= q.second.size() ? q.first : q.second);
    names.forEachContaining(needle, [&](int i) {
        const std::string_view name = names.name(i);
        if (name.starts_with(all)) {
            if (name != reserv) // placeholders are left out of the prefix pass only
                prefix.push_back(i);
        } else if (!q.twoWords ||
                   (name.find(q.first) != name.npos && name.find(q.second) != name.npos)) {
            contained.push_back(i);
        }
    });
    const int hits = int(prefix.size() + contained.size());
    list->reserve(list->size() + hits + 2);
    for (const std::vector<int>* pass : {&prefix, &contained}) {
        for (int i : *pass)
            list->addFood(foods.shared(), i);
    }
    return hits;
}

void addHeading(FoodList* list, const QString& title, const QString& companionIndent) {
    list->add(kHeadingIndent + title, companionIndent + title);
}

} // namespace

QString FoodSearch::companionLine(const FoodRecord& food) {
    QString line;
    line.reserve(food.livsmedel.size() + food.kod.size() + food.portionsstorlek.size() +
                 food.enhet.size() + 3);
    line.append(food.livsmedel)
        .append(QLatin1Char('{'))
        .append(food.kod)
        .append(QLatin1Char('}'))
        .append(food.portionsstorlek)
        .append(QLatin1Char('@'))
        .append(food.enhet);
    return line;
}

QString FoodSearch::codeOfCompanion(const QString& companion) {
    const qsizetype open = companion.indexOf(QLatin1Char('{'));
    const qsizetype close = companion.indexOf(QLatin1Char('}'));
    if (open < 0 || close < open)
        return {};
    return companion.mid(open + 1, close - open - 1);
}

int FoodSearch::BuildFoodList(const FoodCatalogue& catalogue, const QString& text, bool withDabas,
                              FoodList* list, bool onlyRawMaterials) {
    if (text.isEmpty())
        return -1;
    list->clear();
    Query q;
    q.text = SwedishText::upper(text);
    FoodNameIndex::appendUtf8(q.all, q.text);
    const std::size_t blank = q.all.find(' ');
    if (blank != q.all.npos) {
        q.twoWords = true;
        q.first = std::string_view(q.all).substr(0, blank);
        q.second = std::string_view(q.all).substr(blank + 1);
    }
    const QString one(1, QLatin1Char(' '));
    int hits = searchSection(catalogue.MainFoods, q, list);
    if (onlyRawMaterials) {
        if (hits == 0)
            list->add(kNoHits + q.text, QString());
        return hits;
    }
    addHeading(list, QStringLiteral("--- FABRIKANTER ---"), one);
    hits += searchSection(catalogue.FabrikantFoods, q, list);
    addHeading(list, QStringLiteral("--- EGNA VÄRDEN ---"), one);
    hits += searchSection(catalogue.EgnaFoods, q, list);
    if (withDabas) {
        addHeading(list, QStringLiteral("--- DABAS ---"), one);
        hits += searchSection(catalogue.DabasFoods, q, list);
    } else {
        addHeading(list, QStringLiteral("--- DABAS EJ AKTIVERAD ---"),
                   QString(9, QLatin1Char(' ')));
    }
    // Recipes are picked like foods; their sections show only when they hold a match, so
    // that a register without one adds nothing to the list.
    const std::pair<const FoodSection*, QString> recipes[] = {
        {&catalogue.OwnRecipes, QStringLiteral("--- EGNA RECEPT ---")},
        {&catalogue.GeneralRecipes, QStringLiteral("--- ALLMÄNNA RECEPT ---")},
    };
    for (const auto& [index, title] : recipes) {
        FoodList section;
        const int found = searchSection(*index, q, &section);
        if (found == 0)
            continue;
        addHeading(list, title, one);
        list->append(section);
        hits += found;
    }
    if (hits == 0) {
        // The no-hits line has no companion: it carries no code.
        list->add(kNoHits + q.text, QString());
    }
    return hits;
}

bool FoodSearch::FilterByGroup(const FoodCatalogue& catalogue, const QString& group,
                               FoodList* list) {
    if (group.isEmpty())
        return false;
    list->clear();
    const QString g = SwedishText::upper(group);
    const FoodSection& foods = catalogue.MainFoods;
    for (int i = 0; i < int(foods.size()); ++i) {
        if (SwedishText::upper(foods[std::size_t(i)].grupp1).contains(g))
            list->addFood(foods.shared(), i);
    }
    return true;
}

bool FoodSearch::FilterByManufacturer(const FoodCatalogue& catalogue, const QString& fragment,
                                      FoodList* list) {
    if (fragment.isEmpty())
        return false;
    list->clear();
    const FoodSection& foods = catalogue.FabrikantFoods;
    for (int i = 0; i < int(foods.size()); ++i) {
        if (foods[std::size_t(i)].kod.contains(fragment, Qt::CaseInsensitive))
            list->addFood(foods.shared(), i);
    }
    return true;
}

const QList<QPair<QString, QString>>& FoodSearch::manufacturers() {
    static const QList<QPair<QString, QString>> table{
        {QStringLiteral("Fabrikanter"), QStringLiteral("Fabrikanter")},
        {QStringLiteral("Abbot"), QStringLiteral("Abbo")},
        {QStringLiteral("ACO"), QStringLiteral("ACO")},
        {QStringLiteral("Carlshamn"), QStringLiteral("Carl")},
        {QStringLiteral("Coop"), QStringLiteral("Coop")},
        {QStringLiteral("EkoGo"), QStringLiteral("EKOG")},
        {QStringLiteral("Findus"), QStringLiteral("Find")},
        {QStringLiteral("Fresenius"), QStringLiteral("Fres")},
        {QStringLiteral("Fria bröd, glutenfritt"), QStringLiteral("Fria")},
        {QStringLiteral("GoGreen"), QStringLiteral("Gog")},
        {QStringLiteral("ICA"), QStringLiteral("ica")},
        {QStringLiteral("M Johnsson"), QStringLiteral("Mj")},
        {QStringLiteral("Nestlé"), QStringLiteral("Nest")},
        {QStringLiteral("Novartis"), QStringLiteral("NMN")},
        {QStringLiteral("Nutricia"), QStringLiteral("Nutr")},
        {QStringLiteral("Nyform"), QStringLiteral("nyf")},
        {QStringLiteral("Oatly"), QStringLiteral("Oatl")},
        {QStringLiteral("Semper"), QStringLiteral("Semp")},
        {QStringLiteral("Skånemejerier"), QStringLiteral("Skån")},
        {QStringLiteral("Unilever"), QStringLiteral("Unbe")},
        {QStringLiteral("Vitaflo"), QStringLiteral("vflo")},
    };
    return table;
}

QString FoodSearch::dabasArticleUrl(const QString& code, const QString& dabasHost) {
    QString gtin = code.mid(3);
    while (gtin.size() < 14)
        gtin.prepend(QLatin1Char('0'));
    QString host = dabasHost;
    while (host.endsWith(QLatin1Char('/')))
        host.chop(1);
    return host + QStringLiteral("/PublicDb/PublicArticle.aspx?typ=PB&GTIN=") + gtin;
}

QString FoodSearch::articleUrl(const QString& code, const FoodTable& fabrikant,
                               const QString& dabasHost) {
    if (code.isEmpty())
        return {};
    if (code.startsWith(QLatin1String("dab")))
        return webLink(dabasArticleUrl(code, dabasHost));
    if (!fabrikant.isOpen())
        return {};
    const std::optional<TableRecord> record = fabrikant.findByCode(code);
    if (!record)
        return {};
    return webLink(record->text(QStringLiteral("www")));
}

QString FoodSearch::webLink(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return {};
    // A scheme is letters up to the first ":" before any "/"; "www.x.se:8080/" has none.
    static const QRegularExpression scheme(QStringLiteral("^([A-Za-z][A-Za-z0-9+.-]*):"));
    const QRegularExpressionMatch match = scheme.match(trimmed);
    QString address = trimmed;
    if (!match.hasMatch() || match.captured(1).contains(QLatin1Char('.')))
        address.prepend(QStringLiteral("http://"));
    const QUrl url(address, QUrl::StrictMode);
    const QString s = url.scheme().toLower();
    if (!url.isValid() || (s != QLatin1String("http") && s != QLatin1String("https")) ||
        url.host().isEmpty())
        return {};
    return url.toString();
}

} // namespace vexamat
