#include "ui/reports/ReportPreview.h"

#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

namespace vexamat {

QPrintPreviewDialog* ReportPreview::show(QWidget* parent, const QPageLayout& layout, Paint paint) {
    auto* dialog = new QPrintPreviewDialog(parent); // prints on a printer of its own
    dialog->setObjectName(QString::fromLatin1(kObjectName));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(QStringLiteral("Förhandsgranskning"));
    dialog->printer()->setPageLayout(layout);
    QObject::connect(dialog, &QPrintPreviewDialog::paintRequested, dialog,
                     [paint = std::move(paint)](QPrinter* printer) { paint(*printer); });
    // The pages at their real size, as on paper.
    if (auto* view = dialog->findChild<QPrintPreviewWidget*>()) {
        view->setZoomMode(QPrintPreviewWidget::CustomZoom);
        view->setZoomFactor(1.0);
    }
    dialog->showMaximized();
    return dialog;
}

} // namespace vexamat
