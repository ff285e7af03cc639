#pragma once

#include "core/norms/ActivityTable.h"
#include "ui/FormBase.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace vexamat {

// The activity table aktiv.txt in a grid: read at start-up, edited after the password and
// written back with "Spara".
class TFormAktskapa : public FormBase {
    Q_OBJECT
public:
    TFormAktskapa(AppState& state, Windows& windows, Dialogs& dialogs);

    // The activities as the grid holds them now, row by row (free rows left out).
    QList<Activity> activities() const;

    QLabel* Label1 = nullptr;
    QTableWidget* StringGrid1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;

private:
    void FormCreate();
    void Button1Click();
    void Button2Click();

    bool m_filling = false; // the program writes a cell: no edit to check
};

} // namespace vexamat
