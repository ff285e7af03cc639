#pragma once

#include "core/analysis/FoodContributions.h"
#include "ui/FormBase.h"
#include "ui/ResultView.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QResizeEvent;
class QShowEvent;
class QToolButton;

namespace vexamat {

class HorizontalBarChart;

// Which foods one nutrient, or the weight, comes from on the current day or on all days:
// one bar per food, largest first, a page at a time. Core sums the foods.
class TFormGramTotal : public FormBase, public ResultView {
    Q_OBJECT
public:
    TFormGramTotal(AppState& state, Windows& windows, Dialogs& dialogs);

    // Returns at once while the window is hidden; it catches up when shown.
    void refresh(const AppState& state) override;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void RefreshFoodContributions(const AppState& state);
    void FormResize();
    void showPage();
    void SpinButton1UpClick();
    void SpinButton1DownClick();

    QListWidget* ListBoxNv = nullptr;
    QGroupBox* RadioGroup1 = nullptr;
    QButtonGroup* RadioGroup1Items = nullptr;
    HorizontalBarChart* Chart1 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QWidget* SpinButton1 = nullptr;
    QToolButton* SpinButton1Up = nullptr;
    QToolButton* SpinButton1Down = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QLabel* Label1 = nullptr;

    FoodContributions::Result m_result;
    int m_unit = 0; // NutrientNo shown, 0 for the weight
    int m_pointsPerPage = 1;
    int m_first = 0; // the first bar of the page, counted from the largest
};

} // namespace vexamat
