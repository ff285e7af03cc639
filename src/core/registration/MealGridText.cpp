#include "core/registration/MealGridText.h"

#include "core/registration/Conversions.h"

namespace vexamat {

QString MealGridText::gramText(float gram) {
    if (gram <= 0.01f)
        return QStringLiteral("-");
    return FormatComma(gram, gram > 9.9f ? 0 : 1);
}

QString MealGridText::antalText(float gram, float enhetsvikt) {
    const float a = enhetsvikt > 0.01f ? gram / enhetsvikt : 0.0f;
    if (a <= 0.01f)
        return QStringLiteral("-");
    return FormatComma(a, 1);
}

MealGridText::Row MealGridText::row(const MealRow& r) {
    Row out;
    if (r.isEmpty())
        return out;
    out[0] = r.livsmedel;
    out[1] = antalText(r.gram, r.enhetsvikt);
    out[2] = r.enhet;
    out[3] = gramText(r.gram);
    out[4] = r.klockan;
    return out;
}

} // namespace vexamat
