#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace vexamat {

// One activity of the activity table: its group, its name and its energy use as a multiple
// of the basal metabolic rate, kept as the text the file gives ("1.2" or "1,2").
struct Activity {
    QString group;
    QString name;
    QString factor;
};

// The activity table aktiv.txt: one activity per line, "0;group;name;factor;", Windows-1252
// with CR LF.
class ActivityTable {
public:
    static inline const QString kFileName = QStringLiteral("aktiv.txt");
    // The table window holds a heading row and 799 activities.
    static constexpr int kMaxActivities = 799;
    // Only names longer than this are offered and written back.
    static constexpr int kShortestName = 3;
    static inline const QString kAllGroups = QStringLiteral(" Alla grupper");
    static inline const QString kSavedGroup = QStringLiteral("Enkel");

    struct ReadResult {
        bool ok = false;      // the file could be read
        QList<Activity> rows; // every line, in file order (at most kMaxActivities)
        QString error;        // Swedish, naming the file, when not ok
        QStringList warnings; // lines that could not be understood, each naming the file
    };

    static ReadResult read(const QString& path);
    // Every row whose name is long enough, in the group "Enkel"; atomically.
    static bool write(const QString& path, const QList<Activity>& rows, QString* error);

    static bool offered(const Activity& activity) { return activity.name.size() >= kShortestName; }
    // The groups of the offered rows, each once (letter case ignored), in first-seen order.
    static QStringList groups(const QList<Activity>& rows);
    // The offered rows of a group; all of them for kAllGroups.
    static QList<Activity> inGroup(const QList<Activity>& rows, const QString& group);
    // How the list and the activity grid show an activity: "name (factor)".
    static QString shownName(const Activity& activity);
};

} // namespace vexamat
