#include "ui/files/TFormTips.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace vexamat {

TFormTips::TFormTips(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormTips"));
    setWindowTitle(QStringLiteral("Goda råd"));
    resize(600, 400);
    MemoKommentar = new QPlainTextEdit(this);
    MemoKommentar->setObjectName(QStringLiteral("MemoKommentar"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MemoKommentar);
}

} // namespace vexamat
