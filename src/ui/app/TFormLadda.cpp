#include "ui/app/TFormLadda.h"

#include <QLabel>
#include <QVBoxLayout>

namespace vexamat {

TFormLadda::TFormLadda()
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint) {
    setObjectName(QStringLiteral("TFormLadda"));
    setWindowTitle(QStringLiteral("Laddning pågår."));
    resize(433, 187);
    auto* layout = new QVBoxLayout(this);
    const auto label = [&](const QString& text, int pixels, bool title) {
        auto* l = new QLabel(text, this);
        QFont f = l->font();
        if (title)
            f.setFamily(QStringLiteral("Arial"));
        f.setPixelSize(pixels);
        l->setFont(f);
        if (title)
            l->setStyleSheet(QStringLiteral("color: blue;"));
        l->setAlignment(Qt::AlignCenter);
        layout->addWidget(l);
    };
    label(QStringLiteral("Vexamat Ravavezezudevozi"), 21, true);
    label(QStringLiteral("Version 3.2 / rev. 2011-02-15"), 16, false);
    label(QStringLiteral("SLV databas ver 2011-02-14"), 13, false);
}

} // namespace vexamat
