#include "core/norms/SettingsFile.h"

#include "core/text/TextCodec.h"
#include "core/registration/Conversions.h"

#include <QStringList>

namespace vexamat {

SettingsTexts SettingsFile::defaults() {
    SettingsTexts t;
    t.mealPercent = {QStringLiteral("25"), QStringLiteral("30"), QStringLiteral("30"),
                     QStringLiteral("15"), QStringLiteral("0"),  QStringLiteral("0"),
                     QStringLiteral("0"),  QStringLiteral("0"),  QStringLiteral("0")};
    t.energyPercent = {QStringLiteral("15"),   QStringLiteral("30"),  QStringLiteral("55"),
                       QStringLiteral("12.5"), QStringLiteral("7.5"), QStringLiteral("10")};
    return t;
}

bool SettingsFile::read(const QString& path, SettingsTexts* texts) {
    QStringList lines;
    if (!TextCodec::readLines(path, &lines))
        return false;
    const auto line = [&](int i) { return i < lines.size() ? lines[i] : QString(); };
    for (int i = 0; i < 9; ++i)
        texts->mealPercent[i] = line(i);
    for (int i = 0; i < 6; ++i)
        texts->energyPercent[i] = line(9 + i);
    return true;
}

bool SettingsFile::write(const QString& path, const SettingsTexts& texts, QString* error) {
    QStringList lines;
    for (const QString& t : texts.mealPercent)
        lines << t;
    for (const QString& t : texts.energyPercent)
        lines << t;
    return TextCodec::writeLines(path, lines, error);
}

void SettingsFile::applyMealShares(const SettingsTexts& texts, MealSettings& settings) {
    for (int i = 0; i < 9; ++i)
        settings.MealShare[i] = TextToReal(texts.mealPercent[i]) / 100.0f;
}

void SettingsFile::apply(const SettingsTexts& texts, MealSettings& settings, ActiveNorm& norm) {
    applyMealShares(texts, settings);
    const auto v = [&](int row) { return TextToReal(texts.energyPercent[row]); };
    // NormEnergyShare: protein, fat, carbohydrate, saturated, monounsaturated, polyunsaturated.
    norm.NormEnergyShare = {v(0), v(1), v(2), v(5), v(3), v(4)};
}

} // namespace vexamat
