#include "core/files/FoodLookup.h"

#include "core/AppState.h"
#include "core/catalogue/TableSchema.h"
#include "core/registration/Conversions.h"

#include <QSet>

namespace vexamat {

namespace {

FoodLookup::Food foodFromRecord(const TableRecord& r, FoodLookup::Source source) {
    FoodLookup::Food f;
    f.source = source;
    f.kod = r.text(QStringLiteral("Kod"));
    f.livsmedel = r.text(QStringLiteral("Livsmedel")).left(80);
    f.enhet = r.text(QStringLiteral("Enhet")).left(16);
    f.portionsstorlek = float(r.numberOr(r.position(QStringLiteral("Portionsstorlek")), 0));
    f.kgpris = TextToReal(r.text(QStringLiteral("kgpris")));
    for (int i = 0; i < 4; ++i) {
        f.altEnhet[i] = r.text(QStringLiteral("enhet%1").arg(i + 1)).left(16);
        f.altPort[i] = float(r.numberOr(r.position(QStringLiteral("port%1").arg(i + 1)), 0));
    }
    for (int s = 0; s < kNutrientCount; ++s) {
        const std::optional<double> v = r.number(TableSchema::kFirstNutrientPosition + s);
        f.missing[s] = !v.has_value();
        f.naring[s] = v ? float(*v) : -1.0f;
    }
    return f;
}

} // namespace

FoodLookup::FoodLookup(const AppState& state) : m_state(state) {}

const FoodTable& FoodLookup::table(Source source) const {
    switch (source) {
    case Source::Livtab100:
        return m_state.livtab100;
    case Source::Livtab2005:
        return m_state.livtab2005;
    case Source::Fabrikant:
        return m_state.fabrikant;
    case Source::Egna:
        return m_state.egna;
    case Source::Dabas:
        break;
    }
    return m_state.dabas;
}

QString FoodLookup::resolveArticleNumber(const QString& code) {
    if (!m_articleNumbersRead) {
        // One walk over the table instead of one search per row of the file.
        m_articleNumbersRead = true;
        const QList<TableRecord> records = m_state.livtab100.recordsInNameOrder(
            {QStringLiteral("Grossartnr"), QStringLiteral("Kod")});
        for (const TableRecord& r : records) {
            const QString number = r.text(0);
            if (!number.isEmpty() && !m_articleNumbers.contains(number))
                m_articleNumbers.insert(number, r.text(1));
        }
    }
    return m_articleNumbers.value(code, code);
}

const FoodLookup::Food* FoodLookup::findIn(const QString& code,
                                           std::initializer_list<Source> sources,
                                           QHash<QString, std::optional<Food>>& cache) {
    auto it = cache.find(code);
    if (it == cache.end()) {
        std::optional<Food> found;
        for (Source source : sources) {
            if (const std::optional<TableRecord> r = table(source).findByCode(code)) {
                found = foodFromRecord(*r, source);
                break;
            }
        }
        it = cache.insert(code, found);
    }
    return it->has_value() ? &**it : nullptr;
}

void FoodLookup::prefetch(const QStringList& codes) {
    QStringList wanted;
    QSet<QString> seen;
    for (const QString& code : codes) {
        if (!m_foods.contains(code) && !seen.contains(code)) {
            seen.insert(code);
            wanted << code;
        }
    }
    for (Source source :
         {Source::Livtab100, Source::Livtab2005, Source::Fabrikant, Source::Egna, Source::Dabas}) {
        if (wanted.isEmpty())
            break;
        const QHash<QString, TableRecord> found = table(source).findByCodes(wanted);
        QStringList rest;
        for (const QString& code : std::as_const(wanted)) {
            const auto it = found.constFind(code);
            if (it == found.constEnd())
                rest << code;
            else
                m_foods.insert(code, foodFromRecord(*it, source));
        }
        wanted = rest;
    }
    for (const QString& code : std::as_const(wanted))
        m_foods.insert(code, std::nullopt);
}

const FoodLookup::Food* FoodLookup::find(const QString& code) {
    return findIn(
        code,
        {Source::Livtab100, Source::Livtab2005, Source::Fabrikant, Source::Egna, Source::Dabas},
        m_foods);
}

const FoodLookup::Food* FoodLookup::findInOldTables(const QString& code) {
    return findIn(code, {Source::Livtab100, Source::Fabrikant, Source::Egna}, m_oldFoods);
}

} // namespace vexamat
