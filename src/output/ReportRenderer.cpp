#include "output/ReportRenderer.h"

#include "core/reports/ReportBarLine.h"
#include "output/EnergyPieDrawing.h"

#include <QFontMetricsF>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>

namespace vexamat {

namespace {

constexpr double kMmPerInch = 25.4;

QFont monospaced(int pixelSize, bool bold = false) {
    // Courier New where it is installed, otherwise the system's fixed-pitch font.
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("DejaVu Sans Mono"),
                      QStringLiteral("Liberation Mono"), QStringLiteral("monospace")});
    font.setFixedPitch(true);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// Point sizes at 96 pixels per inch: 9 pt = 12 px, 10 pt = 13 px, 16 pt = 21 px.
constexpr int kLinePixels = 12;
constexpr int kInfoPixels = 13;
constexpr int kTitlePixels = 21;

} // namespace

ReportRenderer::ReportRenderer(const Report& report) : m_report(report) {
    layout();
}

QPageLayout ReportRenderer::pageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(12.7, 6.35, 6.35, 6.35), QPageLayout::Millimeter);
}

QSizeF ReportRenderer::contentSize() {
    const QRectF mm = pageLayout().paintRect(QPageLayout::Millimeter);
    return QSizeF(mm.width() / kMmPerInch * kDpi, mm.height() / kMmPerInch * kDpi);
}

QFont ReportRenderer::lineFont() {
    return monospaced(kLinePixels);
}

void ReportRenderer::layout() {
    m_pages.clear();
    const int height = int(contentSize().height());
    int y = 0;
    const auto newPage = [&](const QString& title) {
        m_pages.append(Page{title, {}});
        y = kHeaderHeight;
    };
    const auto place = [&](Item item, int itemHeight, const QString& title) {
        if (y + itemHeight > height)
            newPage(title);
        item.y = y;
        m_pages.last().items.append(item);
        y += itemHeight;
    };

    const QList<std::pair<int, int>> groups = m_report.groups();
    QString title = m_report.fallbackTitle;
    for (int g = 0; g < groups.size(); ++g) {
        title = m_report.titleOf(m_report.lines.at(groups.at(g).first));
        newPage(title);
        for (int i = groups.at(g).first; i < groups.at(g).second; ++i) {
            const bool bar = ReportBarLine::isBarLine(m_report.lines.at(i).text);
            place(Item{bar ? Item::Kind::Bar : Item::Kind::Text, 0, i, -1}, kLineHeight, title);
        }
        if (m_report.pies)
            place(Item{Item::Kind::Pies, 0, -1, g}, kPiesHeight, title);
    }
    if (m_pages.isEmpty())
        newPage(title);
    if (m_report.showInfo) {
        y += kLineHeight;
        for (int i = 0; i < m_report.infoLines.size(); ++i)
            place(Item{Item::Kind::Info, 0, i, -1}, kInfoLineHeight, title);
    }
}

void ReportRenderer::paintBar(QPainter& painter, const QString& text, int y) const {
    const ReportBarLine bar = ReportBarLine::parse(text);
    const int baseline = y + kLineHeight - 3;
    painter.drawText(QPointF(ReportBarLine::kLabelX, baseline), bar.label);
    if (bar.barWidth() > 0)
        painter.fillRect(QRectF(ReportBarLine::kBarX, y + 2, bar.barWidth(), kLineHeight - 4),
                         Qt::blue);
    painter.fillRect(QRectF(ReportBarLine::kMark50X, y + 3, 1, kLineHeight - 6), Qt::black);
    painter.fillRect(QRectF(ReportBarLine::kMark100X, y, 1, kLineHeight), Qt::black);
    painter.fillRect(QRectF(ReportBarLine::kMark150X, y + 3, 1, kLineHeight - 6), Qt::black);
    painter.drawText(QPointF(ReportBarLine::kPercentX, baseline), bar.percentText());
    painter.drawText(QPointF(ReportBarLine::kRecommendationX, baseline), bar.recommendation);
}

void ReportRenderer::paintPage(QPainter& painter, int index) const {
    const Page& page = m_pages.at(index);
    const double width = contentSize().width();
    painter.save();
    painter.setPen(Qt::black);
    painter.setFont(monospaced(kTitlePixels, true));
    painter.drawText(QRectF(0, 0, width * 0.62, 30), Qt::AlignLeft | Qt::AlignVCenter, page.title);
    painter.setFont(monospaced(kLinePixels));
    painter.drawText(QRectF(width * 0.62, 0, width * 0.38, 16), Qt::AlignRight | Qt::AlignVCenter,
                     m_report.headerText);
    painter.drawText(QRectF(width * 0.62, 16, width * 0.38, 16), Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("Sida %1").arg(index + 1));

    const QFont lines = monospaced(kLinePixels);
    const QFont info = monospaced(kInfoPixels);
    painter.setFont(lines);
    for (const Item& item : page.items) {
        switch (item.kind) {
        case Item::Kind::Text:
            if (!m_report.lines.at(item.line).text.isEmpty())
                painter.drawText(QPointF(0, item.y + kLineHeight - 3),
                                 m_report.lines.at(item.line).text);
            break;
        case Item::Kind::Bar:
            paintBar(painter, m_report.lines.at(item.line).text, item.y);
            break;
        case Item::Kind::Pies: {
            const EnergyShares actual = m_report.energySets.value(item.group);
            const double half = width / 2;
            EnergyPieDrawing::paint(painter, QRectF(0, item.y + 8, half, kPiesHeight - 8),
                                    EnergyPieDrawing::kActualTitle,
                                    EnergyPieDrawing::actualSlices(actual));
            EnergyPieDrawing::paint(painter, QRectF(half, item.y + 8, half, kPiesHeight - 8),
                                    EnergyPieDrawing::kIdealTitle,
                                    EnergyPieDrawing::idealSlices(m_report.idealEnergy));
            painter.setFont(lines);
            break;
        }
        case Item::Kind::Info:
            painter.setFont(info);
            painter.drawText(QPointF(0, item.y + kInfoLineHeight - 3),
                             m_report.infoLines.at(item.line));
            painter.setFont(lines);
            break;
        }
    }
    painter.restore();
}

bool ReportRenderer::print(QPagedPaintDevice& device) const {
    device.setPageLayout(pageLayout());
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // Screen pixels to device pixels; the device's origin is the top left inside the margins.
    const double scale = device.logicalDpiX() / kDpi;
    for (int i = 0; i < pageCount(); ++i) {
        if (i > 0 && !device.newPage())
            return false;
        painter.save();
        painter.scale(scale, scale);
        paintPage(painter, i);
        painter.restore();
    }
    return painter.end();
}

} // namespace vexamat
