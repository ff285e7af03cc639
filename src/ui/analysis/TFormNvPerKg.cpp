#include "ui/analysis/TFormNvPerKg.h"

#include "core/AppState.h"
#include "core/analysis/NutrientFigures.h"
#include "ui/MainWindowUpdates.h"
#include "ui/Windows.h"
#include "ui/analysis/FigureGrid.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vexamat {

TFormNvPerKg::TFormNvPerKg(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormNvPerKg"));
    setWindowTitle(QStringLiteral("Näring per kg kroppsvikt"));
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint);

    Labelkg = new QLabel(QStringLiteral("Kroppsvikt i kg:"), this);
    Labelkg->setObjectName(QStringLiteral("Labelkg"));
    Editkg = new QLineEdit(QStringLiteral("10"), this);
    Editkg->setObjectName(QStringLiteral("Editkg"));
    Editkg->setMaximumWidth(80);
    connect(Editkg, &QLineEdit::textChanged, this, &TFormNvPerKg::EditkgChange);
    StringGrid1 = FigureGrid::create(this, 100, {64, 216, 64, 64, 64}, 1);

    auto* weightRow = new QHBoxLayout;
    weightRow->addWidget(Labelkg);
    weightRow->addWidget(Editkg);
    weightRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(weightRow);
    layout->addWidget(StringGrid1);
    resize(FigureGrid::fittingWidth(StringGrid1), 420);
}

void TFormNvPerKg::refresh(const AppState& state) {
    if (!isVisible())
        return;
    showFigures(state);
}

void TFormNvPerKg::showEvent(QShowEvent* event) {
    FormBase::showEvent(event);
    showFigures(m_state);
}

void TFormNvPerKg::EditkgChange() {
    if (m_windows.updates)
        m_windows.updates->Recalculate();
}

void TFormNvPerKg::showFigures(const AppState& state) {
    if (const auto table = NutrientFigures::perKg(state, Editkg->text()))
        FigureGrid::fill(StringGrid1, *table);
}

} // namespace vexamat
