#pragma once

#include "core/analysis/ResultChartData.h"

#include <QList>
#include <QRectF>
#include <QString>

class QPainter;

namespace vexamat {

struct EnergyShares;

// The two energy pies of a report page group, "Energifördelning, VERKLIG" and
// "Energifördelning, IDEAL", drawn with a painter or written as inline SVG.
class EnergyPieDrawing {
public:
    static inline const QString kActualTitle = QStringLiteral("Energifördelning, VERKLIG");
    static inline const QString kIdealTitle = QStringLiteral("Energifördelning, IDEAL");

    static QList<ResultChartData::Slice> actualSlices(const EnergyShares& shares);
    // Protein, fat and carbohydrate of the ideal, always all three.
    static QList<ResultChartData::Slice> idealSlices(const EnergyShares& ideal);
    // "Prot 34 %": the slice's share of the whole pie, rounded.
    static QStringList sliceLabels(const QList<ResultChartData::Slice>& slices);

    static void paint(QPainter& painter, const QRectF& area, const QString& title,
                      const QList<ResultChartData::Slice>& slices);
    static QString svg(const QString& title, const QList<ResultChartData::Slice>& slices, int width,
                       int height);
};

} // namespace vexamat
