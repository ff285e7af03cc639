#pragma once

#include "ui/FormBase.h"
#include "ui/ResultView.h"

class QShowEvent;
class QTableWidget;

namespace vexamat {

// The selected nutrients of the meal grid's current row, of the meal and of the day, with
// the need and the day's share of it, as figures. Core builds the cells.
class TFormsiffror : public FormBase, public ResultView {
    Q_OBJECT
public:
    TFormsiffror(AppState& state, Windows& windows, Dialogs& dialogs);

    // Returns at once while the window is hidden; it catches up when shown.
    void refresh(const AppState& state) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showFigures(const AppState& state);

    QTableWidget* StringGrid1 = nullptr;
};

} // namespace vexamat
