#pragma once

#include "core/registration/MealRow.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace vexamat {

// A ".recept" file: 536-byte meal-row records after one header record. Every field is
// checked; a bad record is reported and left out, the good ones are kept.
class ReceptFile {
public:
    static constexpr int kRecordSize = 536;

    struct Result {
        QList<MealRow> rows;
        QStringList problems; // Swedish, one per record left out
        bool opened = false;
    };

    // knownCode tells whether a food code exists in some food table; clock-time rows need
    // no table.
    static Result read(const QString& path, const std::function<bool(const QString&)>& knownCode);
    static Result parse(const QByteArray& data,
                        const std::function<bool(const QString&)>& knownCode);
    // One record; false with the reason when a field is out of its bounds.
    static bool decodeRecord(const QByteArray& record, MealRow* row, QString* problem);
};

} // namespace vexamat
