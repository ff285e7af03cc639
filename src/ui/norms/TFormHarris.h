#pragma once

#include "core/norms/HarrisInputs.h"
#include "ui/FormBase.h"
#include "ui/SideFileWindow.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace vexamat {

class RadioGroup;

// The Harris–Benedict estimate of the energy need; OK makes it the active norm of kind
// "harrisnorm" with the nutrients of the standard norm of the age group.
class TFormHarris : public FormBase, public SideFileWindow {
    Q_OBJECT
public:
    TFormHarris(AppState& state, Windows& windows, Dialogs& dialogs);

    // Shows the estimate of the inputs in Edit2.
    void ComputeHarris();

    HarrisInputs inputs() const;
    // Sets the inputs (not the unit) and shows the estimate anew, without activating.
    void setInputs(const HarrisInputs& in);

    QString sideFileNormKind() const override;
    RegistrationDocument::SideFileHandler sideFileHandler() override;

    QTableWidget* StringGrid1 = nullptr;
    RadioGroup* RadioGroup1 = nullptr;
    RadioGroup* RadioGroup2 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;

private:
    void Button2Click();

    bool m_setting = false;
};

} // namespace vexamat
