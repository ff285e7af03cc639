#pragma once

#include "ui/FormBase.h"
#include "ui/ResultView.h"

class QPlainTextEdit;
class QProgressBar;
class QShowEvent;

namespace vexamat {

// The salt eaten on the current day, or the daily average in the days view, against a fixed
// scale for women and men. Core computes the figures; the window only shows them.
class TFormSalt : public FormBase, public ResultView {
    Q_OBJECT
public:
    TFormSalt(AppState& state, Windows& windows, Dialogs& dialogs);

    // Returns at once while the window is hidden; it catches up when shown.
    void refresh(const AppState& state) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showSalt(const AppState& state);

    QProgressBar* ProgressBar1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
};

} // namespace vexamat
