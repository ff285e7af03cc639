#include "core/norms/PersonNorm.h"

#include "core/AppState.h"
#include "core/files/PersonFile.h"
#include "core/norms/NormRowLookup.h"
#include "core/registration/Conversions.h"
#include "core/text/NumberText.h"

#include <algorithm>
#include <cmath>

namespace vexamat {

namespace {

constexpr float kKjPerKcal = 4.184f;
constexpr int kWorkChange[] = {-150, 0, 300, 500};
constexpr int kLeisureChange[] = {-150, 0, 200, 300};
constexpr float kIllBmr[] = {120.0f, 140.0f, 170.0f};

int item(int index, int count) {
    return std::clamp(index, 0, count - 1);
}

bool isNumber(const QString& text) {
    return NumberText::parsePlain(text).kind == NumberText::Kind::Number;
}

QString noDecimals(float v) {
    return QString::number(double(v), 'f', 0);
}

} // namespace

bool PersonNorm::activitiesEnabled(const PersonInputs& in) {
    return TextToReal(in.age) > 11.0f;
}

std::optional<float> PersonNorm::bmi(const PersonInputs& in) {
    const float weight = TextToReal(in.weight);
    const float height = TextToReal(in.height);
    if (!(weight > 10.0f && height > 100.0f))
        return std::nullopt;
    return 10000.0f * weight / (height * height);
}

QString PersonNorm::bmiCaption(std::optional<float> bmi) {
    if (!bmi)
        return QStringLiteral("BMI - - -");
    return QStringLiteral("BMI ") + QString::number(double(*bmi), 'f', 1);
}

int PersonNorm::bmiLeft(std::optional<float> bmi) {
    if (!bmi)
        return kBmiLeftMin;
    const int left = int(std::lround((*bmi - 18.5f) * 297.0f / 16.5f + 277.0f));
    return std::clamp(left, kBmiLeftMin, kBmiLeftMax);
}

float PersonNorm::energyNeed(const PersonInputs& in) {
    const float age = TextToReal(in.age);
    const float weight = TextToReal(in.weight);
    const float height = TextToReal(in.height);
    if (in.ill == 1) {
        const int choice = item(in.illBmr, 4);
        const float bmr = choice == kIllBmrSpecial ? TextToReal(in.specialBmr) : kIllBmr[choice];
        return bmr * weight / kKjPerKcal;
    }
    float e = TextToReal(in.healthyBmr) * weight / kKjPerKcal;
    if (height > 100.0f) {
        const float b = 10000.0f * weight / (height * height);
        if (in.sex == 1) {
            if (b < 20.0f)
                e *= 1.1f;
            else if (b > 25.0f)
                e *= 0.9f;
        } else {
            if (b < 18.5f)
                e *= 1.1f;
            else if (b > 24.0f)
                e *= 0.9f;
        }
    } else {
        e = 0.0f;
    }
    if (age > 11.0f) {
        if (age > 17.9f && age < 30.1f)
            e *= 1.1f;
        else if (age > 70.0f)
            e *= 0.9f;
    } else {
        e = 0.0f;
    }
    if (e > 1.0f)
        e += float(kWorkChange[item(in.work, 4)]);
    if (e > 1.0f)
        e += float(kLeisureChange[item(in.leisure, 4)]);
    return e;
}

QString PersonNorm::energyText(float energy) {
    if (energy <= 0.1f)
        return QStringLiteral("- - - -  kcal /  kJ");
    return noDecimals(energy) + QStringLiteral(" kcal / ") + noDecimals(energy * kKjPerKcal) +
           QStringLiteral(" kJ");
}

int PersonNorm::normNumber(const PersonInputs& in) {
    const int age = int(TextToReal(in.age));
    const int base = in.sex == 1 ? 0 : 10;
    if (age >= 11 && age <= 14)
        return base + 1;
    if (age >= 15 && age <= 18)
        return base + 2;
    if (age >= 19 && age <= 30)
        return base + 3;
    if (age >= 31 && age <= 60)
        return base + 4;
    if (age >= 61 && age <= 75)
        return base + 5;
    if (age >= 76 && age <= 110)
        return base + 6;
    return 0;
}

bool PersonNorm::acceptable(const PersonInputs& in) {
    if (!isNumber(in.age) || !isNumber(in.weight) || !isNumber(in.height))
        return false;
    const float age = TextToReal(in.age);
    // An age of 11 passes the age check but gives no energy need: refused too, rather than
    // a norm of 0 kcal.
    return age >= 11.0f && age < 111.0f && TextToReal(in.weight) >= 20.0f &&
           TextToReal(in.height) >= 100.0f && energyNeed(in) > 0.1f;
}

std::optional<NormEstimate> PersonNorm::estimate(const PersonInputs& in, const ActiveNorm& current,
                                                 const std::optional<NormRow>& row) {
    if (!acceptable(in))
        return std::nullopt;
    const float e = energyNeed(in);
    NormEstimate out;
    out.kind = kKind;
    out.need = current.ActiveNeed;
    if (row) {
        for (int s = 0; s < kRowItems; ++s)
            out.need[s] = row->values[s];
    }
    const float kj = e * kKjPerKcal;
    const auto& share = current.NormEnergyShare;
    out.need[nutrientSlot(nutrient::Kcal)] = e;
    out.need[nutrientSlot(nutrient::Kj)] = kj;
    out.need[nutrientSlot(nutrient::Protein)] = share[0] * kj / 1700.0f;
    out.need[nutrientSlot(nutrient::Fat)] = share[1] * kj / 3700.0f;
    out.need[nutrientSlot(nutrient::Carbohydrate)] = share[2] * kj / 1700.0f;
    out.need[nutrientSlot(nutrient::Saturated)] = share[3] * kj / 3700.0f;
    out.need[nutrientSlot(nutrient::Monounsaturated)] = share[4] * kj / 3700.0f;
    out.need[nutrientSlot(nutrient::Polyunsaturated)] = share[5] * kj / 3700.0f;
    out.label = (in.sex == 1 ? QStringLiteral("Man ") : QStringLiteral("Kvinna ")) + in.age +
                QStringLiteral(" år, ") + in.weight + QStringLiteral(" kg.  ") + noDecimals(e) +
                QStringLiteral(" kcal/dag");
    if (const std::optional<float> b = bmi(in))
        out.headline.emplace_back(QStringLiteral("bmi"), double(*b));
    out.headline.emplace_back(QStringLiteral("energy_kcal"), double(e));
    out.headline.emplace_back(QStringLiteral("energy_kj"), double(kj));
    return out;
}

void PersonNorm::apply(ActiveNorm& norm, const NormEstimate& estimate,
                       const std::optional<NormRow>& row) {
    norm.NormKind = estimate.kind;
    if (row) {
        norm.NormNumber = row->Nr;
        norm.NormName = row->Norm.left(80);
        for (int s = 0; s < kRowItems; ++s)
            norm.StandardNeed[s] = row->values[s];
    }
    norm.ActiveNeed = estimate.need;
    norm.NormLabel = estimate.label;
}

std::optional<NormEstimate> PersonNorm::fromFile(const QString& path, const AppState& state,
                                                 QString* error) {
    PersonInputs in;
    if (!PersonFile::read(path, in, error))
        return std::nullopt;
    std::optional<NormEstimate> out =
        estimate(in, state.norm, NormRowLookup::find(state.database, normNumber(in)));
    if (!out && error)
        *error = kRefused;
    return out;
}

} // namespace vexamat
