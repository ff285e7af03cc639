#include "ui/reports/ReportPreview.h"

#include <QPrintPreviewDialog>
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
    dialog->showMaximized();
    return dialog;
}

} // namespace vexamat
