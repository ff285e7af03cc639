#include "ui/analysis/TFormSalt.h"

#include "core/AppState.h"
#include "core/analysis/SaltSummary.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>

#include <algorithm>

namespace vexamat {

namespace {

constexpr int kMaxGrams = 20;
// The scale is laid out in half grams, so that a field of whole grams centres on its value
// and lines up with the progress bar below it.
constexpr int kColumns = 2 * kMaxGrams;

struct ScaleField {
    int row;   // 0 "Kvinna", 1 "Man"
    int first; // first half-gram column
    int span;  // half-gram columns
    QRgb colour;
    const char* text;
};

constexpr QRgb kLime = qRgb(0, 255, 0);
constexpr QRgb kYellow = qRgb(255, 255, 0);
constexpr QRgb kRed = qRgb(255, 0, 0);

const ScaleField kScale[] = {
    {0, 0, 9, kRed, "        < 4 g För lite"},
    {0, 9, 4, kLime, "  5 - 6 g"},
    {0, 13, 2, kYellow, "  7 g"},
    {0, 15, 25, kRed, "                     > 7 gram   För mycket"},
    {1, 0, 9, kRed, "     < 4 g  För lite"},
    {1, 9, 6, kLime, "       5 - 7 g"},
    {1, 15, 2, kYellow, "  8 g"},
    {1, 17, 23, kRed, "              > 8 gram   För mycket"},
};

const QStringList kDesignText{
    QStringLiteral("Kvinnor bör äta högst 6 gram salt per dag och män högst 7 gram."),
    QStringLiteral("En ytterligare sänkning till 5-6 gram salt per dag är önskvärd."),
};

} // namespace

TFormSalt::TFormSalt(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormSalt"));
    setWindowTitle(QStringLiteral("Salt (NaCl) i förhållande till behovet"));
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(0);
    grid->setVerticalSpacing(2);
    const char* const rowNames[] = {"Label1", "Label2", "Label3"};
    const char* const rowTexts[] = {"Kvinna", "Man", "Du"};
    for (int r = 0; r < 3; ++r) {
        auto* label = new QLabel(QString::fromUtf8(rowTexts[r]), this);
        label->setObjectName(QString::fromLatin1(rowNames[r]));
        label->setContentsMargins(0, 0, 8, 0);
        grid->addWidget(label, r, 0);
    }

    // Every column as wide as the most crowded field needs, so that each text shows whole.
    int columnWidth = 1;
    int index = 0;
    for (const ScaleField& field : kScale) {
        auto* label = new QLabel(QString::fromUtf8(field.text), this);
        label->setObjectName(QStringLiteral("Scale%1").arg(++index));
        label->setTextFormat(Qt::PlainText);
        label->setAutoFillBackground(true);
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, QColor(field.colour));
        palette.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(palette);
        label->setMinimumHeight(label->sizeHint().height() + 4);
        grid->addWidget(label, field.row, 1 + field.first, 1, field.span);
        const int needed = label->fontMetrics().horizontalAdvance(label->text()) + 6;
        columnWidth = std::max(columnWidth, (needed + field.span - 1) / field.span);
    }
    for (int c = 1; c <= kColumns; ++c) {
        grid->setColumnMinimumWidth(c, columnWidth);
        grid->setColumnStretch(c, 1);
    }

    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, kMaxGrams);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    grid->addWidget(ProgressBar1, 2, 1, 1, kColumns);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setPlainText(kDesignText.join(QLatin1Char('\n')));
    Memo1->setMinimumHeight(Memo1->fontMetrics().lineSpacing() * 5 + 2 * Memo1->frameWidth() + 8);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addWidget(Memo1, 1);
    resize(sizeHint());
}

void TFormSalt::refresh(const AppState& state) {
    if (!isVisible())
        return;
    showSalt(state);
}

void TFormSalt::showEvent(QShowEvent* event) {
    FormBase::showEvent(event);
    showSalt(m_state);
}

void TFormSalt::showSalt(const AppState& state) {
    const SaltSummary salt = SaltSummary::compute(*state.results, state.ViewMode, state.CurrentDay);
    ProgressBar1->setValue(std::clamp(salt.progress, 0, kMaxGrams));
    Memo1->setPlainText(salt.lines.join(QLatin1Char('\n')));
}

} // namespace vexamat
