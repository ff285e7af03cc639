#include "core/norms/ActivityTable.h"

#include "core/text/NumberText.h"
#include "core/text/TextCodec.h"

#include <QFileInfo>

namespace vexamat {

ActivityTable::ReadResult ActivityTable::read(const QString& path) {
    ReadResult result;
    const QString file = QFileInfo(path).fileName();
    QStringList lines;
    if (!TextCodec::readLines(path, &lines)) {
        result.error = QStringLiteral("Kan ej öppna aktivitetstabellen %1.").arg(path);
        return result;
    }
    result.ok = true;
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].trimmed().isEmpty())
            continue;
        if (result.rows.size() == kMaxActivities) {
            result.warnings << QStringLiteral("%1: fler än %2 aktiviteter, resten läses inte.")
                                   .arg(file)
                                   .arg(kMaxActivities);
            break;
        }
        const QStringList fields = lines[i].split(QLatin1Char(';'));
        Activity activity{fields.value(1), fields.value(2), fields.value(3).trimmed()};
        if (offered(activity) &&
            NumberText::parse(activity.factor).kind != NumberText::Kind::Number)
            result.warnings << QStringLiteral(
                                   "%1, rad %2: \"%3\" saknar en BMR-faktor som är ett tal.")
                                   .arg(file)
                                   .arg(i + 1)
                                   .arg(lines[i]);
        result.rows << activity;
    }
    return result;
}

bool ActivityTable::write(const QString& path, const QList<Activity>& rows, QString* error) {
    QStringList lines;
    for (const Activity& activity : rows) {
        if (offered(activity))
            lines << QStringLiteral("0;") + kSavedGroup + QLatin1Char(';') + activity.name +
                         QLatin1Char(';') + activity.factor + QLatin1Char(';');
    }
    return TextCodec::writeLines(path, lines, error);
}

QStringList ActivityTable::groups(const QList<Activity>& rows) {
    QStringList out;
    for (const Activity& activity : rows) {
        if (offered(activity) && !out.contains(activity.group, Qt::CaseInsensitive))
            out << activity.group;
    }
    return out;
}

QList<Activity> ActivityTable::inGroup(const QList<Activity>& rows, const QString& group) {
    QList<Activity> out;
    for (const Activity& activity : rows) {
        if (offered(activity) && (group == kAllGroups || activity.group == group))
            out << activity;
    }
    return out;
}

QString ActivityTable::shownName(const Activity& activity) {
    return activity.name + QStringLiteral(" (") + activity.factor + QLatin1Char(')');
}

} // namespace vexamat
