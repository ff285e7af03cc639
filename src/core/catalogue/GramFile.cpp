#include "core/catalogue/GramFile.h"

#include "core/catalogue/FoodTable.h"
#include "core/text/TextCodec.h"

#include <cmath>

namespace vexamat {

namespace {

// A number as the table shows it as text: decimal comma, no needless decimals.
QString numberText(const TableRecord& r, const QString& field) {
    const std::optional<double> v = r.number(field);
    if (!v)
        return r.text(field);
    QString text = QString::number(*v, 'g', 15);
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text;
}

} // namespace

QStringList GramFile::lines(const FoodTable& livtab100) {
    QStringList out{kHeader};
    const QList<TableRecord> records = livtab100.recordsInNameOrder();
    for (const TableRecord& r : records) {
        // The spoons come from the last decilitre unit among units 2 to 4.
        double dl = -1;
        for (int k = 2; k <= 4; ++k) {
            if (r.text(QStringLiteral("enhet%1").arg(k)).contains(QLatin1String("dl")))
                dl = r.number(QStringLiteral("port%1").arg(k)).value_or(0);
        }
        QStringList fields{r.text(QStringLiteral("Kod")), r.text(QStringLiteral("Livsmedel")),
                           numberText(r, QStringLiteral("Portionsstorlek")),
                           r.text(QStringLiteral("Enhet"))};
        for (int k = 2; k <= 4; ++k)
            fields << numberText(r, QStringLiteral("port%1").arg(k))
                   << r.text(QStringLiteral("enhet%1").arg(k));
        if (dl > 0)
            fields << QString::number(std::lround(dl / 6.6))
                   << QString::number(std::lround(dl / 20));
        else
            fields << QString() << QString();
        out << fields.join(QLatin1Char(';')) + QLatin1Char(';');
    }
    return out;
}

int GramFile::write(const FoodTable& livtab100, const QString& path, QString* error) {
    if (!livtab100.isOpen()) {
        if (error)
            *error = QStringLiteral("Tabellen livtab100 kan inte läsas.");
        return -1;
    }
    const QStringList out = lines(livtab100);
    QString writeError;
    if (!TextCodec::writeLines(path, out, &writeError)) {
        if (error)
            *error = QStringLiteral("Filen %1 kan inte skapas: %2").arg(path, writeError);
        return -1;
    }
    return int(out.size()) - 1;
}

} // namespace vexamat
