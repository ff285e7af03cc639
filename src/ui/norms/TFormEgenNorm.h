#pragma once

#include "core/catalogue/Nutrients.h"
#include "core/norms/OwnNormInputs.h"
#include "ui/FormBase.h"
#include "ui/SideFileWindow.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace vexamat {

class RadioGroup;

// The own energy norm: a day norm proposed from a stated energy intake and energy
// percentages, adjustable cell by cell; OK makes it the active norm of kind "egennorm" and
// "Spara denna norm" stores it in the norm table.
class TFormEgenNorm : public FormBase, public SideFileWindow {
    Q_OBJECT
public:
    TFormEgenNorm(AppState& state, Windows& windows, Dialogs& dialogs);

    // Proposes the day norm from the inputs into the bottom row of StringGrid2.
    void ProposeOwnNorm();

    OwnNormInputs inputs() const;
    QStringList normCells() const; // row 1 of StringGrid2
    // Sets the inputs and the norm cells without proposing anew.
    void setContents(const OwnNormInputs& in, const QStringList& cells);

    QString sideFileNormKind() const override;
    RegistrationDocument::SideFileHandler sideFileHandler() override;

    QTableWidget* StringGrid1 = nullptr;
    RadioGroup* RadioGroupSex = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* EditSumma = nullptr;
    QTableWidget* StringGrid2 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* ButtonSparaNorm = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showNutrientLabels();
    void Button2Click();
    void ButtonSparaNormClick();
    void showSum();

    NutrientValues m_proposed{}; // the last proposal
    bool m_setting = false;
};

} // namespace vexamat
