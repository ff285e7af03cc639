#pragma once

#include "core/analysis/FoodComparison.h"
#include "ui/FormBase.h"

class QChartView;
class QCheckBox;
class QListWidget;
class QPieSeries;

namespace vexamat {

// One food of the food tables per 100 g beside the food shown before it, each with its
// energy pie. Filled only when a food is looked up.
class TFormVisaNv : public FormBase {
    Q_OBJECT
public:
    TFormVisaNv(AppState& state, Windows& windows, Dialogs& dialogs);

    // Looks the food up and shows the window; a code found in no table is reported and
    // changes nothing.
    void ShowFoodPer100g(const QString& code);
    // A click elsewhere in the main window: hides the window when it is to close by itself.
    void hideOnOutsideClick();

private:
    void drawPie(QPieSeries* series, const FoodNutrientSheet::Shares& shares);
    void ListBoxVisaNvClick();
    void ListBoxVisaNv1Click();

    QListWidget* ListBoxVisaNv = nullptr;
    QListWidget* ListBoxVisaNv1 = nullptr;
    QListWidget* ListBoxVisaNvH = nullptr;
    QCheckBox* CheckBoxVisaAllaNv = nullptr;
    QCheckBox* CheckBoxLatsta = nullptr;
    QCheckBox* CheckBoxStayOnTop = nullptr;
    QChartView* ChartEnergi = nullptr;
    QChartView* ChartEnergi2 = nullptr;
    QPieSeries* PieSeries1 = nullptr;
    QPieSeries* PieSeries2 = nullptr;

    FoodComparison m_sides;
};

} // namespace vexamat
