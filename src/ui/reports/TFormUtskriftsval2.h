#pragma once

#include "core/reports/Report.h"
#include "core/reports/ReportOptions.h"
#include "ui/FormBase.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace vexamat {

class RadioGroup;

// "Välj typ av utskrift": prints the registration (one meal, one day or all days, at four
// levels of detail) to the print preview or to a PDF, RTF, Excel or HTML file.
class TFormUtskriftsval2 : public FormBase {
    Q_OBJECT
public:
    TFormUtskriftsval2(AppState& state, Windows& windows, Dialogs& dialogs);

    // The choices of the window as report options, for the current day and meal.
    ReportOptions options() const;
    // The report the window's choices give, with its header, pies and information text.
    Report buildReport() const;

    void ButtonSkrivClick();
    void CheckBox1Click();

private:
    void preview(const Report& report);
    void writeFile(const Report& report);

    RadioGroup* RadioGroup1 = nullptr;
    RadioGroup* RadioGroup2 = nullptr;
    QCheckBox* CheckBoxDiagram = nullptr;
    QCheckBox* CheckBoxFettsammansattning = nullptr;
    QCheckBox* CheckBoxKomprimerad = nullptr;
    QCheckBox* CheckBoxPersonInfo = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    RadioGroup* RadioGroup3 = nullptr;
    QCheckBox* CheckBoxCirkeldiagram = nullptr;
    QLineEdit* EditRubrik = nullptr;
    QPushButton* ButtonSkriv = nullptr;
};

} // namespace vexamat
