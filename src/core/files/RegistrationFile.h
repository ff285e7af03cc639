#pragma once

#include <QString>
#include <QStringList>

namespace vexamat {

struct AppState;
class FoodLookup;

// The ".vexa" file: the rows of all 21 days x 9 meals, the whole-day mode, the glucose
// and insulin readings and the carbohydrate settings, as CR LF lines in Windows-1252.
class RegistrationFile {
public:
    enum class Status {
        Ok,        // the current layout was read
        OldLayout, // the oldest layout (30 rows a meal) was read
        Failed,    // "Kan ej öppna registrering": what came before the fault is kept
    };

    struct ReadResult {
        Status status = Status::Failed;
        QString date;             // the date line, shown in the title
        QStringList missingFoods; // "dag=... finns ej." per food no table has
        int droppedRows = 0;      // foods beyond the 99 rows or 189 meals
        int droppedReadings = 0;  // readings beyond 20 a day or outside days 0..20
        bool overflowed() const { return droppedRows > 0 || droppedReadings > 0; }
    };

    static const QString kFilter;        // the file dialogs' filter: vexamat, *.vexa
    static const QString kOpenFailed;    // "Kan ej öppna registrering"
    static const QString kOldOpenFailed; // "Kan ej öppna registreringen"
    static const QString kSaveFailed;    // "Kan ej spara registreringen"

    // The lines of the file for the state, with the given date line.
    static QStringList lines(const AppState& state, const QString& date);
    // Writes the whole file or nothing: a failed save leaves an existing file as it was.
    static bool write(const QString& path, const AppState& state, const QString& date,
                      QString* error = nullptr);

    // Reads the file into the registration, the readings, the carbohydrate settings and
    // WholeDayMode of a state that the caller has emptied. Never writes outside the
    // registration: what does not fit is counted in the result and left out.
    static ReadResult read(const QString& path, AppState& state, FoodLookup& lookup);
    static ReadResult readLines(const QStringList& lines, AppState& state, FoodLookup& lookup);

    // The one message that tells what did not fit; empty when everything fitted.
    static QString overflowMessage(const ReadResult& result);
    // The name with its extension replaced (or added): "kalle.txt" + ".vexa" -> "kalle.vexa".
    static QString withExtension(const QString& path, const QString& extension);
};

} // namespace vexamat
