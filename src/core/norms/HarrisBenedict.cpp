#include "core/norms/HarrisBenedict.h"

#include "core/AppState.h"
#include "core/files/HarrisFile.h"
#include "core/norms/NormRowLookup.h"
#include "core/registration/Conversions.h"
#include "core/text/NumberText.h"

namespace vexamat {

namespace {

constexpr float kKjPerKcal = 4.184f;

bool isWhole(const QString& text) {
    bool ok = false;
    text.trimmed().toInt(&ok);
    return ok;
}

} // namespace

std::optional<float> HarrisBenedict::bmr(const HarrisInputs& in) {
    const float a = TextToReal(in.age);
    const float w = TextToReal(in.weight);
    const float h = TextToReal(in.height);
    const float f = TextToReal(in.factor);
    if (!(a > 9.0f && w > 9.0f && h > 100.0f && f > 0.9f))
        return std::nullopt;
    if (in.sex == 1)
        return 66.5f + 13.7f * w + 5.0f * h - 6.8f * a;
    return 655.1f + 9.6f * w + 1.8f * h - 4.7f * a;
}

std::optional<float> HarrisBenedict::need(const HarrisInputs& in) {
    const std::optional<float> b = bmr(in);
    if (!b)
        return std::nullopt;
    const float kcal = *b * TextToReal(in.factor);
    return in.unit == 0 ? kcal * kKjPerKcal : kcal;
}

QString HarrisBenedict::needText(const HarrisInputs& in) {
    const std::optional<float> n = need(in);
    return n ? QString::number(double(*n), 'f', 0) : kNoNeed;
}

int HarrisBenedict::normNumber(int sex, int age) {
    const int base = sex == 1 ? 0 : 10;
    if (age < 0 || age > 110)
        return 0;
    if (age <= 14)
        return base + 1;
    if (age <= 18)
        return base + 2;
    if (age <= 30)
        return base + 3;
    if (age <= 60)
        return base + 4;
    if (age <= 75)
        return base + 5;
    return base + 6;
}

HarrisBenedict::Activation HarrisBenedict::activate(const HarrisInputs& in,
                                                    const QString& shownNeed,
                                                    const ActiveNorm& current,
                                                    const std::optional<NormRow>& row) {
    Activation out;
    if (!isWhole(in.age)) {
        out.message = kAgeNotWhole;
        return out;
    }
    const NumberText::Parsed shown = NumberText::parsePlain(shownNeed);
    if (shown.kind != NumberText::Kind::Number) {
        out.message = kIncomplete;
        return out;
    }
    if (!row) {
        out.message = kNoNormForAge;
        return out;
    }
    const float value = float(shown.value);
    const bool kcalUnit = in.unit != 0;
    const float kcal = kcalUnit ? value : value / kKjPerKcal;
    const float kj = kcalUnit ? value * kKjPerKcal : value;

    NormEstimate e;
    e.kind = kKind;
    e.need = row->values;
    const auto& share = current.NormEnergyShare;
    e.need[nutrientSlot(nutrient::Kcal)] = kcal;
    e.need[nutrientSlot(nutrient::Kj)] = kj;
    e.need[nutrientSlot(nutrient::Protein)] = kj * share[0] / 1700.0f;
    e.need[nutrientSlot(nutrient::Fat)] = kj * share[1] / 3700.0f;
    e.need[nutrientSlot(nutrient::Carbohydrate)] = kj * share[2] / 1700.0f;
    e.label = QStringLiteral("Norm: Harris Benedict, ") +
              (in.sex == 1 ? QStringLiteral("Man ") : QStringLiteral("Kvinna ")) +
              QStringLiteral(" ") + in.age + QStringLiteral(" år ") + shownNeed +
              (kcalUnit ? QStringLiteral(" kcal per dag") : QStringLiteral(" kJ per dag"));
    if (const std::optional<float> b = bmr(in))
        e.headline.emplace_back(QStringLiteral("bmr"), double(*b));
    e.headline.emplace_back(QStringLiteral("energy_kcal"), double(kcal));
    e.headline.emplace_back(QStringLiteral("energy_kj"), double(kj));
    out.estimate = std::move(e);
    return out;
}

std::optional<NormEstimate> HarrisBenedict::fromFile(const QString& path, const AppState& state,
                                                     QString* error) {
    HarrisInputs in;
    if (!HarrisFile::read(path, in, error))
        return std::nullopt;
    const int nr = isWhole(in.age) ? normNumber(in.sex, in.age.trimmed().toInt()) : 0;
    Activation a = activate(in, needText(in), state.norm, NormRowLookup::find(state.database, nr));
    if (!a.estimate && error)
        *error = a.message;
    return a.estimate;
}

} // namespace vexamat
