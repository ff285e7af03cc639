#include "output/EnergyPieDrawing.h"

#include "core/analysis/EnergyPie.h"
#include "core/analysis/ResultChartBuilder.h"

#include <QPainter>
#include <QtMath>

namespace vexamat {

namespace {

QColor colour(unsigned rgb) {
    return QColor::fromRgb(QRgb(rgb));
}

float total(const QList<ResultChartData::Slice>& slices) {
    float sum = 0;
    for (const ResultChartData::Slice& s : slices)
        sum += s.value;
    return sum;
}

QString escaped(const QString& text) {
    return text.toHtmlEscaped();
}

} // namespace

QList<ResultChartData::Slice> EnergyPieDrawing::actualSlices(const EnergyShares& shares) {
    return EnergyPie::slices(shares);
}

QList<ResultChartData::Slice> EnergyPieDrawing::idealSlices(const EnergyShares& ideal) {
    return {{QStringLiteral("Prot"), ideal.protein, ResultChartBuilder::kGreen},
            {QStringLiteral("Fett"), ideal.fat, ResultChartBuilder::kRed},
            {QStringLiteral("Kolh"), ideal.carbohydrate, ResultChartBuilder::kBlue}};
}

QStringList EnergyPieDrawing::sliceLabels(const QList<ResultChartData::Slice>& slices) {
    const float sum = total(slices);
    QStringList labels;
    for (const ResultChartData::Slice& s : slices)
        labels << QStringLiteral("%1 %2 %").arg(s.label).arg(
            sum > 0 ? qRound(s.value * 100.0f / sum) : 0);
    return labels;
}

void EnergyPieDrawing::paint(QPainter& painter, const QRectF& area, const QString& title,
                             const QList<ResultChartData::Slice>& slices) {
    painter.save();
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QRectF titleRect(area.left(), area.top(), area.width(), 18);
    painter.drawText(titleRect, Qt::AlignHCenter | Qt::AlignVCenter, title);
    const qreal diameter = std::min(area.width() - 110, area.height() - 40);
    const QRectF pie(area.center().x() - diameter / 2, titleRect.bottom() + 12, diameter, diameter);
    const float sum = total(slices);
    const QStringList labels = sliceLabels(slices);
    qreal start = 90.0; // from the top, clockwise
    for (int i = 0; i < slices.size() && sum > 0; ++i) {
        const qreal span = -360.0 * slices.at(i).value / sum;
        painter.setBrush(colour(slices.at(i).rgb));
        painter.setPen(QPen(Qt::black, 0.5));
        painter.drawPie(pie, qRound(start * 16), qRound(span * 16));
        const qreal middle = qDegreesToRadians(start + span / 2);
        const QPointF edge(pie.center().x() + std::cos(middle) * (diameter / 2 + 8),
                           pie.center().y() - std::sin(middle) * (diameter / 2 + 8));
        const QRectF labelRect = std::cos(middle) >= 0
                                     ? QRectF(edge.x(), edge.y() - 8, 60, 16)
                                     : QRectF(edge.x() - 60, edge.y() - 8, 60, 16);
        painter.setPen(Qt::black);
        painter.drawText(
            labelRect, Qt::AlignVCenter | (std::cos(middle) >= 0 ? Qt::AlignLeft : Qt::AlignRight),
            labels.at(i));
        start += span;
    }
    painter.restore();
}

QString EnergyPieDrawing::svg(const QString& title, const QList<ResultChartData::Slice>& slices,
                              int width, int height) {
    QString out = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" "
                                 "height=\"%2\" viewBox=\"0 0 %1 %2\" class=\"pie\">")
                      .arg(width)
                      .arg(height);
    out += QStringLiteral("<text x=\"%1\" y=\"14\" text-anchor=\"middle\" "
                          "font-family=\"sans-serif\" font-size=\"12\">%2</text>")
               .arg(width / 2)
               .arg(escaped(title));
    const double radius = std::min(width - 110, height - 40) / 2.0;
    const double cx = width / 2.0;
    const double cy = 30 + radius;
    const float sum = total(slices);
    const QStringList labels = sliceLabels(slices);
    double start = 90.0;
    for (int i = 0; i < slices.size() && sum > 0; ++i) {
        const double span = -360.0 * slices.at(i).value / sum;
        const QString fill = colour(slices.at(i).rgb).name();
        const double a0 = qDegreesToRadians(start);
        const double a1 = qDegreesToRadians(start + span);
        if (std::abs(span) >= 359.99) {
            out += QStringLiteral("<circle cx=\"%1\" cy=\"%2\" r=\"%3\" fill=\"%4\" "
                                  "stroke=\"black\" stroke-width=\"0.5\"/>")
                       .arg(cx)
                       .arg(cy)
                       .arg(radius)
                       .arg(fill);
        } else {
            out += QStringLiteral("<path d=\"M %1 %2 L %3 %4 A %5 %5 0 %6 1 %7 %8 Z\" "
                                  "fill=\"%9\" stroke=\"black\" stroke-width=\"0.5\"/>")
                       .arg(cx, 0, 'f', 2)
                       .arg(cy, 0, 'f', 2)
                       .arg(cx + radius * std::cos(a0), 0, 'f', 2)
                       .arg(cy - radius * std::sin(a0), 0, 'f', 2)
                       .arg(radius, 0, 'f', 2)
                       .arg(std::abs(span) > 180 ? 1 : 0)
                       .arg(cx + radius * std::cos(a1), 0, 'f', 2)
                       .arg(cy - radius * std::sin(a1), 0, 'f', 2)
                       .arg(fill);
        }
        const double middle = qDegreesToRadians(start + span / 2);
        const bool right = std::cos(middle) >= 0;
        out += QStringLiteral("<text x=\"%1\" y=\"%2\" text-anchor=\"%3\" "
                              "font-family=\"sans-serif\" font-size=\"11\">%4</text>")
                   .arg(cx + std::cos(middle) * (radius + 8), 0, 'f', 1)
                   .arg(cy - std::sin(middle) * (radius + 8) + 4, 0, 'f', 1)
                   .arg(right ? QStringLiteral("start") : QStringLiteral("end"))
                   .arg(escaped(labels.at(i)));
        start += span;
    }
    out += QStringLiteral("</svg>");
    return out;
}

} // namespace vexamat
