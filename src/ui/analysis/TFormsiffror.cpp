#include "ui/analysis/TFormsiffror.h"

#include "core/AppState.h"
#include "core/analysis/NutrientFigures.h"
#include "ui/analysis/FigureGrid.h"

#include <QTableWidget>
#include <QVBoxLayout>

namespace vexamat {

TFormsiffror::TFormsiffror(AppState& state, Windows& windows, Dialogs& dialogs)
    : FormBase(state, windows, dialogs) {
    setObjectName(QStringLiteral("TFormsiffror"));
    setWindowTitle(QStringLiteral("Klicka på en rad i måltiden för att se radens näring."));
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint);
    StringGrid1 = FigureGrid::create(this, 100, {70, 214, 70, 70, 70, 70}, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(StringGrid1);
    resize(FigureGrid::fittingWidth(StringGrid1), 420);
}

void TFormsiffror::refresh(const AppState& state) {
    if (!isVisible())
        return;
    showFigures(state);
}

void TFormsiffror::showEvent(QShowEvent* event) {
    FormBase::showEvent(event);
    showFigures(m_state);
}

void TFormsiffror::showFigures(const AppState& state) {
    FigureGrid::fill(StringGrid1, NutrientFigures::figures(state));
}

} // namespace vexamat
