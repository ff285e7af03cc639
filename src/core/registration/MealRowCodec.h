#pragma once

#include "core/registration/MealRow.h"

#include <QByteArray>

namespace vexamat {

// The 536-byte record of a meal row, as recipe files store it: little-endian, texts
// length-prefixed in Windows-1252.
class MealRowCodec {
public:
    static constexpr int kRecordSize = 536;

    static QByteArray encode(const MealRow& row);
    // Decodes one record; false when the data are shorter than a record.
    static bool decode(const QByteArray& record, MealRow* row);
};

} // namespace vexamat
