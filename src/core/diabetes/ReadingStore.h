#pragma once

#include <QString>

#include <array>

namespace vexamat {

// One blood-glucose or insulin reading as typed: a clock time and a value.
struct Reading {
    QString time;
    QString value;

    // A value typed without its time is kept, so that it is saved and read back.
    bool isEmpty() const { return time.isEmpty() && value.isEmpty(); }
    bool operator==(const Reading&) const = default;
};

// The readings of every day of the registration: 20 reading rows per day, numbered 1..20.
class ReadingStore {
public:
    static constexpr int kDays = 21;
    static constexpr int kRows = 20;
    static constexpr int kTextLength = 8; // longest time or value text kept

    Reading& reading(int day, int row) { return m_days[day][row - 1]; }
    const Reading& reading(int day, int row) const { return m_days[day][row - 1]; }
    // Stores a reading, each text cut to kTextLength.
    void set(int day, int row, const QString& time, const QString& value);
    void clear();

    bool operator==(const ReadingStore&) const = default;

    static constexpr bool isValidDay(int day) { return day >= 0 && day < kDays; }
    static constexpr bool isValidRow(int row) { return row >= 1 && row <= kRows; }

private:
    std::array<std::array<Reading, kRows>, kDays> m_days;
};

} // namespace vexamat
