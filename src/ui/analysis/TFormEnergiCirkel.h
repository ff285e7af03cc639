#pragma once

#include "ui/FormBase.h"
#include "ui/ResultView.h"

class QChartView;
class QPieSeries;
class QShowEvent;

namespace vexamat {

// The energy distribution of the food on the meal grid's current row.
class TFormEnergiCirkel : public FormBase, public ResultView {
    Q_OBJECT
public:
    TFormEnergiCirkel(AppState& state, Windows& windows, Dialogs& dialogs);

    // Returns at once while the window is hidden; it catches up when shown.
    void refresh(const AppState& state) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void drawCurrentRow(const AppState& state);

    QChartView* ChartEnergi = nullptr;
    QPieSeries* PieSeries1 = nullptr;
};

} // namespace vexamat
