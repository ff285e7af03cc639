#pragma once

#include "core/reports/Report.h"

#include <QList>
#include <QPageLayout>
#include <QString>

class QPainter;
class QPagedPaintDevice;

namespace vexamat {

// Lays a report out on A4 pages and paints them: each page group (the lines of one section
// title) starts a new page under a header with the title, the report title and owner and
// the page number; bar lines become bar rows; the group's pies follow its lines when the
// report asks for them, and the information text ends the report. Coordinates are screen
// pixels (96 per inch) inside the margins, scaled to the device.
class ReportRenderer {
public:
    static constexpr double kDpi = 96.0;
    static constexpr int kHeaderHeight = 48;
    static constexpr int kLineHeight = 14;
    static constexpr int kInfoLineHeight = 16;
    static constexpr int kPiesHeight = 230;

    struct Item {
        enum class Kind { Text, Bar, Pies, Info };
        Kind kind = Kind::Text;
        int y = 0;      // top, below the header
        int line = -1;  // the report line (Text, Bar) or the info line (Info)
        int group = -1; // the page group (Pies)
    };
    struct Page {
        QString title;
        QList<Item> items;
    };

    // report must outlive the renderer.
    explicit ReportRenderer(const Report& report);

    // A4 portrait, margins left 12.7 mm, top, right and bottom 6.35 mm.
    static QPageLayout pageLayout();
    // The area inside the margins in screen pixels.
    static QSizeF contentSize();

    const QList<Page>& pages() const { return m_pages; }
    int pageCount() const { return int(m_pages.size()); }

    // Paints page index (0-based) with the painter set up in screen pixels inside the margins.
    void paintPage(QPainter& painter, int index) const;
    // Sets the page layout of the device and paints every page onto it; false when the
    // device cannot be painted on.
    bool print(QPagedPaintDevice& device) const;

    static QFont lineFont();

private:
    void layout();
    void paintBar(QPainter& painter, const QString& text, int y) const;

    const Report& m_report;
    QList<Page> m_pages;
};

} // namespace vexamat
