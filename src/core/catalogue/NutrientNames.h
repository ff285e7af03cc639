#pragma once

#include <QByteArray>
#include <QString>

#include <array>

namespace vexamat {

// Names, labels, units and decimals of the nutrients, indexed by NutrientNo, filled only
// from nvnamn.txt.
class NutrientNames {
public:
    enum class ReadStatus {
        Ok,
        FileMissing, // the file error: reported, start-up stops there
        BadNumber,   // "Fel i namnfilen nvnamn.txt": the program ends
        BadDecimals, // the integer conversion error: reported, start-up stops there
        NoNutrients, // empty or only comments: reported, start-up stops there
    };
    struct ReadResult {
        ReadStatus status = ReadStatus::Ok;
        QString message; // Swedish, for the user; empty when Ok
        int line = 0;    // 1-based line number of the fault
    };

    static constexpr int kNameCount = 87; // NutrientName, NutrientLabel: 0..86
    static constexpr int kUnitCount = 88; // NutrientUnit, NutrientDecimals: 0..87
    static constexpr int kNameLength = 12;
    static constexpr int kUnitLength = 2;

    std::array<QString, kNameCount> NutrientName;
    std::array<QString, kNameCount> NutrientLabel;
    std::array<QString, kUnitCount> NutrientUnit;
    std::array<int, kUnitCount> NutrientDecimals{};

    // Reads nvnamn.txt (Windows-1252 after the code page 437 conversion). Lines read before
    // a fault stay stored.
    ReadResult read(const QString& path);
    ReadResult parse(const QByteArray& content);
    void clear();

    // Label of a nutrient number, empty outside 0..86.
    QString label(int nutrientNo) const;
    int decimals(int nutrientNo) const;
};

// Replaces the nine code page 437 letters that the name file may hold by their
// Windows-1252 bytes.
QByteArray Cp437ToAnsi(const QByteArray& text);

} // namespace vexamat
