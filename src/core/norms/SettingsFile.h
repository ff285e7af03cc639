#pragma once

#include "core/norms/ActiveNorm.h"
#include "core/norms/MealSettings.h"

#include <QString>

#include <array>

namespace vexamat {

// The cell texts of the settings window, exactly as typed (25, 12.5, 12,5).
struct SettingsTexts {
    // % of the day's need: Frukost, Lunch, Middag, M-mål 1..6.
    std::array<QString, 9> mealPercent;
    // Ideal energy %: protein, fat, carbohydrate, monounsaturated, polyunsaturated,
    // saturated (the order of the window's rows and of the file).
    std::array<QString, 6> energyPercent;
};

// vexamat.para: 15 lines, the nine meal percentages and the six ideal energy percentages.
class SettingsFile {
public:
    static inline const QString kFileName = QStringLiteral("vexamat.para");

    static SettingsTexts defaults();
    // Reads the file; a line past its end reads as empty. False when it cannot be read.
    static bool read(const QString& path, SettingsTexts* texts);
    // Writes the 15 texts atomically; false with the reason when it fails.
    static bool write(const QString& path, const SettingsTexts& texts, QString* error);
    // The meal shares (fractions) and the ideal energy shares from the texts.
    static void apply(const SettingsTexts& texts, MealSettings& settings, ActiveNorm& norm);
    static void applyMealShares(const SettingsTexts& texts, MealSettings& settings);
};

} // namespace vexamat
