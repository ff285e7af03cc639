#include "ui/analysis/TFormNvPer100g.h"

#include "core/AppState.h"
#include "core/analysis/NutrientFigures.h"
#include "ui/MainWindowUpdates.h"
#include "ui/Windows.h"
#include "ui/analysis/FigureGrid.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace vexamat {

namespace {

const QStringList kNote{
    QStringLiteral("Här visas näringen för en måltid/recept per 100 gram."),
    QStringLiteral("Om vikten har ändrats vid tillagningen skriver du den"),
    QStringLiteral("nya vikten i \"Korrigerad vikt\"."),
};

} // namespace

TFormNvPer100g::TFormNvPer100g(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormNvPer100g"));
    setWindowTitle(QStringLiteral("Måltidens näring per 100 gram"));
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint);

    StringGrid1 = FigureGrid::create(this, 100, {64, 216}, 0);
    Labelkg = new QLabel(QStringLiteral("Måltidens vikt i gram:"), this);
    Labelkg->setObjectName(QStringLiteral("Labelkg"));
    EditGram = new QLineEdit(QStringLiteral("200"), this);
    EditGram->setObjectName(QStringLiteral("EditGram"));
    EditGram->setReadOnly(true);
    Label1 = new QLabel(QStringLiteral("Korrigerad vikt:"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    EditKorrigeradVikt = new QLineEdit(this);
    EditKorrigeradVikt->setObjectName(QStringLiteral("EditKorrigeradVikt"));
    connect(EditKorrigeradVikt, &QLineEdit::textChanged, this,
            &TFormNvPer100g::EditKorrigeradViktChange);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setPlainText(kNote.join(QLatin1Char('\n')));
    Memo1->setMaximumHeight(Memo1->fontMetrics().lineSpacing() * 4 + 2 * Memo1->frameWidth() + 8);

    auto* weights = new QGridLayout;
    weights->addWidget(Labelkg, 0, 0);
    weights->addWidget(EditGram, 0, 1);
    weights->addWidget(Label1, 1, 0);
    weights->addWidget(EditKorrigeradVikt, 1, 1);
    weights->setColumnStretch(2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(StringGrid1, 1);
    layout->addLayout(weights);
    layout->addWidget(Memo1);
    int noteWidth = 0;
    for (const QString& line : kNote)
        noteWidth = std::max(noteWidth, Memo1->fontMetrics().horizontalAdvance(line));
    resize(std::max(FigureGrid::fittingWidth(StringGrid1), noteWidth + 60), 480);
}

void TFormNvPer100g::refresh(const AppState& state) {
    if (!isVisible())
        return;
    showFigures(state);
}

void TFormNvPer100g::showEvent(QShowEvent* event) {
    FormBase::showEvent(event);
    showFigures(m_state);
}

void TFormNvPer100g::EditKorrigeradViktChange() {
    if (m_windows.updates)
        m_windows.updates->Recalculate();
}

void TFormNvPer100g::showFigures(const AppState& state) {
    const NutrientFigures::Per100g figures =
        NutrientFigures::per100g(state, EditKorrigeradVikt->text());
    EditGram->setText(figures.weightText);
    QList<QStringList> cells;
    for (int k = 0; k < figures.labels.size(); ++k)
        cells << QStringList{figures.labels.at(k), figures.values.at(k)};
    FigureGrid::fill(StringGrid1, cells);
}

} // namespace vexamat
