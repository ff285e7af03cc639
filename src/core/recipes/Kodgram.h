#pragma once

#include "core/registration/Registration.h"

#include <QList>
#include <QString>

namespace vexamat {

struct MealRow;

// One ingredient of a recipe as the register stores it: the texts between the separators,
// read as numbers only where they are used.
struct KodgramEntry {
    QString code;
    QString grams;
    QString unitWeight; // empty when the entry has no "/"
    QString unitName;

    bool operator==(const KodgramEntry&) const = default;
};

// The ingredient list of a recipe as one text: code "!" grams "/" unit weight "@" unit ";"
// per row, closed by the terminator entry.
class Kodgram {
public:
    static inline const QString kTerminator = QStringLiteral("0!0/0@port;");

    // The entry of one row; grams and unit weight rounded to whole numbers. A ";" in the
    // unit name would end the entry early, so it is stored as ",".
    static QString entry(const MealRow& row);
    // Every used row of the meal (rows 0..99, in order), then the terminator.
    static QString encode(const Registration::Meal& meal);
    // The entries up to the terminator (or to the end of a text without one).
    static QList<KodgramEntry> parse(const QString& text);
};

} // namespace vexamat
