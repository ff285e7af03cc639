#include "core/norms/NormActivation.h"

#include <cmath>

namespace vexamat {

namespace {

QString noDecimals(float v) {
    return QString::number(static_cast<double>(v), 'f', 0);
}

float need(const ActiveNorm& norm, int nutrientNo) {
    return norm.ActiveNeed[nutrientSlot(nutrientNo)];
}

} // namespace

void NormActivation::loadDefault(ActiveNorm& norm, const NormRow& row, bool found) {
    if (found)
        norm.NormNumber = row.Nr;
    norm.NormName = row.Norm.left(kNameLength);
    norm.StandardNeed = row.values;
    norm.ActiveNeed = row.values;
    norm.NormLabel.clear();
    norm.NormKind = kStartKind;
}

void NormActivation::takeRow(ActiveNorm& norm, const NormRow& row) {
    norm.NormNumber = row.Nr;
    norm.NormName = row.Norm.left(kNameLength);
    norm.StandardNeed = row.values;
    norm.ActiveNeed = row.values;
}

QStringList NormActivation::CheckNormEnergy(const ActiveNorm& norm) {
    QStringList warnings;
    const float kj = need(norm, nutrient::Kj);
    const float kcal = need(norm, nutrient::Kcal);
    if (std::fabs(kj - 4.21f * kcal) > 200.0f)
        warnings << QStringLiteral("För stor skillnad mellan kJ (") + noDecimals(kj) +
                        QStringLiteral(") och kcal (") + noDecimals(kcal) +
                        QStringLiteral("). Om du ändrat normen kolla den, kontakta annars Trelona");
    const float e = need(norm, nutrient::Protein) * 17.0f + need(norm, nutrient::Fat) * 37.0f +
                    need(norm, nutrient::Carbohydrate) * 17.0f;
    if (std::fabs(kj - e) > 50.0f)
        warnings
            << (norm.NormName + QStringLiteral("    För stor skillnad mellan kJ (")).left(112) +
                   noDecimals(kj) + QStringLiteral(") och energigivare (") + noDecimals(e) +
                   QStringLiteral("). Om du ändrat normen kolla den, kontakta annars Trelona");
    return warnings;
}

QString NormActivation::BuildNormLabel(const QString& normName, float kcal) {
    QString label = (QStringLiteral("Norm: ") + normName).left(86);
    label = (label + QStringLiteral("   ")).left(89);
    return label + noDecimals(kcal) + QStringLiteral(" kcal/dag");
}

bool NormActivation::ComputeNormEnergyShares(ActiveNorm& norm) {
    const float p = need(norm, nutrient::Protein);
    const float f = need(norm, nutrient::Fat);
    const float c = need(norm, nutrient::Carbohydrate);
    const float b = need(norm, nutrient::Fibre);
    const float e = p * 1700.0f + f * 3700.0f + c * 1700.0f + b * 800.0f;
    if (!(e > 5.0f))
        return false;
    const float fat = f * 100.0f * 3700.0f / e;
    // Order: protein, fat, carbohydrate, saturated, monounsaturated, polyunsaturated.
    norm.NormEnergyShare = {p * 100.0f * 1700.0f / e,
                            fat,
                            (c * 1700.0f + b * 800.0f) * 100.0f / e,
                            fat * 0.3333f,
                            fat * 0.4167f,
                            fat * 0.25f};
    return true;
}

} // namespace vexamat
