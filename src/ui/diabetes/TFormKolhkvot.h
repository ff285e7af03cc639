#pragma once

#include "ui/FormBase.h"
#include "ui/ResultView.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QShowEvent;
class QTableWidget;
class QTableWidgetItem;

namespace vexamat {

// "Kolhydratfaktor": the carbohydrate factor of each hour of the day, from which the timeline
// suggests insulin doses, and the 500 rule for estimating it.
class TFormKolhkvot : public FormBase, public ResultView {
    Q_OBJECT
public:
    TFormKolhkvot(AppState& state, Windows& windows, Dialogs& dialogs);

    // Shows the factors of the registration; returns at once while hidden.
    void refresh(const AppState& state) override;

    QTableWidget* StringGrid1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPlainTextEdit* Memo2 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QLineEdit* Edit500 = nullptr;
    QLineEdit* EditDygnsdos = nullptr;
    QLineEdit* Editkolhkvot = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void loadFactors();
    void StringGrid1SetEditText(QTableWidgetItem* item);
    void Edit500Change();

    bool m_loading = false;
};

} // namespace vexamat
