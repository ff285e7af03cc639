#pragma once

#include "ui/FormBase.h"
#include "ui/ResultView.h"

class QLabel;
class QLineEdit;
class QShowEvent;
class QTableWidget;

namespace vexamat {

// The figures of the current row, meal, day and period divided by a body weight typed in the
// window; a weight of 0.1 kg or less leaves the figures as they were.
class TFormNvPerKg : public FormBase, public ResultView {
    Q_OBJECT
public:
    TFormNvPerKg(AppState& state, Windows& windows, Dialogs& dialogs);

    // Returns at once while the window is hidden; it catches up when shown.
    void refresh(const AppState& state) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showFigures(const AppState& state);
    void EditkgChange();

    QLabel* Labelkg = nullptr;
    QLineEdit* Editkg = nullptr;
    QTableWidget* StringGrid1 = nullptr;
};

} // namespace vexamat
