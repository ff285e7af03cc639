#include "ui/files/TFormInfo.h"

#include "core/AppState.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QVBoxLayout>

namespace vexamat {

TFormInfo::TFormInfo(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormInfo"));
    setWindowTitle(QStringLiteral("Info"));
    resize(600, 400);
    Label1 = new QLabel(
        QStringLiteral("Här kan du skriva uppgifter som du vill  knyta tilll denna beräkning."),
        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    MemoInfo = new QPlainTextEdit(this);
    MemoInfo->setObjectName(QStringLiteral("MemoInfo"));
    MemoInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(MemoInfo);
}

QStringList TFormInfo::noteLines() const {
    const QString text = MemoInfo->toPlainText();
    if (text.isEmpty())
        return {};
    return text.split(QLatin1Char('\n'));
}

void TFormInfo::setNoteLines(const QStringList& lines) {
    const QSignalBlocker block(MemoInfo);
    MemoInfo->setPlainText(lines.join(QLatin1Char('\n')));
    markNoteSaved();
}

bool TFormInfo::isNoteModified() const {
    return MemoInfo->document()->isModified();
}

void TFormInfo::markNoteSaved() {
    MemoInfo->document()->setModified(false);
}

} // namespace vexamat
