#pragma once

#include "ui/FormBase.h"
#include "ui/ResultView.h"

class QButtonGroup;
class QChartView;
class QLabel;
class QPieSeries;
class QShowEvent;

namespace vexamat {

class HorizontalBarChart;

// The composition of the fat eaten in the current view: the fat qualities as bars or as a
// pie, or omega-3 and omega-6 with their ratio.
class TFormFettStapel : public FormBase, public ResultView {
    Q_OBJECT
public:
    TFormFettStapel(AppState& state, Windows& windows, Dialogs& dialogs);

    // Returns at once while the window is hidden; it catches up when shown.
    void refresh(const AppState& state) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void DrawFatComposition(const AppState& state);

    QButtonGroup* RadioGroupFett = nullptr;
    HorizontalBarChart* ChartFettStapel = nullptr;
    QChartView* ChartFettCirkel = nullptr;
    QPieSeries* Series2 = nullptr;
    HorizontalBarChart* ChartOmega = nullptr;
    HorizontalBarChart* ChartKvot = nullptr;
    QLabel* Label1 = nullptr;
};

} // namespace vexamat
