#pragma once

#include "core/norms/PersonInputs.h"
#include "ui/FormBase.h"
#include "ui/SideFileWindow.h"

#include <optional>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vexamat {

class RadioGroup;

// The personal norm: the energy need from the person's data and activity, the BMI on its
// coloured scale, and OK that makes the estimate the active norm of kind "personnorm".
class TFormPerson : public FormBase, public SideFileWindow {
    Q_OBJECT
public:
    TFormPerson(AppState& state, Windows& windows, Dialogs& dialogs);

    // Computes the need and the BMI and shows them; with activate set, makes the norm active.
    void ComputePersonNeed(bool activate);
    void ShowBmi();

    // The inputs as the controls hold them, and the controls set from inputs (then shown
    // anew, without activating).
    PersonInputs inputs() const;
    void setInputs(const PersonInputs& in);
    // The BMI button's left edge on the designed scale (277..574).
    int bmiLeft() const { return m_bmiLeft; }

    QString sideFileNormKind() const override;
    RegistrationDocument::SideFileHandler sideFileHandler() override;

    RadioGroup* RadioGroupSex = nullptr;
    QLineEdit* editage = nullptr;
    QLineEdit* Editkg = nullptr;
    QLineEdit* EditLangd = nullptr;
    RadioGroup* RGArbete = nullptr;
    RadioGroup* RGFritid = nullptr;
    QLabel* Edit7 = nullptr;
    QLineEdit* EditBMrFriska = nullptr;
    RadioGroup* RadioGroupSjuk = nullptr;
    RadioGroup* RGSjuk = nullptr;
    QLineEdit* EditSjuk = nullptr;
    QLineEdit* EditKcalBehov = nullptr;
    QPushButton* SpeedButtonBMI = nullptr;
    QLineEdit* EditNormal = nullptr;
    QLineEdit* EditOvervikt = nullptr;
    QLineEdit* EditObesitas = nullptr;
    QPushButton* ButtonOK = nullptr;
    QPushButton* ButtonAvbryt = nullptr;

private:
    QWidget* buildBmiScale();
    void RadioGroupSjukClick();
    void RGArbeteClick();
    void EditSjukChange();
    void ButtonOKClick();
    void activate();
    void showSickGroups();

    QHBoxLayout* m_bmiRow = nullptr;
    int m_bmiLeft = 277;
    bool m_settingInputs = false;
};

} // namespace vexamat
