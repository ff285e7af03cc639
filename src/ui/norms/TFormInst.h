#pragma once

#include "core/norms/SettingsFile.h"
#include "ui/FormBase.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace vexamat {

// Settings: whole-day mode, the meal shares and the ideal energy distribution, kept in
// vexamat.para.
class TFormInst : public FormBase {
    Q_OBJECT
public:
    TFormInst(AppState& state, Windows& windows, Dialogs& dialogs);

    // The texts of the two grids as typed.
    SettingsTexts settingsTexts() const;
    void setSettingsTexts(const SettingsTexts& texts);
    // Shows the ideal energy shares of the norm in StringGrid2.
    void showNormEnergyShares();
    // Whole-day mode chosen elsewhere (an opened registration) shown in RadioGroup1.
    void showWholeDayMode(bool wholeDay);

    void RadioGroup1Click();
    void Button1Click();
    void Button3Click();

    QGroupBox* RadioGroup1 = nullptr;
    QButtonGroup* RadioGroup1Items = nullptr;
    QLabel* Memo1 = nullptr;
    QTableWidget* StringGrid1 = nullptr;
    QLabel* Memo2 = nullptr;
    QTableWidget* StringGrid2 = nullptr;
    QLabel* Memo3 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button3 = nullptr;

private:
    void FormCreate();
    void apply();
};

} // namespace vexamat
