#include "output/RecipeRenderer.h"

#include <QFont>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace vexamat {

namespace {

constexpr double kDpi = 96.0;
constexpr double kMmPerInch = 25.4;

QFont arial(int pixelSize, bool bold = false, bool italic = false) {
    QFont font(QStringLiteral("Arial"));
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QSizeF contentSize() {
    const QRectF mm = RecipeRenderer::pageLayout().paintRect(QPageLayout::Millimeter);
    return QSizeF(mm.width() / kMmPerInch * kDpi, mm.height() / kMmPerInch * kDpi);
}

} // namespace

RecipeRenderer::RecipeRenderer(Printout printout) : m_printout(std::move(printout)) {}

QPageLayout RecipeRenderer::pageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(6.35, 6.35, 6.35, 6.35), QPageLayout::Millimeter);
}

int RecipeRenderer::rowsPerPage() const {
    return std::max(1, (int(contentSize().height()) - kHeaderHeight) / kRowHeight);
}

int RecipeRenderer::pageCount() const {
    const int rows = int(m_printout.rows.size());
    return std::max(1, (rows + rowsPerPage() - 1) / rowsPerPage());
}

void RecipeRenderer::paintPage(QPainter& painter, int index) const {
    const double width = contentSize().width();
    painter.save();
    painter.setPen(Qt::black);
    painter.setFont(arial(21, true)); // 16 pt
    painter.drawText(QRectF(0, 0, width - 160, 30), Qt::AlignLeft | Qt::AlignVCenter,
                     m_printout.title);
    painter.setFont(arial(13, false, true)); // 10 pt
    painter.drawText(QRectF(width - 160, 0, 160, 18), Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("Sida %1").arg(index + 1));
    painter.drawText(QRectF(width - 300, 36, 300, 18), Qt::AlignRight | Qt::AlignVCenter,
                     m_printout.owner);
    painter.setFont(arial(16, true)); // 12 pt
    const QRectF headings(0, 62, width, 22);
    painter.drawText(headings, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Livsmedel"));
    painter.drawText(QRectF(0, headings.top(), kGram1Right, headings.height()),
                     Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("1 port"));
    painter.drawText(QRectF(0, headings.top(), kGram2Right, headings.height()),
                     Qt::AlignRight | Qt::AlignVCenter,
                     m_printout.portions + QStringLiteral(" port."));

    painter.setFont(arial(16));
    const int first = index * rowsPerPage();
    const int end = std::min(int(m_printout.rows.size()), first + rowsPerPage());
    for (int i = first; i < end; ++i) {
        const RecipePrintout::Row& row = m_printout.rows.at(i);
        const QRectF line(0, kHeaderHeight + (i - first) * kRowHeight, width, kRowHeight);
        painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, row.livsmedel);
        painter.drawText(QRectF(0, line.top(), kGram1Right, kRowHeight),
                         Qt::AlignRight | Qt::AlignVCenter, row.gram1);
        painter.drawText(QRectF(0, line.top(), kGram2Right, kRowHeight),
                         Qt::AlignRight | Qt::AlignVCenter, row.gram2);
    }
    painter.restore();
}

bool RecipeRenderer::print(QPagedPaintDevice& device) const {
    device.setPageLayout(pageLayout());
    QPainter painter;
    if (!painter.begin(&device))
        return false;
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
