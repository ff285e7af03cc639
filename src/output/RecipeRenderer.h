#pragma once

#include "core/reports/RecipePrintout.h"

#include <QPageLayout>
#include <QString>

class QPainter;
class QPagedPaintDevice;

namespace vexamat {

// Lays a printed recipe out on A4 pages: under a header with the recipe title, the column
// headings "Livsmedel", "1 port" and the asked portions, the owner and the page number, one
// line per row with the name and the two amounts right-aligned under their headings.
class RecipeRenderer {
public:
    struct Printout {
        QString title;    // the recipe title
        QString portions; // the portions text as typed
        QString owner;
        QList<RecipePrintout::Row> rows;
    };

    static constexpr int kHeaderHeight = 92;
    static constexpr int kRowHeight = 20;
    static constexpr int kGram1Right = 520;
    static constexpr int kGram2Right = 680;

    explicit RecipeRenderer(Printout printout);

    // A4 portrait, margins 6.35 mm.
    static QPageLayout pageLayout();
    int pageCount() const;
    int rowsPerPage() const;
    void paintPage(QPainter& painter, int index) const;
    bool print(QPagedPaintDevice& device) const;

private:
    Printout m_printout;
};

} // namespace vexamat
