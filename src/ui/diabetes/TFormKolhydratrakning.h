#pragma once

#include "ui/FormBase.h"
#include "ui/ResultView.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QShowEvent;
class QTableWidget;
class QTableWidgetItem;

namespace vexamat {

class HorizontalBarChart;

// "Beräkning av Insulindos enligt kolhydratmetoden.": the carbohydrates of each meal of the
// current day divided by the ratio typed for it, as a suggested dose per meal and for the day.
class TFormKolhydratrakning : public FormBase, public ResultView {
    Q_OBJECT
public:
    TFormKolhydratrakning(AppState& state, Windows& windows, Dialogs& dialogs);

    // Recounts the current day; returns at once while hidden.
    void refresh(const AppState& state) override;

    QTableWidget* StringGrid1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* Button1 = nullptr;
    HorizontalBarChart* Chart1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void count();
    void StringGrid1SetEditText(QTableWidgetItem* item);

    bool m_loading = false;
};

} // namespace vexamat
