#pragma once

#include <QPageLayout>

#include <functional>

class QPagedPaintDevice;
class QPrintPreviewDialog;
class QWidget;

namespace vexamat {

// The print preview of a printout, maximised, from which the user prints. It is not modal
// and deletes itself when closed; paint draws every page onto the printer it is given and
// is kept as long as the preview lives.
class ReportPreview {
public:
    using Paint = std::function<void(QPagedPaintDevice&)>;

    static inline const char* kObjectName = "ReportPreview";

    // parent owns the dialog until it closes.
    static QPrintPreviewDialog* show(QWidget* parent, const QPageLayout& layout, Paint paint);
};

} // namespace vexamat
